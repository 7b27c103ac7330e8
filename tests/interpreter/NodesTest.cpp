// Tree nodes: children, values, kind texts and deletion.

#include "InterpreterCore.h"

#include <gtest/gtest.h>

#include <string>

using namespace ombrix_test;

namespace {

// Counts its deletions, to prove a subtree goes exactly once.
struct CCountedNode : CNodeEmpty
{
    CCountedNode(CNode* parent, int* deleted)
        : CNodeEmpty(parent, 1, 1)
        , m_Deleted(deleted)
    {
    }
    ~CCountedNode() override { ++*m_Deleted; }
    bool perform() override { return true; }
    int* m_Deleted;
};

} // namespace

TEST(Nodes, ChildrenGrowByDoublingInOrder)
{
    CNodeEmptyImpl root(nullptr, 1, 1);
    EXPECT_EQ(root.getChild(0), nullptr);
    const int expected[] = {1, 2, 4, 4, 8};
    CNode* added[5];
    for (int i = 0; i < 5; ++i) {
        added[i] = new CNodeEmptyImpl(&root, 1, 1);
        ASSERT_TRUE(root.addChild(added[i]));
        EXPECT_EQ(root.getCapacityChildren(), expected[i]);
    }
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(root.getChild(i), added[i]);
    EXPECT_EQ(root.getChild(-1), nullptr);
    EXPECT_EQ(root.getChild(5), nullptr);
    EXPECT_FALSE(root.addChild(nullptr));
    EXPECT_EQ(root.getCountChildren(), 5);
    EXPECT_EQ(added[3]->getRoot(), &root);
}

TEST(Nodes, DeletingARootDeletesEveryNodeOnce)
{
    int deleted = 0;
    {
        CNodeEmptyImpl root(nullptr, 1, 1);
        auto* a = new CCountedNode(&root, &deleted);
        root.addChild(a);
        auto* b = new CCountedNode(a, &deleted);
        a->addChild(b);
        b->addChild(new CCountedNode(b, &deleted));
        root.addChild(new CCountedNode(&root, &deleted));
    }
    EXPECT_EQ(deleted, 4);
}

TEST(Nodes, Values)
{
    CValue value(42);
    CNodeBinOperatorImpl op(BIN_OPERATOR_PLUS, nullptr, 1, 1);
    EXPECT_TRUE(op.getValue(value));
    EXPECT_EQ(value.getValue(), 0.0);
    CNodeStdFunctionImpl function("sin", nullptr, 1, 1);
    value = CValue(42);
    EXPECT_TRUE(function.getValue(value));
    EXPECT_EQ(value.getValue(), 0.0);

    value = CValue(42);
    CNodeVariableDefImpl definition("x", nullptr, 1, 1);
    EXPECT_FALSE(definition.getValue(value));
    CNodeEmptyImpl empty(nullptr, 1, 1);
    EXPECT_FALSE(empty.getValue(value));
    CNodeCommandImpl command("exit", nullptr, 1, 1);
    EXPECT_TRUE(command.getValue(value));
    EXPECT_EQ(value.getValue(), 42.0);

    CNodeContinueImpl body;
    EXPECT_FALSE(body.perform());
    EXPECT_TRUE(body.getValue(value));
    EXPECT_EQ(value.getValue(), 0.0);
    EXPECT_EQ(body.getLine(), 1);
    EXPECT_EQ(body.getColumn(), 1);

    CNodeParameterImpl orphan(nullptr, 0, nullptr, 1, 1);
    EXPECT_FALSE(orphan.getValue(value));
}

TEST(Nodes, KindTexts)
{
    CUserFunctionImpl function("area", CSignature(1, 2));
    const struct
    {
        std::unique_ptr<CNode> node;
        const char* text;
    } cases[] = {
        {std::make_unique<CNodeEmptyImpl>(nullptr, 1, 1), "empty"},
        {std::make_unique<CNodeContinueImpl>(), "continue : 0"},
        {std::make_unique<CNodeValueImpl>(CValue(2.5), nullptr, 1, 1), "value : 2.5"},
        {std::make_unique<CNodeConstantImpl>("_PI", nullptr, 1, 1), "constant : _PI"},
        {std::make_unique<CNodeVariableImpl>("x", nullptr, 1, 1), "varialble : x"},
        {std::make_unique<CNodeVariableDefImpl>("y", nullptr, 1, 1), "varialble : y"},
        {std::make_unique<CNodeStdFunctionImpl>("sin", nullptr, 1, 1), "standard function : sin"},
        {std::make_unique<CNodeUserFunctionImpl>("f", nullptr, 1, 1), "user function : f"},
        {std::make_unique<CNodeParameterImpl>(&function, 1, nullptr, 1, 1),
         "parameter : 1, name of a user function : area"},
        {std::make_unique<CNodeParameterImpl>(nullptr, 0, nullptr, 1, 1),
         "parameter : 0, name of a user function : NULL"},
        {std::make_unique<CNodeCommandImpl>("exit", nullptr, 1, 1), "command : exit"},
        {std::make_unique<CNodeBinOperatorImpl>(BIN_OPERATOR_POWER, nullptr, 1, 1),
         "binary operation : ^ (power)"},
        {std::make_unique<CNodeUnLeftOperatorImpl>(UNLEFT_OPERATOR_MINUS, nullptr, 1, 1),
         "left-hand operation : - (minus)"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.node->getNameType().c_str(), c.text);
    // Kind texts are names: cut at 64.
    const std::string longName(64, 'n');
    CNodeVariableImpl long_(longName.c_str(), nullptr, 1, 1);
    EXPECT_EQ(long_.getNameType().length(), 64);
}
