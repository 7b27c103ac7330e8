#pragma once

#include "ArrayFunctions.h"
#include "StdFunctions.h"

namespace xonQMInterpreter {

// The 33 standard functions.
class CArrayStdFunctions : public CArrayFunctions<CStdFunction>
{
public:
    void fill() override;
};

} // namespace xonQMInterpreter
