#include "ArrayParameters.h"

#include "MessageTexts.h"

namespace xonQMInterpreter {

bool CArrayParameters::perform(const CNameString& name)
{
    if (indexOf(name) >= 0)
        return true;
    m_ErrorText = msgParameterNotFound() + " : " + name;
    return false;
}

bool CArrayParameters::add(const CNameString& name, int& index)
{
    const int position = getCount();
    if (!addNamed(std::make_unique<CNameString>(name)))
        return false;
    index = position;
    return true;
}

} // namespace xonQMInterpreter
