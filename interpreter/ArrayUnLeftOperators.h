#pragma once

#include "ArrayElements.h"
#include "UnLeftOperators.h"

namespace xonQMInterpreter {

// The prefix operators plus and minus, keyed by kind.
class CArrayUnLeftOperators : public CArrayElements<CUnLeftOperator, TTypeUnLeftOperator>
{
public:
    // Takes the first value as the operand; without one the next perform fails.
    void setParameters(const C1DArray<CValue>& arguments) override;
    void getErrorText(CMessageString& text) override { text = m_ErrorText; }
    void getResult(CValue& value) override { value = m_Result; }
    CBuffString getText() override { return CBuffString(); }
    void fill() override;
    bool find(const TTypeUnLeftOperator& type, int& index) override;
    bool perform(const TTypeUnLeftOperator& type) override;

private:
    CValue m_Operand;
    CValue m_Result;
    CMessageString m_ErrorText;
    bool m_ParameterError = false;
};

} // namespace xonQMInterpreter
