#pragma once

#include "Function.h"

namespace xonQMInterpreter {

// The base of the standard functions: each sets its name and argument count and computes
// through the guarded arithmetic.
class CStdFunction : public CFunction
{
public:
    CStdFunction(const char* name, int countParameters)
        : CFunction(name, CSignature(CSignature::DEFAULT_KIND, countParameters))
    {
    }
};

#define OMBRIX_DECLARE_STD_FUNCTION(ClassName)                                                     \
    class ClassName : public CStdFunction                                                          \
    {                                                                                              \
    public:                                                                                        \
        ClassName();                                                                               \
        bool perform(const C1DArray<CValue>& arguments, CValue& result,                            \
                     CMessageString& errorText) override;                                          \
    };

OMBRIX_DECLARE_STD_FUNCTION(CFunctionIfElse)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionDegreeToRadian)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionRadianToDegree)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionPercent)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionPRatio)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionAbs)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionFloor)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionRound)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionIsEven)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionExp)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionPow)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionMod)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionLn)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionLog)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionLogX)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionSqrt)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionSqr)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionCos)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionSin)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionArcCos)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionArcSin)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionCh)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionSh)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionTg)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionArcTg)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionTh)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionMax)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionMin)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionIsEqual)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionIsGreat)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionIsLess)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionIsEqualGreat)
OMBRIX_DECLARE_STD_FUNCTION(CFunctionIsEqualLess)

#undef OMBRIX_DECLARE_STD_FUNCTION

} // namespace xonQMInterpreter
