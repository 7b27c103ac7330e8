#pragma once

#include "BuffString.h"
#include "Containers.h"
#include "InlineStack.h"
#include "LimitString.h"
#include "Value.h"

namespace xonQMInterpreter {

// A node of a statement tree or of a user function's body: a parent link, owned children in
// order and the source position that messages cite. Evaluation is not decided here: perform
// hands the node to the performer of its kind.
class CNode
{
public:
    CNode(CNode* parent, int line, int column)
        : m_Parent(parent)
        , m_Line(line)
        , m_Column(column)
    {
    }
    CNode(const CNode&) = delete;
    CNode& operator=(const CNode&) = delete;
    // Deletes the whole subtree. Iterative, so a tree of any depth goes without using stack.
    virtual ~CNode();

    virtual CBuffString getText() { return CBuffString(); }
    virtual CNameString getNameType() { return "none"; }
    virtual bool getValue(CValue& value)
    {
        (void)value;
        return false;
    }
    virtual bool perform() = 0;

    // Replaces the parent link only; the old parent's children are untouched.
    void setParent(CNode* parent) { m_Parent = parent; }
    CNode* getParent() const { return m_Parent; }
    CNode* getRoot();
    // Appends a child the node then owns; false for null or when no room could be made. The
    // child's parent link is not changed.
    bool addChild(CNode* child);
    CNode* getChild(int index) const { return m_Children.get(index); }
    int getCountChildren() const { return m_Children.getCount(); }
    int getCapacityChildren() const { return m_Children.getCapacity(); }
    int getLine() const { return m_Line; }
    int getColumn() const { return m_Column; }

private:
    // Nodes waiting to be deleted; a statement's tree fits inside.
    using TPendingNodes = CInlineStack<CNode*, 32>;
    // Moves the children into pending and leaves the node without any.
    void releaseChildren(TPendingNodes& pending);

    CNode* m_Parent;
    C1DContainerPtr<CNode> m_Children;
    int m_Line;
    int m_Column;
};

// A node that carries the number it computed; its parent reads it with getValue.
class CNodeWithValue : public CNode
{
public:
    CNodeWithValue(CNode* parent, int line, int column, const CValue& value = CValue())
        : CNode(parent, line, column)
        , m_Value(value)
    {
    }

    CNameString getNameType() override { return "value"; }
    bool getValue(CValue& value) override
    {
        value = m_Value;
        return true;
    }
    const CValue& setValue(const CValue& value)
    {
        m_Value = value;
        return m_Value;
    }

protected:
    const CValue& storedValue() const { return m_Value; }

private:
    CValue m_Value;
};

} // namespace xonQMInterpreter
