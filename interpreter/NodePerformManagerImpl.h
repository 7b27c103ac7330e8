#pragma once

#include "NodePerformManager.h"
#include "NodePerformers.h"

#include <memory>

namespace xonQMInterpreter {

class CController;

// Hands each node to the one performer of its kind. It also bounds how deeply evaluations
// nest (a chain of user functions each calling the next), so that no text can exhaust the
// stack: past the bound the node fails with a message.
class CNodePerformManagerImpl : public CNodePerformManager
{
public:
    CNodePerformManagerImpl();
    ~CNodePerformManagerImpl() override;

    // Hands the controller to every performer.
    void setController(CController* controller);

    bool getValueConstant(CNodeConstant* node, CValue& value) override;
    bool getValueVariable(CNodeVariable* node, CValue& value) override;
    bool performEmpty(CNodeEmpty* node) override;
    bool performValue(CNodeValue* node) override;
    bool performConstant(CNodeConstant* node) override;
    bool performVariable(CNodeVariable* node) override;
    bool performVariableDef(CNodeVariableDef* node) override;
    bool performStdFunction(CNodeStdFunction* node) override;
    bool performUserFunction(CNodeUserFunction* node) override;
    bool performParameter(CNodeParameter* node) override;
    bool performCommand(CNodeCommand* node) override;
    bool performBinOperator(CNodeBinOperator* node) override;
    bool performUnLeftOperator(CNodeUnLeftOperator* node) override;

private:
    // Runs one nesting level of evaluation, or reports that the bound is reached.
    template <class TPerformer, class TNode>
    bool performNested(TPerformer& performer, TNode* node);

    CController* m_Controller = nullptr;
    std::unique_ptr<CNodeEmptyPerform> m_EmptyPerform;
    std::unique_ptr<CNodeValuePerform> m_ValuePerform;
    std::unique_ptr<CNodeConstantPerform> m_ConstantPerform;
    std::unique_ptr<CNodeVariablePerform> m_VariablePerform;
    std::unique_ptr<CNodeVariableDefPerform> m_VariableDefPerform;
    std::unique_ptr<CNodeStdFunctionPerform> m_StdFunctionPerform;
    std::unique_ptr<CNodeUserFunctionPerform> m_UserFunctionPerform;
    std::unique_ptr<CNodeParameterPerform> m_ParameterPerform;
    std::unique_ptr<CNodeCommandPerform> m_CommandPerform;
    std::unique_ptr<CNodeBinOperatorPerform> m_BinOperatorPerform;
    std::unique_ptr<CNodeUnLeftOperatorPerform> m_UnLeftOperatorPerform;
    int m_Depth = 0;
};

} // namespace xonQMInterpreter
