#pragma once

#include "BinOperators.h"
#include "Node.h"
#include "NodePerformManager.h"
#include "UnLeftOperators.h"

namespace xonQMInterpreter {

class CUserFunction;

// The eleven kinds of nodes. Each kind has one Impl class, the only class of which nodes are
// created: it forwards perform (and getValue for constants and variables) to the perform
// manager.

// A missing operand; performs successfully and has no value.
class CNodeEmpty : public CNode
{
public:
    using CNode::CNode;
    CNameString getNameType() override;
};

// The root of a user function's body; its value is that of its first child.
class CNodeContinue : public CNodeWithValue
{
public:
    CNodeContinue(CNode* parent, int line, int column)
        : CNodeWithValue(parent, line, column)
    {
    }
    CNameString getNameType() override;
};

// A number written in the text.
class CNodeValue : public CNodeWithValue
{
public:
    CNodeValue(const CValue& value, CNode* parent, int line, int column)
        : CNodeWithValue(parent, line, column, value)
    {
    }
    CNameString getNameType() override;
};

// The base of the kinds that carry a name.
class CNodeNamed
{
public:
    explicit CNodeNamed(const CNameString& name)
        : m_Name(name)
    {
    }
    const CNameString& getName() const { return m_Name; }

private:
    CNameString m_Name;
};

class CNodeConstant : public CNode, public CNodeNamed
{
public:
    CNodeConstant(const CNameString& name, CNode* parent, int line, int column)
        : CNode(parent, line, column)
        , CNodeNamed(name)
    {
    }
    CNameString getNameType() override;
};

class CNodeVariable : public CNode, public CNodeNamed
{
public:
    CNodeVariable(const CNameString& name, CNode* parent, int line, int column)
        : CNode(parent, line, column)
        , CNodeNamed(name)
    {
    }
    CNameString getNameType() override;
};

// The root of a variable definition; child 0 is the defining expression.
class CNodeVariableDef : public CNode, public CNodeNamed
{
public:
    CNodeVariableDef(const CNameString& name, CNode* parent, int line, int column)
        : CNode(parent, line, column)
        , CNodeNamed(name)
    {
    }
    CNameString getNameType() override;
};

// A call of a standard function; one child per argument.
class CNodeStdFunction : public CNodeWithValue, public CNodeNamed
{
public:
    CNodeStdFunction(const CNameString& name, CNode* parent, int line, int column)
        : CNodeWithValue(parent, line, column)
        , CNodeNamed(name)
    {
    }
    CNameString getNameType() override;
};

// A call of a user function; one child per argument.
class CNodeUserFunction : public CNodeWithValue, public CNodeNamed
{
public:
    CNodeUserFunction(const CNameString& name, CNode* parent, int line, int column)
        : CNodeWithValue(parent, line, column)
        , CNodeNamed(name)
    {
    }
    CNameString getNameType() override;
};

// A parameter inside a body: its value is the function's current value of that parameter.
class CNodeParameter : public CNode
{
public:
    CNodeParameter(CUserFunction* function, int index, CNode* parent, int line, int column)
        : CNode(parent, line, column)
        , m_Function(function)
        , m_Index(index)
    {
    }
    CNameString getNameType() override;
    bool getValue(CValue& value) override;
    CUserFunction* getUserFunction() const { return m_Function; }
    int getIndex() const { return m_Index; }

private:
    CUserFunction* m_Function;
    int m_Index;
};

class CNodeCommand : public CNode, public CNodeNamed
{
public:
    CNodeCommand(const CNameString& name, CNode* parent, int line, int column)
        : CNode(parent, line, column)
        , CNodeNamed(name)
    {
    }
    CNameString getNameType() override;
    // A command has no value; the caller's value stays as it was.
    bool getValue(CValue& value) override
    {
        (void)value;
        return true;
    }
};

// Child 0 is the left operand, child 1 the right one.
class CNodeBinOperator : public CNodeWithValue
{
public:
    CNodeBinOperator(TTypeBinOperator type, CNode* parent, int line, int column)
        : CNodeWithValue(parent, line, column)
        , m_Type(type)
    {
    }
    CNameString getNameType() override;
    TTypeBinOperator getType() const { return m_Type; }

private:
    TTypeBinOperator m_Type;
};

// Child 0 is the operand.
class CNodeUnLeftOperator : public CNodeWithValue
{
public:
    CNodeUnLeftOperator(TTypeUnLeftOperator type, CNode* parent, int line, int column)
        : CNodeWithValue(parent, line, column)
        , m_Type(type)
    {
    }
    CNameString getNameType() override;
    TTypeUnLeftOperator getType() const { return m_Type; }

private:
    TTypeUnLeftOperator m_Type;
};

// What every Impl but the body root adds: the perform manager it dispatches to.
template <class TKind>
class CNodeImpl : public TKind
{
public:
    using TKind::TKind;
    void setPerformManager(CNodePerformManager* manager) { m_PerformManager = manager; }

protected:
    CNodePerformManager* m_PerformManager = nullptr;
};

class CNodeEmptyImpl : public CNodeImpl<CNodeEmpty>
{
public:
    using CNodeImpl::CNodeImpl;
    bool perform() override { return m_PerformManager && m_PerformManager->performEmpty(this); }
};

class CNodeValueImpl : public CNodeImpl<CNodeValue>
{
public:
    using CNodeImpl::CNodeImpl;
    bool perform() override { return m_PerformManager && m_PerformManager->performValue(this); }
};

class CNodeConstantImpl : public CNodeImpl<CNodeConstant>
{
public:
    using CNodeImpl::CNodeImpl;
    bool getValue(CValue& value) override
    {
        return m_PerformManager && m_PerformManager->getValueConstant(this, value);
    }
    bool perform() override { return m_PerformManager && m_PerformManager->performConstant(this); }
};

class CNodeVariableImpl : public CNodeImpl<CNodeVariable>
{
public:
    using CNodeImpl::CNodeImpl;
    bool getValue(CValue& value) override
    {
        return m_PerformManager && m_PerformManager->getValueVariable(this, value);
    }
    bool perform() override { return m_PerformManager && m_PerformManager->performVariable(this); }
};

class CNodeVariableDefImpl : public CNodeImpl<CNodeVariableDef>
{
public:
    using CNodeImpl::CNodeImpl;
    bool perform() override
    {
        return m_PerformManager && m_PerformManager->performVariableDef(this);
    }
};

class CNodeStdFunctionImpl : public CNodeImpl<CNodeStdFunction>
{
public:
    using CNodeImpl::CNodeImpl;
    bool perform() override
    {
        return m_PerformManager && m_PerformManager->performStdFunction(this);
    }
};

class CNodeUserFunctionImpl : public CNodeImpl<CNodeUserFunction>
{
public:
    using CNodeImpl::CNodeImpl;
    bool perform() override
    {
        return m_PerformManager && m_PerformManager->performUserFunction(this);
    }
};

class CNodeParameterImpl : public CNodeImpl<CNodeParameter>
{
public:
    using CNodeImpl::CNodeImpl;
    bool perform() override { return m_PerformManager && m_PerformManager->performParameter(this); }
};

class CNodeCommandImpl : public CNodeImpl<CNodeCommand>
{
public:
    using CNodeImpl::CNodeImpl;
    bool perform() override { return m_PerformManager && m_PerformManager->performCommand(this); }
};

class CNodeBinOperatorImpl final : public CNodeImpl<CNodeBinOperator>
{
public:
    using CNodeImpl::CNodeImpl;
    bool perform() override
    {
        return m_PerformManager && m_PerformManager->performBinOperator(this);
    }
};

class CNodeUnLeftOperatorImpl : public CNodeImpl<CNodeUnLeftOperator>
{
public:
    using CNodeImpl::CNodeImpl;
    bool perform() override
    {
        return m_PerformManager && m_PerformManager->performUnLeftOperator(this);
    }
};

// The root of a user function's body evaluates its first child itself.
class CNodeContinueImpl : public CNodeContinue
{
public:
    CNodeContinueImpl()
        : CNodeContinue(nullptr, 1, 1)
    {
    }
    bool perform() override;
};

} // namespace xonQMInterpreter
