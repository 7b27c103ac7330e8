#include "Variable.h"

namespace xonQMInterpreter {

CVariable::CVariable(const CNameString& name, const CValue& value)
    : m_Name(name)
    , m_Value(value)
{
    m_Name.trim();
}

} // namespace xonQMInterpreter
