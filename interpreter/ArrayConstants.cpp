#include "ArrayConstants.h"

#include "MessageTexts.h"

namespace xonQMInterpreter {

void CArrayConstants::fill()
{
    deleteAll();
    addNamed(std::make_unique<CConstantPI>());
    addNamed(std::make_unique<CConstantEXP>());
}

bool CArrayConstants::perform(const CNameString& name)
{
    const CConstant* constant = findElement(name);
    if (constant == nullptr) {
        m_ErrorText = msgConstantNotFound() + " : " + name;
        return false;
    }
    m_Result = constant->getValue();
    return true;
}

} // namespace xonQMInterpreter
