#pragma once

#include "LimitString.h"
#include "Value.h"

namespace xonQMInterpreter {

// Kinds of the prefix (left-hand) operators.
enum TTypeUnLeftOperator : unsigned char {
    UNLEFT_OPERATOR_NONE = 0,
    UNLEFT_OPERATOR_PLUS = 1,
    UNLEFT_OPERATOR_MINUS = 2,
};

// "+ (plus)", "- (minus)", "none"; the empty text for an unknown kind.
CNameString unLeftOperatorTypeName(TTypeUnLeftOperator type);

class CUnLeftOperator
{
public:
    explicit CUnLeftOperator(TTypeUnLeftOperator type)
        : m_Type(type)
    {
    }
    virtual ~CUnLeftOperator() = default;

    virtual bool perform(const CValue& operand, CValue& result, CMessageString& errorText) = 0;
    TTypeUnLeftOperator getType() const { return m_Type; }

private:
    const TTypeUnLeftOperator m_Type;
};

class CUnLeftOperatorPlus : public CUnLeftOperator
{
public:
    CUnLeftOperatorPlus()
        : CUnLeftOperator(UNLEFT_OPERATOR_PLUS)
    {
    }
    bool perform(const CValue& operand, CValue& result, CMessageString& errorText) override;
};

class CUnLeftOperatorMinus : public CUnLeftOperator
{
public:
    CUnLeftOperatorMinus()
        : CUnLeftOperator(UNLEFT_OPERATOR_MINUS)
    {
    }
    bool perform(const CValue& operand, CValue& result, CMessageString& errorText) override;
};

} // namespace xonQMInterpreter
