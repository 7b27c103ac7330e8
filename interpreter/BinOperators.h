#pragma once

#include "ArrayElements.h"
#include "LimitString.h"
#include "Value.h"

namespace xonQMInterpreter {

// Kinds of the two-operand operators; the codes are those of the tree nodes.
enum TTypeBinOperator : unsigned char {
    BIN_OPERATOR_NONE = 0,
    BIN_OPERATOR_PLUS = 1,
    BIN_OPERATOR_MINUS = 2,
    BIN_OPERATOR_MULT = 3,
    BIN_OPERATOR_DIV = 4,
    BIN_OPERATOR_POWER = 5,
};

// "+ (plus)" and so on; the empty text for an unknown kind.
CNameString binOperatorTypeName(TTypeBinOperator type);

class CBinOperator
{
public:
    explicit CBinOperator(TTypeBinOperator type)
        : m_Type(type)
    {
    }
    virtual ~CBinOperator() = default;

    // Writes the result on success; on failure leaves it and writes the reason.
    virtual bool perform(const CValue& left, const CValue& right, CValue& result,
                         CMessageString& errorText) = 0;
    TTypeBinOperator getType() const { return m_Type; }

private:
    const TTypeBinOperator m_Type;
};

class CBinOperatorPlus : public CBinOperator
{
public:
    CBinOperatorPlus()
        : CBinOperator(BIN_OPERATOR_PLUS)
    {
    }
    bool perform(const CValue& left, const CValue& right, CValue& result,
                 CMessageString& errorText) override;
};

class CBinOperatorMinus : public CBinOperator
{
public:
    CBinOperatorMinus()
        : CBinOperator(BIN_OPERATOR_MINUS)
    {
    }
    bool perform(const CValue& left, const CValue& right, CValue& result,
                 CMessageString& errorText) override;
};

class CBinOperatorMult : public CBinOperator
{
public:
    CBinOperatorMult()
        : CBinOperator(BIN_OPERATOR_MULT)
    {
    }
    bool perform(const CValue& left, const CValue& right, CValue& result,
                 CMessageString& errorText) override;
};

class CBinOperatorDiv : public CBinOperator
{
public:
    CBinOperatorDiv()
        : CBinOperator(BIN_OPERATOR_DIV)
    {
    }
    bool perform(const CValue& left, const CValue& right, CValue& result,
                 CMessageString& errorText) override;
};

class CBinOperatorPower : public CBinOperator
{
public:
    CBinOperatorPower()
        : CBinOperator(BIN_OPERATOR_POWER)
    {
    }
    bool perform(const CValue& left, const CValue& right, CValue& result,
                 CMessageString& errorText) override;
};

// The table of the five operators, keyed by kind.
class CArrayBinOperators : public CArrayElements<CBinOperator, TTypeBinOperator>
{
public:
    void setParameters(const C1DArray<CValue>& arguments) override;
    void getErrorText(CMessageString& text) override;
    void getResult(CValue& value) override;
    CBuffString getText() override;
    void fill() override;
    bool find(const TTypeBinOperator& key, int& index) override;
    bool perform(const TTypeBinOperator& key) override;

private:
    C1DArray<CValue> m_Operands;
    CValue m_Result;
    CMessageString m_ErrorText;
};

} // namespace xonQMInterpreter
