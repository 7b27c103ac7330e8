#include "ArrayCommands.h"

#include "MessageTexts.h"

namespace xonQMInterpreter {

void CArrayCommands::fill()
{
    deleteAll();
    addNamed(std::make_unique<CCommandExit>(m_Controller));
}

bool CArrayCommands::perform(const CNameString& name)
{
    CCommandController* command = findElement(name);
    if (command == nullptr) {
        m_ErrorText = msgCommandNotFound();
        return false;
    }
    return command->perform();
}

void CArrayCommands::setController(CController* controller)
{
    for (int i = 0; i < getCount(); ++i)
        getElement(i)->setController(controller);
}

} // namespace xonQMInterpreter
