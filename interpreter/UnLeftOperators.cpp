#include "UnLeftOperators.h"

namespace xonQMInterpreter {

CNameString unLeftOperatorTypeName(TTypeUnLeftOperator type)
{
    switch (type) {
    case UNLEFT_OPERATOR_NONE:
        return "none";
    case UNLEFT_OPERATOR_PLUS:
        return "+ (plus)";
    case UNLEFT_OPERATOR_MINUS:
        return "- (minus)";
    }
    return CNameString();
}

bool CUnLeftOperatorPlus::perform(const CValue& operand, CValue& result, CMessageString& errorText)
{
    errorText.clear();
    result = operand;
    return true;
}

// No check: -0 gives -0 and the negation of -infinity is +infinity.
bool CUnLeftOperatorMinus::perform(const CValue& operand, CValue& result, CMessageString& errorText)
{
    errorText.clear();
    result = CValue(-operand.getValue());
    return true;
}

} // namespace xonQMInterpreter
