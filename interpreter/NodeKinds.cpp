#include "NodeKinds.h"

#include "MessageTexts.h"
#include "UserFunction.h"

namespace xonQMInterpreter {

namespace {

// A kind word followed by " : " and the node's datum.
CNameString kindText(const CMessageString& kind, const CMessageString& datum)
{
    return kind + " : " + datum;
}

} // namespace

CNameString CNodeEmpty::getNameType()
{
    return msgKindEmpty();
}
CNameString CNodeContinue::getNameType()
{
    return kindText(msgKindContinue(), storedValue().toString());
}
CNameString CNodeValue::getNameType()
{
    return kindText(msgKindValue(), storedValue().toString());
}
CNameString CNodeConstant::getNameType()
{
    return kindText(msgKindConstant(), getName());
}
CNameString CNodeVariable::getNameType()
{
    return kindText(msgKindVariable(), getName());
}
CNameString CNodeVariableDef::getNameType()
{
    return kindText(msgKindVariable(), getName());
}
CNameString CNodeStdFunction::getNameType()
{
    return kindText(msgKindStdFunction(), getName());
}
CNameString CNodeUserFunction::getNameType()
{
    return kindText(msgKindUserFunction(), getName());
}
CNameString CNodeCommand::getNameType()
{
    return kindText(msgKindCommand(), getName());
}
CNameString CNodeBinOperator::getNameType()
{
    return kindText(msgKindBinOperator(), binOperatorTypeName(m_Type));
}
CNameString CNodeUnLeftOperator::getNameType()
{
    return kindText(msgKindUnLeftOperator(), unLeftOperatorTypeName(m_Type));
}

CNameString CNodeParameter::getNameType()
{
    CMessageString text = kindText(msgKindParameter(), integerText(m_Index)) + ", "
                          + msgUserFunctionName() + " : ";
    if (m_Function == nullptr)
        return text + "NULL";
    return text + m_Function->getName();
}

bool CNodeParameter::getValue(CValue& value)
{
    return m_Function != nullptr && m_Function->getParameter(m_Index, value);
}

bool CNodeContinueImpl::perform()
{
    CNode* child = getChild(0);
    if (child == nullptr || !child->perform())
        return false;
    CValue value;
    if (!child->getValue(value))
        return false;
    setValue(value);
    return true;
}

} // namespace xonQMInterpreter
