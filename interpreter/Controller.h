#pragma once

#include "BinOperators.h"
#include "Containers.h"
#include "Exceptions.h"
#include "Function.h"
#include "LimitString.h"
#include "MessageKinds.h"
#include "UnLeftOperators.h"
#include "Value.h"

#include <atomic>
#include <memory>

namespace xonQMInterpreter {

class CNode;
class CUserFunction;

// True when the name holds a character other than white space.
template <int N>
bool isNotEmptyName(const CLimitString<N>& name)
{
    return name.hasNonSpace();
}

// The one service through which the parser builds statement trees and the performers reach
// the name tables, the message list and the run state.
class CController
{
public:
    CController() = default;
    CController(const CController&) = delete;
    CController& operator=(const CController&) = delete;
    virtual ~CController() = default;

    virtual void reset() = 0;
    virtual int getCountTrees() = 0;
    virtual CNode* getTree(int index) = 0;
    virtual int getCountUserFunctions() = 0;
    virtual CUserFunction* getUserFunction(int index) = 0;

    // Node factory: the node is created under parent (none for the root of a new tree) and
    // keeps line and column for the messages that cite it. Null when it cannot be made.
    virtual CNode* createNodeEmpty(CNode* parent, int line, int column) = 0;
    virtual CNode* createNodeConstant(CNode* parent, int line, int column,
                                      const CNameString& name) = 0;
    virtual CNode* createNodeVariable(CNode* parent, int line, int column,
                                      const CNameString& name) = 0;
    virtual CNode* createNodeVariableDef(CNode* parent, int line, int column,
                                         const CNameString& name) = 0;
    virtual CNode* createNodeValue(CNode* parent, int line, int column, const CValue& value) = 0;
    virtual CNode* createNodeParameter(CNode* parent, int line, int column, int index) = 0;
    virtual CNode* createNodeStdFunction(CNode* parent, int line, int column,
                                         const CNameString& name) = 0;
    virtual CNode* createNodeUserFunction(CNode* parent, int line, int column,
                                          const CNameString& name) = 0;
    virtual CNode* createNodeCommand(CNode* parent, int line, int column,
                                     const CNameString& name) = 0;
    virtual CNode* createNodeBinOperator(CNode* parent, int line, int column,
                                         TTypeBinOperator type) = 0;
    virtual CNode* createNodeUnLeftOperator(CNode* parent, int line, int column,
                                            TTypeUnLeftOperator type) = 0;

    virtual int getCountErrors() = 0;
    virtual int getCountWarnings() = 0;
    virtual int getCountInfos() = 0;
    virtual bool addMessage(const CMessageString& text, unsigned char kind, int line,
                            int column) = 0;
    virtual bool addMessage(const CMessageString& text, unsigned char kind, int line) = 0;
    virtual bool addMessage(const CMessageString& text, unsigned char kind) = 0;
    virtual int getTreeCount() = 0;
    // Takes the root of the next statement's tree: evaluates and deletes the tree held before
    // and keeps this one. A tree that is refused (false) is deleted.
    virtual bool setTree(std::unique_ptr<CNode> tree) = 0;

    virtual bool addVariable(const CNameString& name) = 0;
    virtual bool addUserFunction(const CNameString& name, const CSignature& signature,
                                 CUserFunction*& function) = 0;
    virtual bool addParameter(const CNameString& name, int& index) = 0;
    virtual bool clearParameters() = 0;

    virtual bool findConstant(const CNameString& name) = 0;
    virtual bool findVariable(const CNameString& name) = 0;
    virtual bool isVariableInitialized(const CNameString& name, bool& initialized) = 0;
    virtual bool findStdFunction(const CNameString& name, CSignature& signature) = 0;
    virtual bool findUserFunction(const CNameString& name, CSignature& signature) = 0;
    virtual bool findParameter(const CNameString& name, int& index) = 0;
    virtual bool findCommand(const CNameString& name) = 0;

    virtual bool performStdFunction(const CNameString& name, const C1DArray<CValue>& arguments,
                                    CValue& result, CMessageString& errorText) = 0;
    virtual bool performUserFunction(const CNameString& name, const C1DArray<CValue>& arguments,
                                     CValue& result, CMessageString& errorText) = 0;
    virtual bool performBinOperator(TTypeBinOperator type, const CValue& left, const CValue& right,
                                    CValue& result, CMessageString& errorText) = 0;
    virtual bool performUnLeftOperator(TTypeUnLeftOperator type, const CValue& operand,
                                       CValue& result, CMessageString& errorText) = 0;
    virtual bool performCommand(const CNameString& name) = 0;
    virtual bool getConstantValue(const CNameString& name, CValue& value) = 0;
    virtual bool getVariableValue(const CNameString& name, CValue& value) = 0;
    virtual bool setVariableValue(const CNameString& name, const CValue& value) = 0;

    // Set by the command "exit": ends the analysis and the evaluation of further trees.
    bool isExit() const { return m_Exit; }
    void setExit(bool exit) { m_Exit = exit; }
    // Set at the first system error or when the error list is full: ends the analysis.
    bool isStop() const { return m_Stop; }
    void setStop(bool stop) { m_Stop = stop; }
    // Asked from any thread; taken by the run in progress, or by the next one when none is.
    void requestStop() { m_StopRequested.store(true, std::memory_order_relaxed); }
    void clearStopRequest() { m_StopRequested.store(false, std::memory_order_relaxed); }
    bool isStopRequested() const { return m_StopRequested.load(std::memory_order_relaxed); }
    // Ends the run with CStopException, placed at line and column, once a stop is asked for.
    // Cheap enough for every call of a user function.
    void checkStopRequest(int line, int column) const
    {
        if (isStopRequested())
            throw CStopException(line, column);
    }
    // The user function whose definition the parser is analysing.
    CUserFunction* getCurrentUserFunction() const { return m_CurrentUserFunction; }
    void setCurrentUserFunction(CUserFunction* function) { m_CurrentUserFunction = function; }

protected:
    bool m_Exit = false;
    bool m_Stop = false;
    CUserFunction* m_CurrentUserFunction = nullptr;
    std::atomic<bool> m_StopRequested{false};
};

} // namespace xonQMInterpreter
