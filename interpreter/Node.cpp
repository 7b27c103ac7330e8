#include "Node.h"

namespace xonQMInterpreter {

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
