#pragma once

#include "LimitString.h"
#include "Value.h"

namespace xonQMInterpreter {

// A named variable of the calculation text. It is initialised once a computed value has been
// stored into it; until then reading it is an error of the text.
class CVariable
{
public:
    // The name is cut to 64 characters, then stripped of blanks at both ends.
    CVariable(const CNameString& name, const CValue& value);
    virtual ~CVariable() = default;

    const CNameString& getName() const { return m_Name; }
    const CValue& getValue() const { return m_Value; }
    // Leaves the initialised flag as it is.
    void setValue(const CValue& value) { m_Value = value; }
    bool isInitialized() const { return m_Initialized; }
    void setInitialized(bool initialized) { m_Initialized = initialized; }

private:
    CNameString m_Name;
    CValue m_Value;
    bool m_Initialized = false;
};

} // namespace xonQMInterpreter
