#include "ArrayUnLeftOperators.h"

#include "MessageTexts.h"

#include <memory>

namespace xonQMInterpreter {

void CArrayUnLeftOperators::setParameters(const C1DArray<CValue>& arguments)
{
    if (arguments.getCount() < 1) {
        m_ParameterError = true;
        m_ErrorText = msgSystemError() + ", " + msgUnLeftOperatorExecutionError() + ", "
                      + msgNotEnoughParameters();
        return;
    }
    m_ParameterError = false;
    m_ErrorText.clear();
    m_Operand = arguments.get(0);
}

void CArrayUnLeftOperators::fill()
{
    deleteAll();
    addElement(std::make_unique<CUnLeftOperatorPlus>());
    addElement(std::make_unique<CUnLeftOperatorMinus>());
}

bool CArrayUnLeftOperators::find(const TTypeUnLeftOperator& type, int& index)
{
    for (int i = 0; i < getCount(); ++i) {
        if (getElement(i)->getType() == type) {
            index = i;
            return true;
        }
    }
    return false;
}

bool CArrayUnLeftOperators::perform(const TTypeUnLeftOperator& type)
{
    if (m_ParameterError)
        return false;
    int index = 0;
    if (!find(type, index)) {
        m_ErrorText = msgUnLeftOperatorNotFound();
        return false;
    }
    return getElement(index)->perform(m_Operand, m_Result, m_ErrorText);
}

} // namespace xonQMInterpreter
