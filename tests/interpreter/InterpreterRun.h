#pragma once

// Runs whole texts through the facade and gives back what a user would see: the message lines
// in the windows' order and every variable as name=value.

#include "QMInterpreter.h"
#include "Value.h"

#include <string>
#include <vector>

namespace ombrix_test {

using Lines = std::vector<std::string>;

struct TRun
{
    bool performed = false;
    Lines messages;
    Lines variables;
};

inline TRun runText(xonQMInterpreter::CQMInterpreter& interpreter, const std::string& text)
{
    using namespace xonQMInterpreter;
    TRun run;
    run.performed = interpreter.perform(text.c_str());
    for (int i = 0; i < interpreter.getCountErrors(); ++i)
        run.messages.emplace_back(interpreter.getError(i).c_str());
    for (int i = 0; i < interpreter.getCountWarnings(); ++i)
        run.messages.emplace_back(interpreter.getWarning(i).c_str());
    for (int i = 0; i < interpreter.getCountMessages(); ++i)
        run.messages.emplace_back(interpreter.getMessage(i).c_str());
    for (int i = 0; i < interpreter.getCountVariables(); ++i) {
        CNameString name;
        double value = 0.0;
        interpreter.getVariable(i, name, value);
        run.variables.push_back(std::string(name.c_str()) + "=" + CValue(value).toString().c_str());
    }
    return run;
}

inline TRun runText(const std::string& text, int tabSize = -1)
{
    xonQMInterpreter::CQMInterpreter interpreter;
    interpreter.setTabSize(tabSize);
    return runText(interpreter, text);
}

} // namespace ombrix_test
