#pragma once

#include "LimitString.h"
#include "Value.h"

namespace xonQMInterpreter {

// A named built-in number.
class CConstant
{
public:
    CConstant(const CNameString& name, const CValue& value)
        : m_Name(name)
        , m_Value(value)
    {
    }
    virtual ~CConstant() = default;

    const CNameString& getName() const { return m_Name; }
    const CValue& getValue() const { return m_Value; }

private:
    CNameString m_Name;
    CValue m_Value;
};

// "_PI": the double nearest to pi.
class CConstantPI : public CConstant
{
public:
    CConstantPI();
};

// "_E": e to twelve decimals, 2.718281828459 (not the double nearest to e).
class CConstantEXP : public CConstant
{
public:
    CConstantEXP();
};

} // namespace xonQMInterpreter
