#include "Function.h"

#include "MessageTexts.h"

namespace xonQMInterpreter {

bool CFunction::checkCountParameters(int count, CMessageString& errorText) const
{
    if (count == m_Signature.getCountParameters())
        return true;
    errorText = msgWrongNumberOfParameters() + ", " + msgFunction() + " " + m_Name + " "
                + msgHasNumberOfParameters() + " " + integerText(m_Signature.getCountParameters())
                + ", " + msgEstablishedNumberOfParameters() + " " + integerText(count);
    return false;
}

} // namespace xonQMInterpreter
