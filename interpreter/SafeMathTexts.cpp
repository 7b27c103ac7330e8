#include "SafeMathTexts.h"

#include "MessageTexts.h"
#include "SafeMath.h"

namespace xonQMInterpreter {

CMessageString safeMathDetailText(int code)
{
    switch (code) {
    case SAFE_ERROR_OVERFLOW:
        return msgTooBigNumber();
    case SAFE_ERROR_DIVISION_BY_ZERO:
        return msgDivisionByZero();
    case SAFE_ERROR_NEGATIVE_BASE:
        return msgNegativeBaseRealExponent();
    case SAFE_ERROR_NEGATIVE_ARGUMENT:
        return msgNegativeParameter();
    case SAFE_ERROR_ZERO_ARGUMENT:
        return msgZeroParameter();
    case SAFE_ERROR_OUT_OF_RANGE:
        return msgParameterOutOfRange("-1", "1");
    default:
        return CMessageString();
    }
}

} // namespace xonQMInterpreter
