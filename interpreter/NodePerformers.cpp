#include "NodePerformers.h"

#include "Controller.h"
#include "Exceptions.h"
#include "InlineStack.h"
#include "MessageTexts.h"

#include <typeinfo>

namespace xonQMInterpreter {

namespace {

// The words in which standard and user function calls report.
struct TFunctionWords
{
    CMessageString (*notFound)();
    CMessageString (*nameWord)();
    CMessageString (*functionWord)();
};

// Messages are composed out of line: the evaluation recurses as deep as the calculation
// nests, so its own frames must stay small.
[[gnu::noinline]] bool reportFunctionNotFound(CNodeControllerPerform& performer, const CNode* node,
                                              const TFunctionWords& words, const CNameString& name)
{
    performer.addMessage(words.notFound() + ", " + words.nameWord() + " " + name,
                         MESSAGE_KIND_ERROR, node->getLine(), node->getColumn());
    return false;
}

[[gnu::noinline]] bool reportWrongCount(CNodeControllerPerform& performer, const CNode* node,
                                        const TFunctionWords& words, const CNameString& name,
                                        int expected, int given)
{
    performer.addMessage(msgWrongNumberOfParameters() + ", " + words.functionWord() + " " + name
                             + " " + msgHasNumberOfParameters() + " " + integerText(expected) + ", "
                             + msgEstablishedNumberOfParameters() + " " + integerText(given),
                         MESSAGE_KIND_ERROR, node->getLine(), node->getColumn());
    return false;
}

// "the child node for executable node is null", with the name of what misses it when given.
[[gnu::noinline]] bool reportNullChild(CNodeControllerPerform& performer, const CNode* node,
                                       CMessageString (*nameWord)() = nullptr,
                                       const CNameString* name = nullptr)
{
    CMessageString text = msgChildNodeIsNull();
    if (nameWord != nullptr && name != nullptr)
        text = text + ", " + nameWord() + " " + *name;
    performer.addMessage(text, MESSAGE_KIND_SYSTEM_ERROR, node->getLine(), node->getColumn());
    return false;
}

// A two-operand operator without two children, or a left-hand one without its operand.
[[gnu::noinline]] bool reportChildrenMismatch(CNodeControllerPerform& performer,
                                              const CNodeBinOperator* binary,
                                              const CNodeUnLeftOperator* unary)
{
    const CNode* node = binary != nullptr ? static_cast<const CNode*>(binary) : unary;
    const CMessageString text =
        binary != nullptr
            ? msgSystemError() + ", " + msgBinOperatorChildrenMismatch() + ", "
                  + msgBinOperatorName() + " " + binOperatorTypeName(binary->getType())
            : msgUnLeftOperatorChildrenMismatch() + ", " + msgUnLeftOperatorName() + " "
                  + unLeftOperatorTypeName(unary->getType());
    performer.addMessage(text + ", " + msgNumberOfChildUnits() + " "
                             + integerText(node->getCountChildren()),
                         MESSAGE_KIND_SYSTEM_ERROR, node->getLine(), node->getColumn());
    return false;
}

} // namespace

void CNodeControllerPerform::addMessage(const CMessageString& text, unsigned char kind, int line,
                                        int column)
{
    if (m_Controller != nullptr)
        m_Controller->addMessage(text, kind, line, column);
}

void CNodeControllerPerform::addMessage(const CMessageString& text, unsigned char kind)
{
    if (m_Controller != nullptr)
        m_Controller->addMessage(text, kind);
}

void CNodeControllerPerform::throwNullNode(const char* code, const char* text)
{
    addMessage(msgNodeIsNull(), MESSAGE_KIND_SYSTEM_ERROR);
    throw CBaseException(code, text);
}

bool CNodeControllerPerform::evaluateChild(CNode* child, CValue& value)
{
    value = CValue();
    return child->perform() && child->getValue(value);
}

bool CNodeEmptyPerform::perform(CNodeEmpty* node)
{
    (void)node;
    return true;
}

bool CNodeValuePerform::perform(CNodeValue* node)
{
    (void)node;
    return true;
}

bool CNodeConstantPerform::getValue(CNodeConstant* node, CValue& value)
{
    if (node == nullptr)
        throwNullNode("ERROR_PERFORM_00001",
                      "CNodeConstantPerform::getValue SYSTEM ERROR : node == NULL");
    return m_Controller != nullptr && m_Controller->getConstantValue(node->getName(), value);
}

bool CNodeConstantPerform::perform(CNodeConstant* node)
{
    (void)node;
    return true;
}

bool CNodeVariablePerform::getValue(CNodeVariable* node, CValue& value)
{
    if (node == nullptr)
        throwNullNode("ERROR_PERFORM_00003",
                      "CNodeVariablePerform::getValue SYSTEM ERROR : node == NULL");
    return m_Controller != nullptr && m_Controller->getVariableValue(node->getName(), value);
}

bool CNodeVariablePerform::perform(CNodeVariable* node)
{
    if (node == nullptr)
        throwNullNode("ERROR_PERFORM_00004",
                      "CNodeVariablePerform::perform SYSTEM ERROR : node == NULL");
    bool initialized = false;
    if (m_Controller != nullptr
        && m_Controller->isVariableInitialized(node->getName(), initialized)) {
        if (initialized)
            return true;
        m_Text = msgVariableNotInitialized() + ", " + msgVariableName() + " " + node->getName();
    } else {
        m_Text = msgVariableNotFound() + ", " + msgVariableName() + " " + node->getName();
    }
    addMessageAt(node, m_Text, MESSAGE_KIND_ERROR);
    return false;
}

bool CNodeVariableDefPerform::perform(CNodeVariableDef* node)
{
    if (node == nullptr)
        throwNullNode("ERROR_PERFORM_00005",
                      "CNodeVariableDefPerform::perform SYSTEM ERROR : node == NULL");
    const CNameString& name = node->getName();
    if (m_Controller == nullptr || !m_Controller->findVariable(name)) {
        addMessageAt(node, msgVariableNotFound() + ", " + msgVariableName() + " " + name,
                     MESSAGE_KIND_ERROR);
        return false;
    }
    CNode* expression = node->getChild(0);
    if (expression == nullptr)
        return reportNullChild(*this, node, msgVariableName, &name);
    CValue value;
    if (evaluateChild(expression, value) && m_Controller->setVariableValue(name, value))
        return true;
    addMessageAt(node, msgVariableNewValueError() + ", " + msgVariableName() + " " + name,
                 MESSAGE_KIND_ERROR);
    return false;
}

// Standard and user function calls are one procedure over two tables.
template <class TNode, class TFind, class TPerform>
static bool performCall(CNodeControllerPerform& performer, CController* controller, TNode* node,
                        const TFunctionWords& words, TFind find, TPerform call,
                        CMessageString& text)
{
    const CNameString& name = node->getName();
    CSignature signature;
    if (controller == nullptr || !(controller->*find)(name, signature))
        return reportFunctionNotFound(performer, node, words, name);
    const int count = node->getCountChildren();
    if (signature.getCountParameters() != count)
        return reportWrongCount(performer, node, words, name, signature.getCountParameters(),
                                count);
    C1DArray<CValue> arguments;
    arguments.reserve(count);
    for (int i = 0; i < count; ++i) {
        CNode* child = node->getChild(i);
        if (child == nullptr)
            return reportNullChild(performer, node, words.nameWord, &name);
        CValue value;
        if (!child->perform() || !child->getValue(value))
            return false;
        arguments.add(value);
    }
    CValue result;
    if (!(controller->*call)(name, arguments, result, text)) {
        performer.addMessage(text, MESSAGE_KIND_ERROR, node->getLine(), node->getColumn());
        return false;
    }
    node->setValue(result);
    return true;
}

bool CNodeStdFunctionPerform::perform(CNodeStdFunction* node)
{
    if (node == nullptr)
        throwNullNode("ERROR_PERFORM_00001",
                      "CNodeStdFunctionPerform::perform SYSTEM ERROR : node == NULL");
    static const TFunctionWords words{msgStdFunctionNotFound, msgStdFunctionName, msgFunction};
    return performCall(*this, m_Controller, node, words, &CController::findStdFunction,
                       &CController::performStdFunction, m_Text);
}

bool CNodeUserFunctionPerform::perform(CNodeUserFunction* node)
{
    if (node == nullptr)
        throwNullNode("ERROR_PERFORM_00001",
                      "CNodeUserFunctionPerform::perform SYSTEM ERROR : node == NULL");
    // Recursion is the one way a short text runs for long: every call may end the run.
    if (m_Controller != nullptr)
        m_Controller->checkStopRequest(node->getLine(), node->getColumn());
    static const TFunctionWords words{msgUserFunctionNotFound, msgUserFunctionName,
                                      msgUsersFunction};
    return performCall(*this, m_Controller, node, words, &CController::findUserFunction,
                       &CController::performUserFunction, m_Text);
}

bool CNodeParameterPerform::perform(CNodeParameter* node)
{
    (void)node;
    return true;
}

bool CNodeCommandPerform::perform(CNodeCommand* node)
{
    if (node == nullptr)
        throwNullNode("ERROR_PERFORM_00001",
                      "CNodeCommandPerform::perform SYSTEM ERROR : node == NULL");
    const CNameString& name = node->getName();
    if (m_Controller != nullptr && m_Controller->performCommand(name)) {
        addMessageAt(node, msgCommandPerformance() + " '" + name + "'", MESSAGE_KIND_PLAIN);
        return true;
    }
    addMessageAt(node, msgCommandExecutionError() + ", " + msgCommandName() + " " + name,
                 MESSAGE_KIND_ERROR);
    return false;
}

namespace {

// The operator node below node on its left side, when that is an operator evaluated by the
// same performer; null otherwise.
CNodeBinOperator* leftOperator(CNodeBinOperator* node)
{
    if (node->getCountChildren() < 2)
        return nullptr;
    // The class has no subclasses, so comparing the exact type answers as a dynamic cast would,
    // without its walk through the class hierarchy.
    CNode* left = node->getChild(0);
    return left != nullptr && typeid(*left) == typeid(CNodeBinOperatorImpl)
               ? static_cast<CNodeBinOperatorImpl*>(left)
               : nullptr;
}

} // namespace

bool CNodeBinOperatorPerform::perform(CNodeBinOperator* node)
{
    if (node == nullptr)
        throwNullNode("ERROR_PERFORM_00001",
                      "CNodeBinOperatorPerform::perform SYSTEM ERROR : node == NULL");
    CNodeBinOperator* below = leftOperator(node);
    if (below == nullptr)
        return performOne(node, nullptr);
    // The same order as evaluating each left operand in turn: the lowest operator first, then
    // upwards, each one's right operand just before the operator itself.
    CInlineStack<CNodeBinOperator*, 16> spine;
    spine.push(node);
    for (; below != nullptr; below = leftOperator(below))
        spine.push(below);
    if (!performOne(spine[spine.size() - 1], nullptr))
        return false;
    for (int i = spine.size() - 1; i-- > 0;) {
        CValue left;
        spine[i + 1]->getValue(left);
        if (!performOne(spine[i], &left))
            return false;
    }
    return true;
}

bool CNodeBinOperatorPerform::performOne(CNodeBinOperator* node, const CValue* leftValue)
{
    if (node->getCountChildren() < 2)
        return reportChildrenMismatch(*this, node, nullptr);
    CValue left;
    if (leftValue != nullptr) {
        left = *leftValue;
    } else {
        CNode* child = node->getChild(0);
        if (child == nullptr)
            return reportNullChild(*this, node);
        if (!evaluateChild(child, left))
            return false;
    }
    CNode* child = node->getChild(1);
    if (child == nullptr)
        return reportNullChild(*this, node);
    CValue right;
    if (!evaluateChild(child, right))
        return false;
    CValue result;
    if (m_Controller == nullptr
        || !m_Controller->performBinOperator(node->getType(), left, right, result, m_Text)) {
        addMessageAt(node, m_Text, MESSAGE_KIND_ERROR);
        return false;
    }
    node->setValue(result);
    return true;
}

bool CNodeUnLeftOperatorPerform::perform(CNodeUnLeftOperator* node)
{
    if (node == nullptr)
        throwNullNode("ERROR_PERFORM_00001",
                      "CNodeUnLeftOperatorPerform::perform SYSTEM ERROR : node == NULL");
    if (node->getCountChildren() < 1)
        return reportChildrenMismatch(*this, nullptr, node);
    CNode* child = node->getChild(0);
    if (child == nullptr)
        return reportNullChild(*this, node);
    CValue operand;
    if (!evaluateChild(child, operand))
        return false;
    CValue result;
    if (m_Controller == nullptr
        || !m_Controller->performUnLeftOperator(node->getType(), operand, result, m_Text)) {
        addMessageAt(node, m_Text, MESSAGE_KIND_ERROR);
        return false;
    }
    node->setValue(result);
    return true;
}

} // namespace xonQMInterpreter
