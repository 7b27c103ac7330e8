#pragma once

#include "ArrayNamedElements.h"
#include "Commands.h"

namespace xonQMInterpreter {

class CController;

// The commands of the language: only "exit".
class CArrayCommands : public CArrayNamedElements<CCommandController>
{
public:
    void setParameters(const C1DArray<CValue>& arguments) override { (void)arguments; }
    void getErrorText(CMessageString& text) override { text = m_ErrorText; }
    void getResult(CValue& value) override { (void)value; }
    CBuffString getText() override { return CBuffString(); }
    void fill() override;
    bool perform(const CNameString& name) override;

    // Hands the controller to every command in the table.
    void setController(CController* controller);

private:
    CMessageString m_ErrorText;
    CController* m_Controller = nullptr;
};

} // namespace xonQMInterpreter
