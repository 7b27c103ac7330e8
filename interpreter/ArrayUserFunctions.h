#pragma once

#include "ArrayFunctions.h"
#include "UserFunction.h"

namespace xonQMInterpreter {

// The user functions of the current run.
class CArrayUserFunctions : public CArrayFunctions<CUserFunction>
{
public:
    void fill() override { deleteAll(); }
    // Appends a function the table then owns; false (and the function deleted) when it cannot
    // be stored.
    bool add(std::unique_ptr<CUserFunction> function) { return addNamed(std::move(function)); }
};

} // namespace xonQMInterpreter
