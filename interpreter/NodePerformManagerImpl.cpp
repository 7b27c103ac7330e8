#include "NodePerformManagerImpl.h"

#include "Controller.h"
#include "Limits.h"
#include "MessageTexts.h"

namespace xonQMInterpreter {

CNodePerformManagerImpl::CNodePerformManagerImpl()
    : m_EmptyPerform(std::make_unique<CNodeEmptyPerform>())
    , m_ValuePerform(std::make_unique<CNodeValuePerform>())
    , m_ConstantPerform(std::make_unique<CNodeConstantPerform>())
    , m_VariablePerform(std::make_unique<CNodeVariablePerform>())
    , m_VariableDefPerform(std::make_unique<CNodeVariableDefPerform>())
    , m_StdFunctionPerform(std::make_unique<CNodeStdFunctionPerform>())
    , m_UserFunctionPerform(std::make_unique<CNodeUserFunctionPerform>())
    , m_ParameterPerform(std::make_unique<CNodeParameterPerform>())
    , m_CommandPerform(std::make_unique<CNodeCommandPerform>())
    , m_BinOperatorPerform(std::make_unique<CNodeBinOperatorPerform>())
    , m_UnLeftOperatorPerform(std::make_unique<CNodeUnLeftOperatorPerform>())
{
}

CNodePerformManagerImpl::~CNodePerformManagerImpl() = default;

void CNodePerformManagerImpl::setController(CController* controller)
{
    m_Controller = controller;
    m_EmptyPerform->setController(controller);
    m_ValuePerform->setController(controller);
    m_ConstantPerform->setController(controller);
    m_VariablePerform->setController(controller);
    m_VariableDefPerform->setController(controller);
    m_StdFunctionPerform->setController(controller);
    m_UserFunctionPerform->setController(controller);
    m_ParameterPerform->setController(controller);
    m_CommandPerform->setController(controller);
    m_BinOperatorPerform->setController(controller);
    m_UnLeftOperatorPerform->setController(controller);
}

template <class TPerformer, class TNode>
bool CNodePerformManagerImpl::performNested(TPerformer& performer, TNode* node)
{
    if (node != nullptr && m_Depth >= MAX_EVALUATION_DEPTH) {
        if (m_Controller != nullptr)
            m_Controller->addMessage(msgCalculationNestedTooDeeply(), MESSAGE_KIND_ERROR,
                                     node->getLine(), node->getColumn());
        return false;
    }
    ++m_Depth;
    struct TLeave
    {
        int& depth;
        ~TLeave() { --depth; }
    } leave{m_Depth};
    return performer.perform(node);
}

bool CNodePerformManagerImpl::getValueConstant(CNodeConstant* node, CValue& value)
{
    return m_ConstantPerform->getValue(node, value);
}

bool CNodePerformManagerImpl::getValueVariable(CNodeVariable* node, CValue& value)
{
    return m_VariablePerform->getValue(node, value);
}

bool CNodePerformManagerImpl::performEmpty(CNodeEmpty* node)
{
    return m_EmptyPerform->perform(node);
}

bool CNodePerformManagerImpl::performValue(CNodeValue* node)
{
    return m_ValuePerform->perform(node);
}

bool CNodePerformManagerImpl::performConstant(CNodeConstant* node)
{
    return m_ConstantPerform->perform(node);
}

bool CNodePerformManagerImpl::performVariable(CNodeVariable* node)
{
    return m_VariablePerform->perform(node);
}

bool CNodePerformManagerImpl::performVariableDef(CNodeVariableDef* node)
{
    return performNested(*m_VariableDefPerform, node);
}

bool CNodePerformManagerImpl::performStdFunction(CNodeStdFunction* node)
{
    return performNested(*m_StdFunctionPerform, node);
}

bool CNodePerformManagerImpl::performUserFunction(CNodeUserFunction* node)
{
    return performNested(*m_UserFunctionPerform, node);
}

bool CNodePerformManagerImpl::performParameter(CNodeParameter* node)
{
    return m_ParameterPerform->perform(node);
}

bool CNodePerformManagerImpl::performCommand(CNodeCommand* node)
{
    return m_CommandPerform->perform(node);
}

bool CNodePerformManagerImpl::performBinOperator(CNodeBinOperator* node)
{
    return performNested(*m_BinOperatorPerform, node);
}

bool CNodePerformManagerImpl::performUnLeftOperator(CNodeUnLeftOperator* node)
{
    return performNested(*m_UnLeftOperatorPerform, node);
}

} // namespace xonQMInterpreter
