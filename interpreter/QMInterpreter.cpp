#include "QMInterpreter.h"

#include "AnalysisLexical.h"
#include "AnalysisSyntactic.h"
#include "ArrayCommands.h"
#include "ArrayConstants.h"
#include "ArrayParameters.h"
#include "ArrayStdFunctions.h"
#include "ArrayTrees.h"
#include "ArrayUnLeftOperators.h"
#include "ArrayUserFunctions.h"
#include "ArrayVariables.h"
#include "BinOperators.h"
#include "ControllerImpl.h"
#include "MessageList.h"
#include "MessageTexts.h"
#include "NodePerformManagerImpl.h"

#include <chrono>

namespace xonQMInterpreter {

uint32_t steadyTickCount()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

CQMInterpreter::CQMInterpreter()
    : m_Clock(steadyTickCount)
{
    init();
}

CQMInterpreter::~CQMInterpreter()
{
    // Every table goes before the analysers and the controller; the perform manager last.
    m_BinOperators.reset();
    m_UnLeftOperators.reset();
    m_Commands.reset();
    m_Constants.reset();
    m_Variables.reset();
    m_Parameters.reset();
    m_StdFunctions.reset();
    m_UserFunctions.reset();
    m_Trees.reset();
    m_Messages.reset();
    m_Lexer.reset();
    m_Parser.reset();
    m_Controller.reset();
    m_NodePerformManager.reset();
}

void CQMInterpreter::init()
{
    m_Lexer = std::make_unique<CAnalysisLexical>();
    m_Parser = std::make_unique<CAnalysisSyntactic>();
    m_Controller = std::make_unique<CControllerImpl>();
    m_NodePerformManager = std::make_unique<CNodePerformManagerImpl>();
    m_BinOperators = std::make_unique<CArrayBinOperators>();
    m_UnLeftOperators = std::make_unique<CArrayUnLeftOperators>();
    m_Commands = std::make_unique<CArrayCommands>();
    m_Constants = std::make_unique<CArrayConstants>();
    m_Variables = std::make_unique<CArrayVariables>();
    m_Parameters = std::make_unique<CArrayParameters>();
    m_StdFunctions = std::make_unique<CArrayStdFunctions>();
    m_UserFunctions = std::make_unique<CArrayUserFunctions>();
    m_Trees = std::make_unique<CArrayTrees>();
    m_Messages = std::make_unique<CArrayMessages>();

    m_Constants->fill();
    m_BinOperators->fill();
    m_UnLeftOperators->fill();
    m_StdFunctions->fill();
    m_UserFunctions->fill();
    m_Commands->fill();
    m_Variables->fill();
    m_Parameters->fill();
    m_Trees->fill();

    m_Controller->setNodePerformManager(m_NodePerformManager.get());
    m_Controller->setArrayBinOperators(m_BinOperators.get());
    m_Controller->setArrayUnLeftOperators(m_UnLeftOperators.get());
    m_Controller->setArrayCommands(m_Commands.get());
    m_Controller->setArrayConstants(m_Constants.get());
    m_Controller->setArrayVariables(m_Variables.get());
    m_Controller->setArrayParameters(m_Parameters.get());
    m_Controller->setArrayStdFunctions(m_StdFunctions.get());
    m_Controller->setArrayUserFunctions(m_UserFunctions.get());
    m_Controller->setArrayTrees(m_Trees.get());
    m_Controller->setArrayMessages(m_Messages.get());

    m_Parser->setLexer(m_Lexer.get());
    m_Parser->setController(m_Controller.get());
    m_NodePerformManager->setController(m_Controller.get());
}

void CQMInterpreter::reset()
{
    m_Variables->deleteAll();
    m_Parameters->deleteAll();
    m_Trees->deleteAll();
    m_UserFunctions->deleteAll();
    m_Messages->clear();
    m_Parser->reset();
    m_Controller->reset();
}

void CQMInterpreter::setTabSize(int width)
{
    m_Lexer->setTabSize(width);
}

void CQMInterpreter::setClock(TTickClock clock)
{
    m_Clock = clock ? std::move(clock) : TTickClock(steadyTickCount);
}

bool CQMInterpreter::perform(const char* text)
{
    reset();
    m_Parser->setText(text != nullptr ? text : "");
    const uint32_t start = m_Clock();
    try {
        bool performed = m_Parser->analyse();
        performed = performTrees() && performed;
        m_CalcTime = m_Clock() - start;
        m_Controller->clearStopRequest();
        return performed;
    } catch (const CStopException& stopped) {
        m_CalcTime = m_Clock() - start;
        m_Controller->clearStopRequest();
        reportStopped(stopped.getLine(), stopped.getColumn());
        return false;
    } catch (...) {
        m_CalcTime = m_Clock() - start;
        m_Controller->clearStopRequest();
        throw;
    }
}

void CQMInterpreter::reportStopped(int line, int column)
{
    // A half-done run proves nothing: neither its values nor its earlier messages are shown.
    m_Variables->deleteAll();
    m_Messages->clear();
    m_Controller->addMessage(msgCalculationStopped(), MESSAGE_KIND_ERROR, line, column);
}

void CQMInterpreter::requestStop()
{
    m_Controller->requestStop();
}

void CQMInterpreter::clearStopRequest()
{
    m_Controller->clearStopRequest();
}

bool CQMInterpreter::performTrees()
{
    bool performed = true;
    // The count is read again before every step.
    for (int i = 0; i < m_Trees->getCount(); ++i) {
        if (m_Controller->isExit())
            return performed;
        if (const CNode* tree = m_Trees->getElement(i))
            m_Controller->checkStopRequest(tree->getLine(), tree->getColumn());
        if (!m_Trees->perform(i))
            performed = false;
    }
    return performed;
}

int CQMInterpreter::getTextSize() const
{
    return m_Parser->getTextSize();
}

int CQMInterpreter::getCountErrors() const
{
    return m_Messages->getCountErrors();
}

int CQMInterpreter::getCountWarnings() const
{
    return m_Messages->getCountWarnings();
}

int CQMInterpreter::getCountMessages() const
{
    return m_Messages->getCountMessages();
}

CBuffString CQMInterpreter::getError(int index) const
{
    return CBuffString(m_Messages->getError(index).c_str());
}

CBuffString CQMInterpreter::getWarning(int index) const
{
    return CBuffString(m_Messages->getWarning(index).c_str());
}

CBuffString CQMInterpreter::getMessage(int index) const
{
    return CBuffString(m_Messages->getMessage(index).c_str());
}

int CQMInterpreter::getCountVariables() const
{
    return m_Variables->getCount();
}

bool CQMInterpreter::getVariable(int index, CNameString& name, double& value) const
{
    CValue result;
    if (!m_Variables->getResult(index, name, result))
        return false;
    value = result.getValue();
    return true;
}

bool CQMInterpreter::getVariable(const CNameString& name, double& value) const
{
    CValue result;
    if (!m_Variables->getValue(name, result))
        return false;
    value = result.getValue();
    return true;
}

} // namespace xonQMInterpreter
