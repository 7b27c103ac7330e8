#include "ArrayTrees.h"

namespace xonQMInterpreter {

bool CArrayTrees::find(const int& index, int& found)
{
    if (index < 0 || index >= getCount())
        return false;
    found = index;
    return true;
}

bool CArrayTrees::perform(const int& index)
{
    CNode* tree = getElement(index);
    return tree != nullptr && tree->perform();
}

std::unique_ptr<CNode> CArrayTrees::replace(int index, std::unique_ptr<CNode> tree)
{
    CNode* old = getElement(index);
    if (!tree || old == nullptr)
        return tree;
    m_Elements.set(index, tree.release());
    return std::unique_ptr<CNode>(old);
}

} // namespace xonQMInterpreter
