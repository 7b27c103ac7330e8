#pragma once

#include "LimitString.h"
#include "NodeKinds.h"
#include "Value.h"

namespace xonQMInterpreter {

class CController;

// A performer evaluates the nodes of one kind and reports through the controller.
class CNodePerform
{
public:
    CNodePerform() = default;
    CNodePerform(const CNodePerform&) = delete;
    CNodePerform& operator=(const CNodePerform&) = delete;
    virtual ~CNodePerform() = default;

    virtual void addMessage(const CMessageString& text, unsigned char kind, int line,
                            int column) = 0;
    virtual void addMessage(const CMessageString& text, unsigned char kind) = 0;
};

// The base of every performer: the controller to ask, and a scratch text for messages.
class CNodeControllerPerform : public CNodePerform
{
public:
    void addMessage(const CMessageString& text, unsigned char kind, int line, int column) override;
    void addMessage(const CMessageString& text, unsigned char kind) override;
    void setController(CController* controller) { m_Controller = controller; }

protected:
    // Reports "the node is null" and throws: only a broken tree gets here.
    [[noreturn]] void throwNullNode(const char* code, const char* text);
    // Evaluates a child: its perform, then its value. A child that fails has reported why.
    static bool evaluateChild(CNode* child, CValue& value);
    void addMessageAt(const CNode* node, const CMessageString& text, unsigned char kind)
    {
        addMessage(text, kind, node->getLine(), node->getColumn());
    }

    CController* m_Controller = nullptr;
    CMessageString m_Text;
};

// Empty, value, constant and parameter nodes always perform: their value is fetched when the
// parent asks for it.
class CNodeEmptyPerform : public CNodeControllerPerform
{
public:
    bool perform(CNodeEmpty* node);
};

class CNodeValuePerform : public CNodeControllerPerform
{
public:
    bool perform(CNodeValue* node);
};

class CNodeConstantPerform : public CNodeControllerPerform
{
public:
    bool getValue(CNodeConstant* node, CValue& value);
    bool perform(CNodeConstant* node);
};

class CNodeVariablePerform : public CNodeControllerPerform
{
public:
    bool getValue(CNodeVariable* node, CValue& value);
    // Fails, with a message, for a variable that holds no value yet.
    bool perform(CNodeVariable* node);
};

class CNodeVariableDefPerform : public CNodeControllerPerform
{
public:
    // Stores the expression's value; a failing expression leaves the variable as it was.
    bool perform(CNodeVariableDef* node);
};

class CNodeStdFunctionPerform : public CNodeControllerPerform
{
public:
    bool perform(CNodeStdFunction* node);
};

class CNodeUserFunctionPerform : public CNodeControllerPerform
{
public:
    bool perform(CNodeUserFunction* node);
};

class CNodeParameterPerform : public CNodeControllerPerform
{
public:
    bool perform(CNodeParameter* node);
};

class CNodeCommandPerform : public CNodeControllerPerform
{
public:
    bool perform(CNodeCommand* node);
};

class CNodeBinOperatorPerform : public CNodeControllerPerform
{
public:
    // A chain such as a + b + c + ... is a tree as deep as it is long; its left spine is walked
    // with a loop, so chains of any length evaluate without deep recursion.
    bool perform(CNodeBinOperator* node);

private:
    // One operator whose left operand is either given or evaluated here.
    bool performOne(CNodeBinOperator* node, const CValue* leftValue);
};

class CNodeUnLeftOperatorPerform : public CNodeControllerPerform
{
public:
    bool perform(CNodeUnLeftOperator* node);
};

} // namespace xonQMInterpreter
