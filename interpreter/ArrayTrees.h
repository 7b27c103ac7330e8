#pragma once

#include "ArrayElements.h"
#include "Node.h"

#include <memory>

namespace xonQMInterpreter {

// The statement tree waiting for evaluation (the controller keeps it to at most one).
class CArrayTrees : public CArrayElements<CNode, int>
{
public:
    void setParameters(const C1DArray<CValue>& arguments) override { (void)arguments; }
    void getResult(CValue& value) override { (void)value; }
    CBuffString getText() override { return CBuffString(); }
    void fill() override { }
    // True for an index of a held tree.
    bool find(const int& index, int& found) override;
    // Evaluates the tree at index.
    bool perform(const int& index) override;

    bool add(std::unique_ptr<CNode> tree) { return addElement(std::move(tree)); }
    // Stores tree at index and hands back the tree that was there. With a bad index or no
    // tree nothing changes and the given tree comes back.
    std::unique_ptr<CNode> replace(int index, std::unique_ptr<CNode> tree);
};

} // namespace xonQMInterpreter
