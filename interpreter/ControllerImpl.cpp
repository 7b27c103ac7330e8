#include "ControllerImpl.h"

#include "ArrayCommands.h"
#include "ArrayConstants.h"
#include "ArrayParameters.h"
#include "ArrayStdFunctions.h"
#include "ArrayTrees.h"
#include "ArrayUnLeftOperators.h"
#include "ArrayUserFunctions.h"
#include "ArrayVariables.h"
#include "BinOperators.h"
#include "MessageList.h"
#include "MessageTexts.h"
#include "NodeKinds.h"

#include <utility>

namespace xonQMInterpreter {

void CControllerImpl::setArrayCommands(CArrayCommands* table)
{
    m_ArrayCommands = table;
    if (table != nullptr)
        table->setController(this);
}

void CControllerImpl::reset()
{
    m_Stop = false;
    m_Exit = false;
    // The function belongs to the run that ends here; no pointer may outlive it.
    m_CurrentUserFunction = nullptr;
    clearParameters();
}

int CControllerImpl::getCountTrees()
{
    return m_ArrayTrees ? m_ArrayTrees->getCount() : 0;
}

CNode* CControllerImpl::getTree(int index)
{
    return m_ArrayTrees ? m_ArrayTrees->getElement(index) : nullptr;
}

int CControllerImpl::getCountUserFunctions()
{
    return m_ArrayUserFunctions ? m_ArrayUserFunctions->getCount() : 0;
}

CUserFunction* CControllerImpl::getUserFunction(int index)
{
    return m_ArrayUserFunctions ? m_ArrayUserFunctions->getElement(index) : nullptr;
}

template <class TNodeImpl, class... TArgs>
CNode* CControllerImpl::createNode(const char* className, CNode* parent, int line, int column,
                                   TArgs&&... args)
{
    if (m_ArrayTrees == nullptr)
        return nullptr;
    std::unique_ptr<TNodeImpl> node;
    try {
        node = std::make_unique<TNodeImpl>(std::forward<TArgs>(args)..., parent, line, column);
    } catch (...) {
        m_Text = msgProgramError() + " : " + msgNodeCreationError() + " '" + className + "'";
        addMessage(m_Text, MESSAGE_KIND_SYSTEM_ERROR, line, column);
        return nullptr;
    }
    node->setPerformManager(m_NodePerformManager);
    if (parent != nullptr && !parent->addChild(node.get())) {
        m_Text = msgProgramError() + " : " + msgNodeAddingError() + " " + node->getNameType();
        addMessage(m_Text, MESSAGE_KIND_SYSTEM_ERROR, line, column);
        return nullptr;
    }
    return node.release();
}

CNode* CControllerImpl::createNodeEmpty(CNode* parent, int line, int column)
{
    return createNode<CNodeEmptyImpl>("CNodeEmptyImpl", parent, line, column);
}

CNode* CControllerImpl::createNodeConstant(CNode* parent, int line, int column,
                                           const CNameString& name)
{
    return createNode<CNodeConstantImpl>("CNodeConstantImpl", parent, line, column, name);
}

CNode* CControllerImpl::createNodeVariable(CNode* parent, int line, int column,
                                           const CNameString& name)
{
    // A name no variable has yet enters the table uninitialised.
    addVariable(name);
    return createNode<CNodeVariableImpl>("CNodeVariableImpl", parent, line, column, name);
}

CNode* CControllerImpl::createNodeVariableDef(CNode* parent, int line, int column,
                                              const CNameString& name)
{
    return createNode<CNodeVariableDefImpl>("CNodeVariableDefImpl", parent, line, column, name);
}

CNode* CControllerImpl::createNodeValue(CNode* parent, int line, int column, const CValue& value)
{
    return createNode<CNodeValueImpl>("CNodeValueImpl", parent, line, column, value);
}

CNode* CControllerImpl::createNodeParameter(CNode* parent, int line, int column, int index)
{
    if (m_CurrentUserFunction == nullptr) {
        m_Text = msgProgramError() + " : " + msgParameterValueError() + " (userFunction = NULL)";
        addMessage(m_Text, MESSAGE_KIND_SYSTEM_ERROR, line, column);
        return nullptr;
    }
    if (index < 0 || index >= m_CurrentUserFunction->getCountParameters()) {
        m_Text = msgProgramError() + ": " + msgParameterValueError()
                 + " (index < 0 || index >= userFunction->getCountParameters())";
        addMessage(m_Text, MESSAGE_KIND_SYSTEM_ERROR, line, column);
        return nullptr;
    }
    return createNode<CNodeParameterImpl>("CNodeParameterImpl", parent, line, column,
                                          m_CurrentUserFunction, index);
}

CNode* CControllerImpl::createNodeStdFunction(CNode* parent, int line, int column,
                                              const CNameString& name)
{
    return createNode<CNodeStdFunctionImpl>("CNodeStdFunctionImpl", parent, line, column, name);
}

CNode* CControllerImpl::createNodeUserFunction(CNode* parent, int line, int column,
                                               const CNameString& name)
{
    return createNode<CNodeUserFunctionImpl>("CNodeUserFunctionImpl", parent, line, column, name);
}

CNode* CControllerImpl::createNodeCommand(CNode* parent, int line, int column,
                                          const CNameString& name)
{
    return createNode<CNodeCommandImpl>("CNodeCommandImpl", parent, line, column, name);
}

CNode* CControllerImpl::createNodeBinOperator(CNode* parent, int line, int column,
                                              TTypeBinOperator type)
{
    return createNode<CNodeBinOperatorImpl>("CNodeBinOperatorImpl", parent, line, column, type);
}

CNode* CControllerImpl::createNodeUnLeftOperator(CNode* parent, int line, int column,
                                                 TTypeUnLeftOperator type)
{
    return createNode<CNodeUnLeftOperatorImpl>("CNodeUnLeftOperatorImpl", parent, line, column,
                                               type);
}

int CControllerImpl::getCountErrors()
{
    return m_ArrayMessages ? m_ArrayMessages->getCountErrors() : 0;
}

int CControllerImpl::getCountWarnings()
{
    return m_ArrayMessages ? m_ArrayMessages->getCountWarnings() : 0;
}

int CControllerImpl::getCountInfos()
{
    return m_ArrayMessages ? m_ArrayMessages->getCountMessages() : 0;
}

void CControllerImpl::checkStop()
{
    if (m_ArrayMessages->getCountSystemErrors() > 0
        || m_ArrayMessages->getCountErrors() >= m_ArrayMessages->getMaxCountErrors())
        m_Stop = true;
}

bool CControllerImpl::addMessage(const CMessageString& text, unsigned char kind, int line,
                                 int column)
{
    if (m_ArrayMessages == nullptr)
        return false;
    m_ArrayMessages->addMessage(text, kind, line, column);
    checkStop();
    return true;
}

bool CControllerImpl::addMessage(const CMessageString& text, unsigned char kind, int line)
{
    if (m_ArrayMessages == nullptr)
        return false;
    m_ArrayMessages->addMessage(text, kind, line);
    checkStop();
    return true;
}

bool CControllerImpl::addMessage(const CMessageString& text, unsigned char kind)
{
    if (m_ArrayMessages == nullptr)
        return false;
    m_ArrayMessages->addMessage(text, kind);
    checkStop();
    return true;
}

bool CControllerImpl::setTree(std::unique_ptr<CNode> tree)
{
    if (!tree || m_ArrayTrees == nullptr)
        return false;
    if (m_ArrayTrees->getCount() == 0)
        return m_ArrayTrees->add(std::move(tree));
    // Statements run one after another while the text is parsed: the held tree is
    // evaluated when the next one arrives, then discarded.
    CNode* held = m_ArrayTrees->getElement(0);
    checkStopRequest(held->getLine(), held->getColumn());
    held->perform();
    m_ArrayTrees->replace(0, std::move(tree));
    return true;
}

bool CControllerImpl::addVariable(const CNameString& name)
{
    if (m_ArrayVariables == nullptr || !isNotEmptyName(name) || findVariable(name))
        return false;
    return m_ArrayVariables->add(std::make_unique<CVariable>(name, CValue()));
}

bool CControllerImpl::addUserFunction(const CNameString& name, const CSignature& signature,
                                      CUserFunction*& function)
{
    if (m_ArrayUserFunctions == nullptr || !isNotEmptyName(name))
        return false;
    auto created = std::make_unique<CUserFunctionImpl>(name, signature);
    CUserFunction* raw = created.get();
    // A function the table could not keep is gone: hand back no pointer to it.
    function = m_ArrayUserFunctions->add(std::move(created)) ? raw : nullptr;
    return function != nullptr;
}

bool CControllerImpl::addParameter(const CNameString& name, int& index)
{
    if (m_ArrayParameters == nullptr || !isNotEmptyName(name))
        return false;
    return m_ArrayParameters->add(name, index);
}

bool CControllerImpl::clearParameters()
{
    if (m_ArrayParameters == nullptr)
        return false;
    m_ArrayParameters->deleteAll();
    return true;
}

bool CControllerImpl::findConstant(const CNameString& name)
{
    int index = 0;
    return m_ArrayConstants != nullptr && isNotEmptyName(name)
           && m_ArrayConstants->find(name, index);
}

bool CControllerImpl::findVariable(const CNameString& name)
{
    int index = 0;
    return m_ArrayVariables != nullptr && isNotEmptyName(name)
           && m_ArrayVariables->find(name, index);
}

bool CControllerImpl::isVariableInitialized(const CNameString& name, bool& initialized)
{
    return m_ArrayVariables != nullptr && isNotEmptyName(name)
           && m_ArrayVariables->isInitialised(name, initialized);
}

bool CControllerImpl::findStdFunction(const CNameString& name, CSignature& signature)
{
    int index = 0;
    return m_ArrayStdFunctions != nullptr && isNotEmptyName(name)
           && m_ArrayStdFunctions->find(name, index, signature);
}

bool CControllerImpl::findUserFunction(const CNameString& name, CSignature& signature)
{
    int index = 0;
    return m_ArrayUserFunctions != nullptr && isNotEmptyName(name)
           && m_ArrayUserFunctions->find(name, index, signature);
}

bool CControllerImpl::findParameter(const CNameString& name, int& index)
{
    return m_ArrayParameters != nullptr && isNotEmptyName(name)
           && m_ArrayParameters->find(name, index);
}

bool CControllerImpl::findCommand(const CNameString& name)
{
    int index = 0;
    return m_ArrayCommands != nullptr && m_ArrayCommands->find(name, index);
}

bool CControllerImpl::performStdFunction(const CNameString& name, const C1DArray<CValue>& arguments,
                                         CValue& result, CMessageString& errorText)
{
    if (m_ArrayStdFunctions == nullptr || !isNotEmptyName(name))
        return false;
    return m_ArrayStdFunctions->perform(name, arguments, result, errorText);
}

bool CControllerImpl::performUserFunction(const CNameString& name,
                                          const C1DArray<CValue>& arguments, CValue& result,
                                          CMessageString& errorText)
{
    if (m_ArrayUserFunctions == nullptr || !isNotEmptyName(name))
        return false;
    // The body may call other user functions through the same performer: its text is
    // written only once this call has finished.
    CMessageString callText;
    const bool performed = m_ArrayUserFunctions->perform(name, arguments, result, callText);
    if (!performed)
        errorText = callText;
    return performed;
}

bool CControllerImpl::performBinOperator(TTypeBinOperator type, const CValue& left,
                                         const CValue& right, CValue& result,
                                         CMessageString& errorText)
{
    if (m_ArrayBinOperators == nullptr)
        return false;
    m_Operands.clear();
    m_Operands.add(left);
    m_Operands.add(right);
    m_ArrayBinOperators->setParameters(m_Operands);
    const bool performed = m_ArrayBinOperators->perform(type);
    if (performed)
        m_ArrayBinOperators->getResult(result);
    else
        m_ArrayBinOperators->getErrorText(errorText);
    return performed;
}

bool CControllerImpl::performUnLeftOperator(TTypeUnLeftOperator type, const CValue& operand,
                                            CValue& result, CMessageString& errorText)
{
    if (m_ArrayUnLeftOperators == nullptr)
        return false;
    m_Operands.clear();
    m_Operands.add(operand);
    m_ArrayUnLeftOperators->setParameters(m_Operands);
    const bool performed = m_ArrayUnLeftOperators->perform(type);
    if (performed)
        m_ArrayUnLeftOperators->getResult(result);
    else
        m_ArrayUnLeftOperators->getErrorText(errorText);
    return performed;
}

bool CControllerImpl::performCommand(const CNameString& name)
{
    return m_ArrayCommands != nullptr && m_ArrayCommands->perform(name);
}

bool CControllerImpl::getConstantValue(const CNameString& name, CValue& value)
{
    if (m_ArrayConstants == nullptr || !isNotEmptyName(name) || !m_ArrayConstants->perform(name))
        return false;
    m_ArrayConstants->getResult(value);
    return true;
}

bool CControllerImpl::getVariableValue(const CNameString& name, CValue& value)
{
    if (m_ArrayVariables == nullptr || !isNotEmptyName(name) || !m_ArrayVariables->perform(name))
        return false;
    m_ArrayVariables->getResult(value);
    return true;
}

bool CControllerImpl::setVariableValue(const CNameString& name, const CValue& value)
{
    return m_ArrayVariables != nullptr && isNotEmptyName(name)
           && m_ArrayVariables->setValue(name, value);
}

} // namespace xonQMInterpreter
