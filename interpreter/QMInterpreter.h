#pragma once

#include "BuffString.h"
#include "LimitString.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace xonQMInterpreter {

class CAnalysisLexical;
class CAnalysisSyntactic;
class CControllerImpl;
class CNodePerformManagerImpl;
class CArrayBinOperators;
class CArrayUnLeftOperators;
class CArrayCommands;
class CArrayConstants;
class CArrayVariables;
class CArrayParameters;
class CArrayStdFunctions;
class CArrayUserFunctions;
class CArrayTrees;
class CArrayMessages;

// A source of milliseconds; it may wrap around.
using TTickClock = std::function<uint32_t()>;
// Milliseconds of a steady clock.
uint32_t steadyTickCount();

// The one entry into the calculation interpreter. perform runs a calculation text (single
// byte, cp1251) through analysis and evaluation; afterwards the three message lists, the
// variables and the elapsed time of that run can be read until the next perform.
class CQMInterpreter
{
public:
    CQMInterpreter();
    CQMInterpreter(const CQMInterpreter&) = delete;
    CQMInterpreter& operator=(const CQMInterpreter&) = delete;
    ~CQMInterpreter();

    // A negative width is ignored; the width is 4 until set.
    void setTabSize(int width);
    // Replaces the clock that times the runs (tests fix the times with it).
    void setClock(TTickClock clock);

    // One complete run; true when analysis and evaluation both succeeded. A null text is
    // taken as empty.
    bool perform(const char* text);

    // Milliseconds taken by the last perform, also when it ended with an exception.
    uint32_t getCalcTime() const { return m_CalcTime; }
    // Length of the last text plus the blank the lexer appends; 0 for an empty text.
    int getTextSize() const;

    bool hasErrors() const { return getCountErrors() > 0; }
    bool hasWarnings() const { return getCountWarnings() > 0; }
    bool hasMessages() const { return getCountMessages() > 0; }
    int getCountErrors() const;
    int getCountWarnings() const;
    int getCountMessages() const;
    // The formatted line at index (errors include system errors); empty when out of range.
    CBuffString getError(int index) const;
    CBuffString getWarning(int index) const;
    CBuffString getMessage(int index) const;

    // Variables in the order they were first named.
    int getCountVariables() const;
    // False, outputs untouched, for an index out of range.
    bool getVariable(int index, CNameString& name, double& value) const;
    // False when no variable has exactly that name.
    bool getVariable(const CNameString& name, double& value) const;

private:
    void init();
    void reset();
    bool performTrees();

    std::unique_ptr<CAnalysisLexical> m_Lexer;
    std::unique_ptr<CAnalysisSyntactic> m_Parser;
    std::unique_ptr<CControllerImpl> m_Controller;
    std::unique_ptr<CNodePerformManagerImpl> m_NodePerformManager;
    std::unique_ptr<CArrayBinOperators> m_BinOperators;
    std::unique_ptr<CArrayUnLeftOperators> m_UnLeftOperators;
    std::unique_ptr<CArrayCommands> m_Commands;
    std::unique_ptr<CArrayConstants> m_Constants;
    std::unique_ptr<CArrayVariables> m_Variables;
    std::unique_ptr<CArrayParameters> m_Parameters;
    std::unique_ptr<CArrayStdFunctions> m_StdFunctions;
    std::unique_ptr<CArrayUserFunctions> m_UserFunctions;
    std::unique_ptr<CArrayTrees> m_Trees;
    std::unique_ptr<CArrayMessages> m_Messages;
    uint32_t m_CalcTime = 0;
    TTickClock m_Clock;
};

} // namespace xonQMInterpreter
