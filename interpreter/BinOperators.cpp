#include "BinOperators.h"

#include "MessageTexts.h"
#include "SafeMath.h"
#include "SafeMathTexts.h"

#include <memory>
#include <span>

namespace xonQMInterpreter {

namespace {

// A result code that an operator explains, and the separator between its lead text and the
// code's detail text.
struct TOperatorDetail
{
    int code;
    const char* separator;
};

constexpr TOperatorDetail OVERFLOW_DETAILS[] = {{SAFE_ERROR_OVERFLOW, ", "}};
constexpr TOperatorDetail DIV_DETAILS[] = {
    {SAFE_ERROR_OVERFLOW, ", "},
    {SAFE_ERROR_DIVISION_BY_ZERO, ", "},
};
constexpr TOperatorDetail POWER_DETAILS[] = {
    {SAFE_ERROR_OVERFLOW, ", "},
    {SAFE_ERROR_DIVISION_BY_ZERO, " : "},
    {SAFE_ERROR_NEGATIVE_BASE, ", "},
};

// Code 0 stores the value; any other code leaves the result and writes the lead text, with
// the detail when the operator explains that code.
bool finish(int code, double value, CValue& result, CMessageString& errorText,
            const CMessageString& lead, std::span<const TOperatorDetail> details)
{
    if (code == SAFE_OK) {
        result = CValue(value);
        return true;
    }
    errorText = lead;
    for (const TOperatorDetail& detail : details)
        if (detail.code == code)
            errorText = lead + detail.separator + safeMathDetailText(code);
    return false;
}

} // namespace

CNameString binOperatorTypeName(TTypeBinOperator type)
{
    switch (type) {
    case BIN_OPERATOR_NONE:
        return "none";
    case BIN_OPERATOR_PLUS:
        return "+ (plus)";
    case BIN_OPERATOR_MINUS:
        return "- (minus)";
    case BIN_OPERATOR_MULT:
        return "* (mult)";
    case BIN_OPERATOR_DIV:
        return "/ (div)";
    case BIN_OPERATOR_POWER:
        return "^ (power)";
    }
    return CNameString();
}

bool CBinOperatorPlus::perform(const CValue& left, const CValue& right, CValue& result,
                               CMessageString& errorText)
{
    errorText.clear();
    double value = 0.0;
    const int code = safeAdd(left.getValue(), right.getValue(), value);
    return finish(code, value, result, errorText, msgPlusError(), OVERFLOW_DETAILS);
}

bool CBinOperatorMinus::perform(const CValue& left, const CValue& right, CValue& result,
                                CMessageString& errorText)
{
    errorText.clear();
    double value = 0.0;
    const int code = safeAdd(left.getValue(), -right.getValue(), value);
    return finish(code, value, result, errorText, msgMinusError(), OVERFLOW_DETAILS);
}

bool CBinOperatorMult::perform(const CValue& left, const CValue& right, CValue& result,
                               CMessageString& errorText)
{
    errorText.clear();
    double value = 0.0;
    const int code = safeMult(left.getValue(), right.getValue(), value);
    return finish(code, value, result, errorText, msgMultError(), OVERFLOW_DETAILS);
}

bool CBinOperatorDiv::perform(const CValue& left, const CValue& right, CValue& result,
                              CMessageString& errorText)
{
    errorText.clear();
    double value = 0.0;
    const int code = safeDiv(left.getValue(), right.getValue(), value);
    return finish(code, value, result, errorText, msgDivError(), DIV_DETAILS);
}

bool CBinOperatorPower::perform(const CValue& left, const CValue& right, CValue& result,
                                CMessageString& errorText)
{
    errorText.clear();
    double value = 0.0;
    const int code = safePow(left.getValue(), right.getValue(), value);
    return finish(code, value, result, errorText, msgPowerError(), POWER_DETAILS);
}

void CArrayBinOperators::setParameters(const C1DArray<CValue>& arguments)
{
    m_Operands = arguments;
}

void CArrayBinOperators::getErrorText(CMessageString& text)
{
    text = m_ErrorText;
}

void CArrayBinOperators::getResult(CValue& value)
{
    value = m_Result;
}

// The operators have no text dump.
CBuffString CArrayBinOperators::getText()
{
    return CBuffString();
}

void CArrayBinOperators::fill()
{
    deleteAll();
    addElement(std::make_unique<CBinOperatorPlus>());
    addElement(std::make_unique<CBinOperatorMinus>());
    addElement(std::make_unique<CBinOperatorMult>());
    addElement(std::make_unique<CBinOperatorDiv>());
    addElement(std::make_unique<CBinOperatorPower>());
}

bool CArrayBinOperators::find(const TTypeBinOperator& key, int& index)
{
    for (int i = 0; i < getCount(); ++i) {
        if (getElement(i)->getType() == key) {
            index = i;
            return true;
        }
    }
    return false;
}

// Operands beyond the first two are ignored; the result keeps its value when the operator
// fails.
bool CArrayBinOperators::perform(const TTypeBinOperator& key)
{
    if (m_Operands.getCount() < 2) {
        m_ErrorText = msgSystemError() + ", " + msgBinOperatorExecutionError() + ", "
                      + msgNotEnoughParameters();
        return false;
    }
    int index = 0;
    if (!find(key, index)) {
        m_ErrorText = msgBinOperatorNotFound();
        return false;
    }
    return getElement(index)->perform(m_Operands.get(0), m_Operands.get(1), m_Result, m_ErrorText);
}

} // namespace xonQMInterpreter
