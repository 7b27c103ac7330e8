#include "Commands.h"

#include "Controller.h"

namespace xonQMInterpreter {

bool CCommandExit::perform()
{
    if (m_Controller == nullptr)
        return false;
    m_Controller->setExit(true);
    return true;
}

} // namespace xonQMInterpreter
