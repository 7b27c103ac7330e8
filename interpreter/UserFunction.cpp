#include "UserFunction.h"

#include "MessageTexts.h"
#include "NodeKinds.h"

namespace xonQMInterpreter {

CUserFunction::CUserFunction(const CNameString& name, const CSignature& signature) : CFunction(name, signature)
{
    // A failed sizing leaves the function without slots; every parameter then reads as false.
    m_ParameterValues.resize(signature.getCountParameters());
}

CUserFunction::~CUserFunction() = default;

bool CUserFunction::getParameter(int index, CValue& value) const
{
    if (index < 0 || index >= m_ParameterValues.getCount())
        return false;
    value = m_ParameterValues.get(index);
    return true;
}

CUserFunctionImpl::CUserFunctionImpl(const CNameString& name, const CSignature& signature)
    : CUserFunction(name, signature)
{
    m_Tree = std::make_unique<CNodeContinueImpl>();
}

bool CUserFunctionImpl::perform(const C1DArray<CValue>& arguments, CValue& result, CMessageString& errorText)
{
    errorText.clear();
    if (!checkCountParameters(arguments.getCount(), errorText))
        return false;
    if (!m_Tree) {
        errorText = msgSystemError() + " : CUserFunction::m_Tree == NULL, " + msgUserFunctionName() + " " + m_Name;
        return false;
    }
    for (int i = 0; i < arguments.getCount(); ++i)
        m_ParameterValues.set(i, arguments.get(i));
    if (m_Tree->perform() && m_Tree->getValue(result))
        return true;
    errorText = msgUserFunctionExecutionError() + ", " + msgUserFunctionName() + " " + m_Name;
    return false;
}

} // namespace xonQMInterpreter
