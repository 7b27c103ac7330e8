#include "ArrayVariables.h"

#include "MessageTexts.h"

namespace xonQMInterpreter {

void CArrayVariables::setNotFound(const CNameString& name)
{
    m_ErrorText = msgVariableNotFound() + " : " + name;
}

bool CArrayVariables::perform(const CNameString& name)
{
    m_Result = CValue();
    m_ErrorText.clear();
    const CVariable* variable = findElement(name);
    if (variable == nullptr) {
        setNotFound(name);
        return false;
    }
    m_Result = variable->getValue();
    if (variable->isInitialized())
        return true;
    m_ErrorText = msgVariableNotInitialized() + ", " + msgVariableName() + " " + name;
    return false;
}

bool CArrayVariables::isInitialised(const CNameString& name, bool& initialised)
{
    const CVariable* variable = findElement(name);
    if (variable == nullptr)
        return false;
    initialised = variable->isInitialized();
    return true;
}

bool CArrayVariables::setValue(const CNameString& name, const CValue& value)
{
    CVariable* variable = findElement(name);
    if (variable == nullptr) {
        setNotFound(name);
        return false;
    }
    variable->setValue(value);
    variable->setInitialized(true);
    return true;
}

bool CArrayVariables::getValue(const CNameString& name, CValue& value)
{
    const CVariable* variable = findElement(name);
    if (variable == nullptr) {
        setNotFound(name);
        return false;
    }
    value = variable->getValue();
    return true;
}

bool CArrayVariables::getResult(int index, CNameString& name, CValue& value)
{
    const CVariable* variable = getElement(index);
    if (variable == nullptr) {
        m_ErrorText = msgVariableNotFound();
        return false;
    }
    name = variable->getName();
    value = variable->getValue();
    return true;
}

} // namespace xonQMInterpreter
