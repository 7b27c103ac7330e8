// The controller: node factory, definitions, lookups and the hand-over of statement trees.

#include "InterpreterCore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ombrix_test;
using Lines = std::vector<std::string>;

TEST(Controller, BlankNamesAreRefused)
{
    CInterpreterCore core;
    const char* blanks[] = {"", " ", "\t\r\n", "\v\f\b"};
    for (const char* blank : blanks) {
        CSignature signature;
        int index = 0;
        bool initialised = false;
        CValue value;
        CUserFunction* function = nullptr;
        EXPECT_FALSE(core.controller.addVariable(blank));
        EXPECT_FALSE(core.controller.findVariable(blank));
        EXPECT_FALSE(core.controller.isVariableInitialized(blank, initialised));
        EXPECT_FALSE(core.controller.addParameter(blank, index));
        EXPECT_FALSE(core.controller.addUserFunction(blank, signature, function));
        EXPECT_FALSE(core.controller.findStdFunction(blank, signature));
        EXPECT_FALSE(core.controller.getConstantValue(blank, value));
        EXPECT_FALSE(core.controller.setVariableValue(blank, value));
    }
    EXPECT_EQ(core.variables.getCount(), 0);
}

TEST(Controller, VariableNodeEntersItsNameOnce)
{
    CInterpreterCore core;
    std::unique_ptr<CNode> first(core.controller.createNodeVariable(nullptr, 1, 1, "x"));
    std::unique_ptr<CNode> second(core.controller.createNodeVariable(nullptr, 1, 5, "x"));
    EXPECT_EQ(core.variables.getCount(), 1);
    EXPECT_EQ(core.value("x"), "<uninitialised>");
}

TEST(Controller, ParameterNodesNeedTheFunctionBeingDefined)
{
    CInterpreterCore core;
    EXPECT_EQ(core.controller.createNodeParameter(nullptr, 2, 3, 0), nullptr);
    EXPECT_TRUE(core.controller.isStop());
    EXPECT_EQ(
        core.lines(),
        Lines{" [system error, line 2, position 3] error of the program : error in definition of "
              "value of parameter (userFunction = NULL)"});

    CInterpreterCore defining;
    CUserFunction* function = nullptr;
    ASSERT_TRUE(defining.controller.addUserFunction("f", CSignature(1, 2), function));
    defining.controller.setCurrentUserFunction(function);
    EXPECT_EQ(defining.controller.createNodeParameter(nullptr, 1, 1, 2), nullptr);
    EXPECT_EQ(
        defining.lines(),
        Lines{" [system error, line 1, position 1] error of the program: error in definition of "
              "value of parameter (index < 0 || index >= userFunction->getCountParameters())"});
    std::unique_ptr<CNode> good(defining.controller.createNodeParameter(nullptr, 1, 1, 1));
    EXPECT_NE(good, nullptr);
}

TEST(Controller, SetTreeEvaluatesTheTreeHeldBefore)
{
    CInterpreterCore core;
    EXPECT_FALSE(core.controller.setTree(nullptr));
    core.define("a", 1, 1, [&](CNode* root) { core.number(root, 1); });
    EXPECT_EQ(core.value("a"), "<uninitialised>");
    EXPECT_EQ(core.controller.getCountTrees(), 1);
    core.define("b", 2, 1, [&](CNode* root) { core.number(root, 2); });
    EXPECT_EQ(core.value("a"), "1");
    EXPECT_EQ(core.value("b"), "<uninitialised>");
    EXPECT_EQ(core.controller.getCountTrees(), 1);
    EXPECT_EQ(core.controller.getTreeCount(), 1);
    EXPECT_EQ(core.controller.getTree(1), nullptr);
}

TEST(Controller, MissingTablesAnswerFalse)
{
    CControllerImpl bare;
    CValue result(7);
    CMessageString text("untouched");
    EXPECT_FALSE(bare.performBinOperator(BIN_OPERATOR_PLUS, CValue(1), CValue(2), result, text));
    EXPECT_EQ(result.getValue(), 7.0);
    EXPECT_STREQ(text.c_str(), "untouched");
    EXPECT_EQ(bare.createNodeEmpty(nullptr, 1, 1), nullptr);
    EXPECT_FALSE(bare.addMessage("x", MESSAGE_KIND_ERROR));
    EXPECT_EQ(bare.getCountErrors(), 0);
    EXPECT_FALSE(bare.performCommand("exit"));
    EXPECT_FALSE(bare.clearParameters());
}

TEST(Controller, ResetClearsRunState)
{
    CInterpreterCore core;
    CUserFunction* function = nullptr;
    int index = 0;
    ASSERT_TRUE(core.controller.addUserFunction("f", CSignature(1, 1), function));
    core.controller.setCurrentUserFunction(function);
    core.controller.addParameter("x", index);
    core.controller.setExit(true);
    core.controller.addMessage("fault", MESSAGE_KIND_SYSTEM_ERROR);
    core.controller.reset();
    EXPECT_FALSE(core.controller.isExit());
    EXPECT_FALSE(core.controller.isStop());
    EXPECT_EQ(core.controller.getCurrentUserFunction(), nullptr);
    EXPECT_FALSE(core.controller.findParameter("x", index));
}
