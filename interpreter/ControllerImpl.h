#pragma once

#include "Controller.h"

#include <memory>

namespace xonQMInterpreter {

class CNodePerformManager;
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

// The controller over the interpreter's tables. It borrows every table (the facade owns
// them) and keeps the run state: exit and stop flags, the user function being defined.
class CControllerImpl : public CController
{
public:
    CControllerImpl() = default;

    void setNodePerformManager(CNodePerformManager* manager) { m_NodePerformManager = manager; }
    void setArrayBinOperators(CArrayBinOperators* table) { m_ArrayBinOperators = table; }
    void setArrayUnLeftOperators(CArrayUnLeftOperators* table) { m_ArrayUnLeftOperators = table; }
    // Also hands this controller to every command of the table.
    void setArrayCommands(CArrayCommands* table);
    void setArrayConstants(CArrayConstants* table) { m_ArrayConstants = table; }
    void setArrayVariables(CArrayVariables* table) { m_ArrayVariables = table; }
    void setArrayParameters(CArrayParameters* table) { m_ArrayParameters = table; }
    void setArrayStdFunctions(CArrayStdFunctions* table) { m_ArrayStdFunctions = table; }
    void setArrayUserFunctions(CArrayUserFunctions* table) { m_ArrayUserFunctions = table; }
    void setArrayTrees(CArrayTrees* table) { m_ArrayTrees = table; }
    void setArrayMessages(CArrayMessages* messages) { m_ArrayMessages = messages; }

    void reset() override;
    int getCountTrees() override;
    CNode* getTree(int index) override;
    int getCountUserFunctions() override;
    CUserFunction* getUserFunction(int index) override;

    CNode* createNodeEmpty(CNode* parent, int line, int column) override;
    CNode* createNodeConstant(CNode* parent, int line, int column,
                              const CNameString& name) override;
    CNode* createNodeVariable(CNode* parent, int line, int column,
                              const CNameString& name) override;
    CNode* createNodeVariableDef(CNode* parent, int line, int column,
                                 const CNameString& name) override;
    CNode* createNodeValue(CNode* parent, int line, int column, const CValue& value) override;
    CNode* createNodeParameter(CNode* parent, int line, int column, int index) override;
    CNode* createNodeStdFunction(CNode* parent, int line, int column,
                                 const CNameString& name) override;
    CNode* createNodeUserFunction(CNode* parent, int line, int column,
                                  const CNameString& name) override;
    CNode* createNodeCommand(CNode* parent, int line, int column, const CNameString& name) override;
    CNode* createNodeBinOperator(CNode* parent, int line, int column,
                                 TTypeBinOperator type) override;
    CNode* createNodeUnLeftOperator(CNode* parent, int line, int column,
                                    TTypeUnLeftOperator type) override;

    int getCountErrors() override;
    int getCountWarnings() override;
    int getCountInfos() override;
    bool addMessage(const CMessageString& text, unsigned char kind, int line, int column) override;
    bool addMessage(const CMessageString& text, unsigned char kind, int line) override;
    bool addMessage(const CMessageString& text, unsigned char kind) override;
    int getTreeCount() override { return getCountTrees(); }
    bool setTree(std::unique_ptr<CNode> tree) override;

    bool addVariable(const CNameString& name) override;
    bool addUserFunction(const CNameString& name, const CSignature& signature,
                         CUserFunction*& function) override;
    bool addParameter(const CNameString& name, int& index) override;
    bool clearParameters() override;

    bool findConstant(const CNameString& name) override;
    bool findVariable(const CNameString& name) override;
    bool isVariableInitialized(const CNameString& name, bool& initialized) override;
    bool findStdFunction(const CNameString& name, CSignature& signature) override;
    bool findUserFunction(const CNameString& name, CSignature& signature) override;
    bool findParameter(const CNameString& name, int& index) override;
    bool findCommand(const CNameString& name) override;

    bool performStdFunction(const CNameString& name, const C1DArray<CValue>& arguments,
                            CValue& result, CMessageString& errorText) override;
    bool performUserFunction(const CNameString& name, const C1DArray<CValue>& arguments,
                             CValue& result, CMessageString& errorText) override;
    bool performBinOperator(TTypeBinOperator type, const CValue& left, const CValue& right,
                            CValue& result, CMessageString& errorText) override;
    bool performUnLeftOperator(TTypeUnLeftOperator type, const CValue& operand, CValue& result,
                               CMessageString& errorText) override;
    bool performCommand(const CNameString& name) override;
    bool getConstantValue(const CNameString& name, CValue& value) override;
    bool getVariableValue(const CNameString& name, CValue& value) override;
    bool setVariableValue(const CNameString& name, const CValue& value) override;

private:
    // The steps every factory operation shares once the node exists: hand it the perform
    // manager and append it to its parent.
    template <class TNodeImpl, class... TArgs>
    CNode* createNode(const char* className, CNode* parent, int line, int column, TArgs&&... args);
    // Sets the stop flag at the first system error or when the error list is full.
    void checkStop();

    CNodePerformManager* m_NodePerformManager = nullptr;
    CArrayBinOperators* m_ArrayBinOperators = nullptr;
    CArrayUnLeftOperators* m_ArrayUnLeftOperators = nullptr;
    CArrayCommands* m_ArrayCommands = nullptr;
    CArrayConstants* m_ArrayConstants = nullptr;
    CArrayVariables* m_ArrayVariables = nullptr;
    CArrayParameters* m_ArrayParameters = nullptr;
    CArrayStdFunctions* m_ArrayStdFunctions = nullptr;
    CArrayUserFunctions* m_ArrayUserFunctions = nullptr;
    CArrayTrees* m_ArrayTrees = nullptr;
    CArrayMessages* m_ArrayMessages = nullptr;
    CMessageString m_Text;
    // Operands handed to the operator tables; reused so that operators allocate nothing.
    C1DArray<CValue> m_Operands;
};

} // namespace xonQMInterpreter
