// Evaluation of statement trees built by hand through the controller: values, failures with
// their texts and positions, the stop rule, "exit" and user functions.

#include "Exceptions.h"
#include "InterpreterCore.h"
#include "Limits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ombrix_test;
using Lines = std::vector<std::string>;

namespace {

// f(x...) = body, registered as the parser registers a definition.
CUserFunction* defineFunction(CInterpreterCore& core, const char* name, int countParameters)
{
    CUserFunction* function = nullptr;
    EXPECT_TRUE(core.controller.addUserFunction(name, CSignature(1, countParameters), function));
    core.controller.setCurrentUserFunction(function);
    return function;
}

CNode* parameter(CInterpreterCore& core, CNode* parent, int index, int line = 1, int column = 1)
{
    return core.controller.createNodeParameter(parent, line, column, index);
}

CNode* call(CInterpreterCore& core, CNode* parent, const char* name, int line = 1, int column = 1)
{
    CSignature signature;
    if (core.controller.findStdFunction(name, signature))
        return core.controller.createNodeStdFunction(parent, line, column, name);
    return core.controller.createNodeUserFunction(parent, line, column, name);
}

} // namespace

TEST(Evaluation, DefinitionsStoreValuesWithoutMessages)
{
    CInterpreterCore core;
    core.define("a", 1, 1, [&](CNode* root) { core.number(root, 1); });
    core.define("b", 2, 1, [&](CNode* root) {
        CNode* plus = core.op(root, BIN_OPERATOR_PLUS);
        core.variable(plus, "a");
        core.number(plus, 1);
    });
    EXPECT_TRUE(core.finish());
    EXPECT_EQ(core.value("a"), "1");
    EXPECT_EQ(core.value("b"), "2");
    EXPECT_EQ(core.lines(), Lines{});
}

TEST(Evaluation, FailingFirstDefinitionLeavesVariableUninitialised)
{
    CInterpreterCore core;
    core.define("x", 1, 1, [&](CNode* root) {
        CNode* div = core.op(root, BIN_OPERATOR_DIV, 1, 6);
        core.number(div, 1);
        core.number(div, 0);
    });
    core.define("y", 2, 1, [&](CNode* root) { core.variable(root, "x", 2, 5); });
    EXPECT_FALSE(core.finish());
    EXPECT_EQ(core.value("x"), "<uninitialised>");
    EXPECT_EQ(
        core.lines(),
        (Lines{
            " [error, line 1, position 6] error at performance of operation '/', division by zero",
            " [error, line 1, position 1] error in the definition of new value for a variable, "
            "name of a varialble x",
            " [error, line 2, position 5] the varialble is not initialized, name of a varialble x",
            " [error, line 2, position 1] error in the definition of new value for a variable, "
            "name of a varialble y"}));
}

TEST(Evaluation, FailingRedefinitionKeepsEarlierValue)
{
    CInterpreterCore core;
    core.define("x", 1, 1, [&](CNode* root) { core.number(root, 7); });
    core.define("x", 2, 1, [&](CNode* root) {
        CNode* power = core.op(root, BIN_OPERATOR_POWER, 2, 7);
        core.number(power, -8);
        core.number(power, 0.5);
    });
    EXPECT_FALSE(core.finish());
    EXPECT_EQ(core.value("x"), "7");
    ASSERT_EQ(core.lines().size(), 2u);
    EXPECT_EQ(
        core.lines()[0],
        " [error, line 2, position 7] error at performance of operation '^', the negative basis at a real parameter");
    EXPECT_EQ(core.variables.getCount(), 1);
}

TEST(Evaluation, LeftOperandFailureSkipsRightOperand)
{
    CInterpreterCore core;
    core.define("y", 1, 1, [&](CNode* root) {
        CNode* plus = core.op(root, BIN_OPERATOR_PLUS, 1, 8);
        core.variable(plus, "undefinedLeft", 1, 5);
        core.variable(plus, "undefinedRight", 1, 10);
    });
    core.finish();
    const Lines lines = core.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(
        lines[0],
        " [error, line 1, position 5] the varialble is not initialized, name of a varialble undefinedLeft");
}

TEST(Evaluation, StandardFunctions)
{
    CInterpreterCore core;
    // max(1, 2, 3): the count is checked before any argument is evaluated.
    core.define("m", 1, 1, [&](CNode* root) {
        CNode* max = call(core, root, "max", 1, 5);
        core.number(max, 1);
        core.number(max, 2);
        core.number(max, 3);
    });
    // max(1 / 0, u): the failing first argument stops the call.
    core.define("n", 2, 1, [&](CNode* root) {
        CNode* max = call(core, root, "max", 2, 5);
        CNode* div = core.op(max, BIN_OPERATOR_DIV, 2, 10);
        core.number(div, 1);
        core.number(div, 0);
        core.variable(max, "u", 2, 14);
    });
    core.define("s", 3, 1, [&](CNode* root) {
        CNode* sqrt = call(core, root, "sqrt", 3, 5);
        core.number(sqrt, 16);
    });
    core.define("l", 4, 1, [&](CNode* root) {
        CNode* ln = call(core, root, "ln", 4, 5);
        core.number(ln, -1);
    });
    core.define("z", 5, 1, [&](CNode* root) {
        CNode* unknown = core.controller.createNodeStdFunction(root, 5, 5, "nosuch");
        core.number(unknown, 1);
    });
    core.finish();
    EXPECT_EQ(core.value("s"), "4");
    EXPECT_EQ(
        core.lines(),
        (Lines{
            " [error, line 1, position 5] wrong number of parameters in function, function max has the "
            "following number of parameters 2, the established number of parameters 3",
            " [error, line 1, position 1] error in the definition of new value for a variable, "
            "name of a varialble m",
            " [error, line 2, position 10] error at performance of operation '/', division by zero",
            " [error, line 2, position 1] error in the definition of new value for a variable, "
            "name of a varialble n",
            " [error, line 4, position 5] error at execution of the standard function : 'ln', "
            "the negative number as parameter is not allowable",
            " [error, line 4, position 1] error in the definition of new value for a variable, "
            "name of a varialble l",
            " [error, line 5, position 5] standard function is not found, name of a standard function nosuch",
            " [error, line 5, position 1] error in the definition of new value for a variable, "
            "name of a varialble z"}));
}

TEST(Evaluation, ConstantsAndUnaryOperators)
{
    CInterpreterCore core;
    core.define("p", 1, 1, [&](CNode* root) {
        CNode* mult = core.op(root, BIN_OPERATOR_MULT);
        core.controller.createNodeConstant(mult, 1, 5, "_PI");
        core.number(mult, 2);
    });
    core.define("e", 2, 1,
                [&](CNode* root) { core.controller.createNodeConstant(root, 2, 5, "_E"); });
    core.define("n", 3, 1, [&](CNode* root) {
        CNode* minus = core.controller.createNodeUnLeftOperator(root, 3, 5, UNLEFT_OPERATOR_MINUS);
        core.number(minus, 0);
    });
    core.define("q", 4, 1, [&](CNode* root) {
        CNode* plus = core.controller.createNodeUnLeftOperator(root, 4, 5, UNLEFT_OPERATOR_PLUS);
        core.number(plus, 5);
    });
    // A constant that does not exist fails only when its value is asked for, silently.
    core.define("c", 5, 1,
                [&](CNode* root) { core.controller.createNodeConstant(root, 5, 5, "_X"); });
    core.finish();
    EXPECT_EQ(core.value("p"), "6.28318530717959");
    EXPECT_EQ(core.value("e"), "2.718281828459");
    EXPECT_EQ(core.value("n"), "-0");
    EXPECT_EQ(core.value("q"), "5");
    EXPECT_EQ(core.lines(),
              (Lines{" [error, line 5, position 1] error in the definition of new value for a "
                     "variable, name of a varialble c"}));
}

TEST(Evaluation, BrokenTreesReportSystemErrors)
{
    CInterpreterCore core;
    core.define("a", 1, 1, [&](CNode* root) {
        CNode* plus = core.op(root, BIN_OPERATOR_PLUS, 1, 7);
        core.number(plus, 1);
    });
    core.finish();
    EXPECT_TRUE(core.controller.isStop());
    EXPECT_EQ(
        core.lines()[0],
        " [system error, line 1, position 7] system error, the number of parameters for binary "
        "operation does not coincide with number of child units, name of a binary operation "
        "+ (plus), number of child units 1");

    CInterpreterCore unary;
    unary.define("b", 2, 1, [&](CNode* root) {
        unary.controller.createNodeUnLeftOperator(root, 2, 5, UNLEFT_OPERATOR_MINUS);
    });
    unary.finish();
    EXPECT_EQ(
        unary.lines()[0],
        " [system error, line 2, position 5] the number of parameters for left-hand operation "
        "does not coincide with number of child units, name of a left-hand operation "
        "- (minus), number of child units 0");

    CInterpreterCore empty;
    empty.define("c", 3, 4, [](CNode*) {});
    empty.finish();
    EXPECT_EQ(
        empty.lines()[0],
        " [system error, line 3, position 4] the child node for executable node is null, name of a varialble c");
}

TEST(Evaluation, VariableReadWithoutTableEntry)
{
    CInterpreterCore core;
    core.define("a", 1, 1, [&](CNode* root) {
        // Made outside the factory, so the name never entered the variable table.
        auto* ghost = new CNodeVariableImpl("ghost", root, 1, 5);
        ghost->setPerformManager(&core.manager);
        root->addChild(ghost);
    });
    core.finish();
    EXPECT_EQ(core.lines()[0],
              " [error, line 1, position 5] the varialble is not found, name of a varialble ghost");
}

TEST(Evaluation, NullNodesThrowAfterReporting)
{
    CInterpreterCore core;
    struct TCase
    {
        std::function<bool()> perform;
        const char* code;
    };
    const std::vector<TCase> cases = {
        {[&] { return core.manager.performBinOperator(nullptr); }, "ERROR_PERFORM_00001"},
        {[&] { return core.manager.performVariableDef(nullptr); }, "ERROR_PERFORM_00005"},
        {[&] { return core.manager.performVariable(nullptr); }, "ERROR_PERFORM_00004"},
        {[&] {
             CValue value;
             return core.manager.getValueVariable(nullptr, value);
         },
         "ERROR_PERFORM_00003"},
        {[&] { return core.manager.performCommand(nullptr); }, "ERROR_PERFORM_00001"},
    };
    for (const TCase& c : cases) {
        try {
            c.perform();
            ADD_FAILURE() << "no exception for " << c.code;
        } catch (const CBaseException& e) {
            EXPECT_STREQ(e.getCode().c_str(), c.code);
        }
    }
    EXPECT_EQ(core.lines()[0], " [system error] the node is null");
}

TEST(Evaluation, StopRuleAtFirstSystemErrorAndTwelfthError)
{
    CInterpreterCore core;
    for (int i = 0; i < MAX_COUNT_ERRORS - 1; ++i)
        core.controller.addMessage("an error", MESSAGE_KIND_ERROR, i + 1, 1);
    EXPECT_FALSE(core.controller.isStop());
    core.controller.addMessage("a warning", MESSAGE_KIND_WARNING, 1, 1);
    EXPECT_FALSE(core.controller.isStop());
    core.controller.addMessage("the twelfth", MESSAGE_KIND_ERROR, 12, 1);
    EXPECT_TRUE(core.controller.isStop());
    core.controller.reset();
    EXPECT_FALSE(core.controller.isStop());

    CInterpreterCore system;
    system.controller.addMessage("only one", MESSAGE_KIND_SYSTEM_ERROR);
    EXPECT_TRUE(system.controller.isStop());
}

TEST(Evaluation, ExitStopsEvaluationAtTheNextStatement)
{
    // a = 1; exit; b = 2; (c is never analysed)
    CInterpreterCore core;
    core.define("a", 1, 1, [&](CNode* root) { core.number(root, 1); });
    core.controller.setTree(
        std::unique_ptr<CNode>(core.controller.createNodeCommand(nullptr, 2, 1, "exit")));
    EXPECT_EQ(core.value("a"), "1");
    EXPECT_FALSE(core.controller.isExit());
    core.define("b", 3, 1, [&](CNode* root) { core.number(root, 2); });
    EXPECT_TRUE(core.controller.isExit());
    EXPECT_TRUE(core.finish());
    EXPECT_EQ(core.value("b"), "<uninitialised>");
    EXPECT_EQ(core.lines(), Lines{" [line 2, position 1] the performance of a command 'exit'"});

    // A command the table does not know fails as an error.
    CInterpreterCore unknown;
    unknown.controller.setTree(
        std::unique_ptr<CNode>(unknown.controller.createNodeCommand(nullptr, 1, 1, "Exit")));
    EXPECT_FALSE(unknown.finish());
    EXPECT_EQ(
        unknown.lines(),
        Lines{
            " [error, line 1, position 1] error at execution of the command, name of a command Exit"});
}

TEST(Evaluation, UserFunctionsBindParametersInOrder)
{
    CInterpreterCore core;
    // g(a, b) = a - b;
    CUserFunction* g = defineFunction(core, "g", 2);
    CNode* minus = core.op(g->getTree(), BIN_OPERATOR_MINUS);
    parameter(core, minus, 0);
    parameter(core, minus, 1);
    core.controller.clearParameters();
    core.controller.setCurrentUserFunction(nullptr);

    core.define("r", 2, 1, [&](CNode* root) {
        CNode* node = call(core, root, "g");
        core.number(node, 5);
        core.number(node, 2);
    });
    EXPECT_TRUE(core.finish());
    EXPECT_EQ(core.value("r"), "3");
    CValue slot;
    EXPECT_TRUE(g->getParameter(1, slot));
    EXPECT_EQ(slot.getValue(), 2.0);
    EXPECT_FALSE(g->getParameter(2, slot));
    EXPECT_FALSE(g->getParameter(-1, slot));
}

TEST(Evaluation, NestedCallsShareNothing)
{
    CInterpreterCore core;
    // f(x) = x + 1; k(x) = f(x) * f(x + 1);
    CUserFunction* f = defineFunction(core, "f", 1);
    CNode* plus = core.op(f->getTree(), BIN_OPERATOR_PLUS);
    parameter(core, plus, 0);
    core.number(plus, 1);
    CUserFunction* k = defineFunction(core, "k", 1);
    CNode* mult = core.op(k->getTree(), BIN_OPERATOR_MULT);
    parameter(core, call(core, mult, "f"), 0);
    CNode* inner = core.op(call(core, mult, "f"), BIN_OPERATOR_PLUS);
    parameter(core, inner, 0);
    core.number(inner, 1);
    core.controller.setCurrentUserFunction(nullptr);

    core.define("a", 1, 1,
                [&](CNode* root) { core.number(call(core, call(core, root, "f"), "f"), 2); });
    core.define("b", 2, 1, [&](CNode* root) { core.number(call(core, root, "k"), 3); });
    EXPECT_TRUE(core.finish());
    EXPECT_EQ(core.value("a"), "4");
    EXPECT_EQ(core.value("b"), "20");
}

TEST(Evaluation, UserFunctionFailures)
{
    CInterpreterCore core;
    // h(x) = 1 / x; defined on line 1, the division at position 10.
    CUserFunction* h = defineFunction(core, "h", 1);
    CNode* div = core.op(h->getTree(), BIN_OPERATOR_DIV, 1, 10);
    core.number(div, 1);
    parameter(core, div, 0);
    core.controller.setCurrentUserFunction(nullptr);

    core.define("a", 2, 1, [&](CNode* root) { core.number(call(core, root, "h", 2, 5), 0); });
    core.define("b", 3, 1, [&](CNode* root) {
        CNode* node = call(core, root, "h", 3, 5);
        core.number(node, 1);
        core.number(node, 2);
    });
    core.define("c", 4, 1,
                [&](CNode* root) { core.controller.createNodeUserFunction(root, 4, 5, "nosuch"); });
    core.finish();
    EXPECT_EQ(
        core.lines(),
        (Lines{
            " [error, line 1, position 10] error at performance of operation '/', division by zero",
            " [error, line 2, position 5] error at execution of the user function, name of a user function h",
            " [error, line 2, position 1] error in the definition of new value for a variable, "
            "name of a varialble a",
            " [error, line 3, position 5] wrong number of parameters in function, user's function h has "
            "the following number of parameters 1, the established number of parameters 2",
            " [error, line 3, position 1] error in the definition of new value for a variable, "
            "name of a varialble b",
            " [error, line 4, position 5] user function is not found, name of a user function nosuch",
            " [error, line 4, position 1] error in the definition of new value for a variable, "
            "name of a varialble c"}));
}

TEST(Evaluation, MillionTermChainEvaluatesAndDeletes)
{
    CInterpreterCore core;
    constexpr int terms = 1000000;
    core.define("s", 1, 1, [&](CNode* root) {
        // 1 + 1 + ... + 1, built left-deep as the parser builds it.
        CNode* top = core.number(nullptr, 1);
        for (int i = 1; i < terms; ++i) {
            CNode* plus = core.op(nullptr, BIN_OPERATOR_PLUS);
            plus->addChild(top);
            top->setParent(plus);
            core.number(plus, 1);
            top = plus;
        }
        root->addChild(top);
        top->setParent(root);
    });
    EXPECT_TRUE(core.finish());
    EXPECT_EQ(core.value("s"), "1000000");
}

TEST(Evaluation, EvaluationNestingIsBounded)
{
    // f0(x) = x; fk(x) = f(k-1)(x): a chain of calls deeper than the bound fails with a
    // message instead of exhausting the stack; one within the bound evaluates.
    CInterpreterCore core;
    const int chain = MAX_EVALUATION_DEPTH + 10;
    CUserFunction* f0 = defineFunction(core, "f0", 1);
    parameter(core, f0->getTree(), 0);
    for (int k = 1; k <= chain; ++k) {
        const std::string name = "f" + std::to_string(k);
        CUserFunction* fk = defineFunction(core, name.c_str(), 1);
        const std::string previous = "f" + std::to_string(k - 1);
        parameter(core, call(core, fk->getTree(), previous.c_str()), 0);
    }
    core.controller.setCurrentUserFunction(nullptr);
    const std::string within = "f" + std::to_string(MAX_EVALUATION_DEPTH - 10);
    const std::string beyond = "f" + std::to_string(chain);
    core.define("a", 1, 1, [&](CNode* root) { core.number(call(core, root, within.c_str()), 5); });
    core.define("b", 2, 1, [&](CNode* root) { core.number(call(core, root, beyond.c_str()), 5); });
    core.finish();
    EXPECT_EQ(core.value("a"), "5");
    EXPECT_EQ(core.value("b"), "<uninitialised>");
    ASSERT_FALSE(core.lines().empty());
    EXPECT_EQ(core.lines()[0], " [error, line 1, position 1] the calculation is nested too deeply");
}
