#pragma once

#include "Limits.h"
#include "StackStreamIn.h"
#include "StreamIn.h"

#include <memory>
#include <string>

namespace ombrixTest {

// A look-ahead over its own copy of a text, rewound to its start.
struct TTextInput
{
    explicit TTextInput(const std::string& text, int tabSize = xonQMInterpreter::DEFAULT_TAB_SIZE)
        : input(std::make_unique<xonQMInterpreter::CStackStreamIn>())
    {
        source.setText(text.c_str());
        input->setTabSize(tabSize);
        input->setStream(&source);
        input->reset();
    }
    xonQMInterpreter::CStreamInString source;
    std::unique_ptr<xonQMInterpreter::CStackStreamIn> input;
};

} // namespace ombrixTest
