// The name tables: built-ins, first-match lookups, the perform protocol and its texts.

#include "InterpreterCore.h"

#include <gtest/gtest.h>

#include <string>

using namespace ombrix_test;

TEST(NameTables, StandardFunctionsInRegistrationOrder)
{
    CArrayStdFunctions table;
    table.fill();
    ASSERT_EQ(table.getCount(), 33);
    const char* names[] = {"ifelse", "toradian", "todegree", "percent", "pratio",  "abs",
                           "floor",  "round",    "iseven",   "exp",     "pow",     "mod",
                           "ln",     "log",      "logx",     "sqrt",    "sqr",     "cos",
                           "sin",    "arccos",   "arcsin",   "ch",      "sh",      "tg",
                           "arctg",  "th",       "max",      "min",     "isequal", "isgreat",
                           "isless", "isegreat", "iseless"};
    const int arity[] = {3, 1, 1, 2, 2, 1, 1, 1, 1, 1, 2, 2, 1, 1, 2, 1, 1,
                         1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2};
    for (int i = 0; i < 33; ++i) {
        int index = -1;
        CSignature signature;
        ASSERT_TRUE(table.find(names[i], index, signature)) << names[i];
        EXPECT_EQ(index, i) << names[i];
        EXPECT_EQ(signature.getCountParameters(), arity[i]) << names[i];
    }
    int index = -1;
    EXPECT_FALSE(table.find("Sin", index));
    EXPECT_TRUE(table.find("sin", index));
    EXPECT_EQ(index, 18);

    // A second fill replaces the built-ins rather than adding to them.
    table.fill();
    EXPECT_EQ(table.getCount(), 33);
}

TEST(NameTables, ProtocolOfTheFunctionTable)
{
    CArrayStdFunctions table;
    table.fill();
    C1DArray<CValue> arguments;
    arguments.add(CValue(3));
    arguments.add(CValue(4));
    table.setParameters(arguments);
    ASSERT_TRUE(table.perform("max"));
    CValue result;
    table.getResult(result);
    EXPECT_EQ(result.getValue(), 4.0);

    CMessageString text;
    EXPECT_FALSE(table.perform("nosuch"));
    table.getErrorText(text);
    EXPECT_STREQ(text.c_str(), "name for the function is not found : nosuch");
}

TEST(NameTables, Constants)
{
    CArrayConstants table;
    table.fill();
    CValue value;
    ASSERT_TRUE(table.perform("_E"));
    table.getResult(value);
    EXPECT_EQ(value.getValue(), 2.718281828459);
    EXPECT_NE(value.getValue(), 2.718281828459045);
    ASSERT_TRUE(table.perform("_PI"));
    table.getResult(value);
    EXPECT_EQ(value.getValue(), 3.141592653589793);

    CMessageString text;
    EXPECT_FALSE(table.perform("_pi"));
    table.getErrorText(text);
    EXPECT_STREQ(text.c_str(), "the constant is not found : _pi");
}

TEST(NameTables, Variables)
{
    CArrayVariables table;
    CValue value(99);
    CMessageString text;
    ASSERT_TRUE(table.add(std::make_unique<CVariable>("x", CValue())));

    // Uninitialised: perform fails with the value 0 and the text naming the variable.
    EXPECT_FALSE(table.perform("x"));
    table.getResult(value);
    table.getErrorText(text);
    EXPECT_EQ(value.getValue(), 0.0);
    EXPECT_STREQ(text.c_str(), "the varialble is not initialized, name of a varialble x");

    // The results access answers uninitialised variables too.
    CNameString name;
    ASSERT_TRUE(table.getResult(0, name, value));
    EXPECT_STREQ(name.c_str(), "x");
    EXPECT_FALSE(table.getResult(1, name, value));
    table.getErrorText(text);
    EXPECT_STREQ(text.c_str(), "the varialble is not found");

    ASSERT_TRUE(table.setValue("x", CValue(2.5)));
    EXPECT_TRUE(table.perform("x"));
    table.getResult(value);
    EXPECT_EQ(value.getValue(), 2.5);

    bool initialised = false;
    EXPECT_FALSE(table.isInitialised("X", initialised));
    EXPECT_FALSE(table.perform("x "));
    table.getErrorText(text);
    EXPECT_STREQ(text.c_str(), "the varialble is not found : x ");
    EXPECT_FALSE(table.setValue("y", CValue(1)));
}

TEST(NameTables, FirstOfTwoEqualNamesWins)
{
    CArrayUserFunctions functions;
    ASSERT_TRUE(functions.add(std::make_unique<CUserFunctionImpl>("f", CSignature(1, 1))));
    ASSERT_TRUE(functions.add(std::make_unique<CUserFunctionImpl>("f", CSignature(1, 3))));
    int index = -1;
    CSignature signature;
    ASSERT_TRUE(functions.find("f", index, signature));
    EXPECT_EQ(index, 0);
    EXPECT_EQ(signature.getCountParameters(), 1);

    CArrayParameters parameters;
    int position = -1;
    ASSERT_TRUE(parameters.add("a", position));
    ASSERT_TRUE(parameters.add("b", position));
    ASSERT_TRUE(parameters.add("a", position));
    EXPECT_EQ(position, 2);
    ASSERT_TRUE(parameters.find("a", index));
    EXPECT_EQ(index, 0);
    EXPECT_TRUE(parameters.perform("b"));
    EXPECT_FALSE(parameters.perform("c"));
    CMessageString text;
    parameters.getErrorText(text);
    EXPECT_STREQ(text.c_str(), "the parameter is not found : c");

    // Emptied tables start again and forget their index.
    parameters.fill();
    EXPECT_EQ(parameters.getCount(), 0);
    EXPECT_FALSE(parameters.find("a", index));
    ASSERT_TRUE(parameters.add("z", position));
    EXPECT_EQ(position, 0);
}

TEST(NameTables, ParameterErrorTextIsCutAt64)
{
    CArrayParameters parameters;
    const std::string name(64, 'p');
    EXPECT_FALSE(parameters.perform(name.c_str()));
    CMessageString text;
    parameters.getErrorText(text);
    EXPECT_EQ(text.length(), 64);
    EXPECT_EQ(std::string(text.c_str()).rfind("the parameter is not found : p", 0), 0u);
}

TEST(NameTables, ManyNamesStayFindable)
{
    // The hashed index must answer exactly what a scan would, across its growth.
    CArrayVariables table;
    for (int i = 0; i < 5000; ++i)
        ASSERT_TRUE(
            table.add(std::make_unique<CVariable>(("v" + std::to_string(i)).c_str(), CValue())));
    for (int i = 0; i < 5000; i += 7) {
        int index = -1;
        ASSERT_TRUE(table.find(("v" + std::to_string(i)).c_str(), index));
        EXPECT_EQ(index, i);
    }
    int index = -1;
    EXPECT_FALSE(table.find("v5000", index));
    table.deleteAll();
    EXPECT_FALSE(table.find("v1", index));
}

TEST(NameTables, UnaryOperators)
{
    CArrayUnLeftOperators table;
    table.fill();
    CMessageString text;
    C1DArray<CValue> none;
    table.setParameters(none);
    EXPECT_FALSE(table.perform(UNLEFT_OPERATOR_MINUS));
    table.getErrorText(text);
    EXPECT_STREQ(
        text.c_str(),
        "system error, error at execution of the left-hand operation, there is not enough parameters");

    C1DArray<CValue> one;
    one.add(CValue(4));
    table.setParameters(one);
    ASSERT_TRUE(table.perform(UNLEFT_OPERATOR_MINUS));
    CValue result;
    table.getResult(result);
    EXPECT_EQ(result.getValue(), -4.0);
    EXPECT_FALSE(table.perform(UNLEFT_OPERATOR_NONE));
    table.getErrorText(text);
    EXPECT_STREQ(text.c_str(), "the left-hand operation is not found");
}

TEST(NameTables, TreesAndCommands)
{
    CInterpreterCore core;
    EXPECT_FALSE(core.trees.perform(-1));
    EXPECT_FALSE(core.trees.perform(0));
    core.controller.setTree(
        std::unique_ptr<CNode>(core.controller.createNodeCommand(nullptr, 1, 1, "exit")));
    EXPECT_FALSE(core.trees.perform(1));
    EXPECT_TRUE(core.trees.perform(0));
    EXPECT_TRUE(core.controller.isExit());

    CMessageString text;
    EXPECT_FALSE(core.commands.perform("Exit"));
    core.commands.getErrorText(text);
    EXPECT_STREQ(text.c_str(), "the command is not found");

    // A command without a controller cannot act.
    CArrayCommands detached;
    detached.fill();
    EXPECT_FALSE(detached.perform("exit"));
}
