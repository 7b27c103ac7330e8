#ifndef OMBRIX_INTERPRETER_ARRAYSTDFUNCTIONS_H
#define OMBRIX_INTERPRETER_ARRAYSTDFUNCTIONS_H

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

#endif
