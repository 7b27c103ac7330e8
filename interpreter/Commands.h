#pragma once

#include "LimitString.h"

namespace xonQMInterpreter {

class CController;

// A statement made of one reserved name.
class CCommand
{
public:
    explicit CCommand(const CNameString& name)
        : m_Name(name)
    {
    }
    CCommand(const CCommand&) = delete;
    CCommand& operator=(const CCommand&) = delete;
    virtual ~CCommand() = default;

    virtual bool perform() = 0;
    void getName(CNameString& name) const { name = m_Name; }
    const CNameString& getName() const { return m_Name; }

private:
    CNameString m_Name;
};

// A command that acts on the run through the controller.
class CCommandController : public CCommand
{
public:
    CCommandController(const CNameString& name, CController* controller)
        : CCommand(name)
        , m_Controller(controller)
    {
    }
    void setController(CController* controller) { m_Controller = controller; }

protected:
    CController* m_Controller;
};

// "exit": the statements before it are evaluated, nothing after it.
class CCommandExit : public CCommandController
{
public:
    explicit CCommandExit(CController* controller)
        : CCommandController("exit", controller)
    {
    }
    bool perform() override;
};

} // namespace xonQMInterpreter
