#pragma once

#include "LimitString.h"

namespace xonQMInterpreter {

// The interpreter's number: every literal, operand, argument, constant, variable and result.
class CValue
{
public:
    CValue() = default;
    CValue(double value)
        : m_Value(value)
    {
    }

    double getValue() const { return m_Value; }
    void setValue(double value) { m_Value = value; }

    // General format with 15 significant digits; "+INF", "-INF", "+NAN", "-NAN" for the
    // special values. Independent of the process locale.
    CNameString toString() const;

private:
    double m_Value = 0.0;
};

} // namespace xonQMInterpreter
