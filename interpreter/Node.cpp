#include "Node.h"

#include <vector>

namespace xonQMInterpreter {

// The nodes still to delete, last in first out. A statement's tree is small: its work list
// stays on the stack, and only a deep tree's spills into the heap.
class CNode::TPendingNodes
{
public:
    bool isEmpty() const { return m_Count == 0 && m_More.empty(); }
    void push(CNode* node)
    {
        if (m_Count < LOCAL_COUNT)
            m_Local[m_Count++] = node;
        else
            m_More.push_back(node);
    }
    CNode* pop()
    {
        if (!m_More.empty()) {
            CNode* node = m_More.back();
            m_More.pop_back();
            return node;
        }
        return m_Local[--m_Count];
    }

private:
    static constexpr int LOCAL_COUNT = 32;

    CNode* m_Local[LOCAL_COUNT];
    int m_Count = 0;
    std::vector<CNode*> m_More;
};

CNode::~CNode()
{
    if (m_Children.getCount() == 0)
        return;
    // A chain of a million operators is a tree a million deep: delete it with a work list,
    // each node losing its children before it is deleted.
    TPendingNodes pending;
    releaseChildren(pending);
    while (!pending.isEmpty()) {
        CNode* node = pending.pop();
        if (node == nullptr)
            continue;
        node->releaseChildren(pending);
        delete node;
    }
}

void CNode::releaseChildren(TPendingNodes& pending)
{
    for (int i = m_Children.getCount() - 1; i >= 0; --i)
        pending.push(m_Children.get(i));
    m_Children.release();
}

CNode* CNode::getRoot()
{
    CNode* node = this;
    while (node->m_Parent != nullptr)
        node = node->m_Parent;
    return node;
}

bool CNode::addChild(CNode* child)
{
    if (child == nullptr)
        return false;
    return m_Children.add(child);
}

} // namespace xonQMInterpreter
