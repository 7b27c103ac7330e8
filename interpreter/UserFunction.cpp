#include "UserFunction.h"

#include "MessageTexts.h"
#include "NodeKinds.h"

namespace xonQMInterpreter {

CUserFunction::CUserFunction(const CNameString& name, const CSignature& signature)
    : CFunction(name, signature)
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

namespace {

// Out of line: a body may call further functions, and this frame is part of every level.
[[gnu::noinline]] void setFailureText(CMessageString& errorText, bool missingTree,
                                      const CNameString& name)
{
    if (missingTree)
        errorText = msgSystemError() + " : CUserFunction::m_Tree == NULL, " + msgUserFunctionName()
                    + " " + name;
    else
        errorText = msgUserFunctionExecutionError() + ", " + msgUserFunctionName() + " " + name;
}

} // namespace

bool CUserFunctionImpl::perform(const C1DArray<CValue>& arguments, CValue& result,
                                CMessageString& errorText)
{
    errorText.clear();
    if (!checkCountParameters(arguments.getCount(), errorText))
        return false;
    if (!m_Tree) {
        setFailureText(errorText, true, m_Name);
        return false;
    }
    for (int i = 0; i < arguments.getCount(); ++i)
        m_ParameterValues.set(i, arguments.get(i));
    if (m_Tree->perform() && m_Tree->getValue(result))
        return true;
    setFailureText(errorText, false, m_Name);
    return false;
}

} // namespace xonQMInterpreter
