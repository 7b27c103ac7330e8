#include "BinOperators.h"
#include "NumericTestSupport.h"
#include "UnLeftOperators.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace xonQMInterpreter;
using namespace ombrixTest;

namespace {

constexpr double UNTOUCHED = 42.0;

std::unique_ptr<CBinOperator> makeOperator(TTypeBinOperator type)
{
    switch (type) {
    case BIN_OPERATOR_PLUS:
        return std::make_unique<CBinOperatorPlus>();
    case BIN_OPERATOR_MINUS:
        return std::make_unique<CBinOperatorMinus>();
    case BIN_OPERATOR_MULT:
        return std::make_unique<CBinOperatorMult>();
    case BIN_OPERATOR_DIV:
        return std::make_unique<CBinOperatorDiv>();
    default:
        return std::make_unique<CBinOperatorPower>();
    }
}

struct TOperatorCase
{
    TTypeBinOperator type;
    double left, right;
    bool ok;
    double value;     // the result on success
    const char* text; // the error text on failure
};

} // namespace

TEST(BinOperators, ComputeOrExplain)
{
    const TOperatorCase cases[] = {
        {BIN_OPERATOR_PLUS, 1.0, 2.0, true, 3.0, ""},
        {BIN_OPERATOR_PLUS, 1e308, 1e308, false, 0,
         "error at performance of operation '+', too big number"},
        {BIN_OPERATOR_MINUS, 5.0, 7.0, true, -2.0, ""},
        {BIN_OPERATOR_MINUS, 1e308, -1e308, false, 0,
         "error at performance of operation '-', too big number"},
        {BIN_OPERATOR_MINUS, -1e308, 1e308, true, -INF, ""},
        {BIN_OPERATOR_MULT, 2.0, 3.0, true, 6.0, ""},
        {BIN_OPERATOR_MULT, 1e308, 10.0, false, 0,
         "error at performance of operation '*', too big number"},
        {BIN_OPERATOR_MULT, -1e308, 10.0, true, -INF, ""},
        {BIN_OPERATOR_DIV, 1.0, 4.0, true, 0.25, ""},
        {BIN_OPERATOR_DIV, 1.0, 0.0, false, 0,
         "error at performance of operation '/', division by zero"},
        {BIN_OPERATOR_DIV, 0.0, 0.0, false, 0,
         "error at performance of operation '/', division by zero"},
        {BIN_OPERATOR_DIV, 1e308, 0.1, false, 0,
         "error at performance of operation '/', too big number"},
        {BIN_OPERATOR_POWER, 0.0, 0.0, true, 0.0, ""},
        {BIN_OPERATOR_POWER, 2.0, 0.0, true, 1.0, ""},
        {BIN_OPERATOR_POWER, -2.0, 3.0, true, -8.0, ""},
        {BIN_OPERATOR_POWER, 0.0, -1.0, false, 0,
         "error at performance of operation '^' : division by zero"},
        {BIN_OPERATOR_POWER, -8.0, 0.5, false, 0,
         "error at performance of operation '^', the negative basis at a real parameter"},
        {BIN_OPERATOR_POWER, 10.0, 400.0, false, 0,
         "error at performance of operation '^', too big number"},
        {BIN_OPERATOR_POWER, 10.0, -400.5, false, 0, "error at performance of operation '^'"},
        {BIN_OPERATOR_POWER, 1e-310, -1.0, false, 0, "error at performance of operation '^'"},
    };
    for (const TOperatorCase& c : cases) {
        SCOPED_TRACE(std::string(binOperatorTypeName(c.type).c_str()) + " " + std::to_string(c.left)
                     + " " + std::to_string(c.right));
        std::unique_ptr<CBinOperator> op = makeOperator(c.type);
        EXPECT_EQ(op->getType(), c.type);
        CValue result(UNTOUCHED);
        CMessageString errorText("stale");
        EXPECT_EQ(op->perform(CValue(c.left), CValue(c.right), result, errorText), c.ok);
        EXPECT_STREQ(errorText.c_str(), c.text);
        EXPECT_TRUE(sameNumber(result.getValue(), c.ok ? c.value : UNTOUCHED)) << result.getValue();
    }
}

TEST(BinOperators, TypeNames)
{
    const char* names[] = {"none",    "+ (plus)",  "- (minus)", "* (mult)",
                           "/ (div)", "^ (power)", "",          ""};
    for (int kind = 0; kind < 8; ++kind)
        EXPECT_STREQ(binOperatorTypeName(static_cast<TTypeBinOperator>(kind)).c_str(), names[kind])
            << kind;
}

TEST(ArrayBinOperators, FillHoldsTheFiveInOrder)
{
    CArrayBinOperators table;
    table.fill();
    table.fill();
    ASSERT_EQ(table.getCount(), 5) << "a second fill replaces the operators";
    for (int kind = BIN_OPERATOR_PLUS; kind <= BIN_OPERATOR_POWER; ++kind) {
        int index = -1;
        EXPECT_TRUE(table.find(static_cast<TTypeBinOperator>(kind), index));
        EXPECT_EQ(index, kind - 1);
    }
    int index = 77;
    EXPECT_FALSE(table.find(static_cast<TTypeBinOperator>(6), index));
    EXPECT_FALSE(table.find(BIN_OPERATOR_NONE, index));
    EXPECT_EQ(index, 77) << "a failed lookup leaves the index";
    EXPECT_TRUE(table.getText().isEmpty());
}

TEST(ArrayBinOperators, PerformsWithTheFirstTwoOperands)
{
    CArrayBinOperators table;
    table.fill();
    table.setParameters(valuesOf({7.0, 2.0, 100.0}));
    ASSERT_TRUE(table.perform(BIN_OPERATOR_MINUS));
    CValue result;
    table.getResult(result);
    EXPECT_EQ(result.getValue(), 5.0);
    CMessageString text("stale");
    table.getErrorText(text);
    EXPECT_STREQ(text.c_str(), "");
}

TEST(ArrayBinOperators, FailuresKeepThePreviousResult)
{
    struct TRow
    {
        std::vector<double> operands;
        TTypeBinOperator type;
        const char* text;
    };
    const TRow rows[] = {
        {{1.0, 0.0}, BIN_OPERATOR_DIV, "error at performance of operation '/', division by zero"},
        {{1.0},
         BIN_OPERATOR_DIV,
         "system error, error at execution of the binary operation, there is not enough parameters"},
        {{},
         BIN_OPERATOR_PLUS,
         "system error, error at execution of the binary operation, there is not enough parameters"},
        {{1.0, 2.0}, BIN_OPERATOR_NONE, "the binary operation is not found"},
    };
    for (const TRow& row : rows) {
        CArrayBinOperators table;
        table.fill();
        table.setParameters(valuesOf({3.0, 4.0}));
        ASSERT_TRUE(table.perform(BIN_OPERATOR_MULT));
        table.setParameters(valuesOf(row.operands));
        EXPECT_FALSE(table.perform(row.type));
        CMessageString text;
        table.getErrorText(text);
        EXPECT_STREQ(text.c_str(), row.text);
        CValue result;
        table.getResult(result);
        EXPECT_EQ(result.getValue(), 12.0) << row.text;
    }
}

TEST(UnLeftOperators, PlusCopiesMinusNegates)
{
    struct TRow
    {
        double operand, plus, minus;
    };
    const TRow rows[] = {
        {2.5, 2.5, -2.5}, {0.0, 0.0, -0.0}, {-0.0, -0.0, 0.0}, {-INF, -INF, INF}, {NaN, NaN, NaN},
    };
    CUnLeftOperatorPlus plus;
    CUnLeftOperatorMinus minus;
    EXPECT_EQ(plus.getType(), UNLEFT_OPERATOR_PLUS);
    EXPECT_EQ(minus.getType(), UNLEFT_OPERATOR_MINUS);
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.operand);
        CValue result;
        CMessageString text("stale");
        EXPECT_TRUE(plus.perform(CValue(row.operand), result, text));
        EXPECT_TRUE(sameNumber(result.getValue(), row.plus));
        EXPECT_STREQ(text.c_str(), "");
        text = "stale";
        EXPECT_TRUE(minus.perform(CValue(row.operand), result, text));
        EXPECT_TRUE(sameNumber(result.getValue(), row.minus));
        EXPECT_STREQ(text.c_str(), "");
    }
}

TEST(UnLeftOperators, TypeNames)
{
    const char* names[] = {"none", "+ (plus)", "- (minus)", ""};
    for (int kind = 0; kind < 4; ++kind)
        EXPECT_STREQ(unLeftOperatorTypeName(static_cast<TTypeUnLeftOperator>(kind)).c_str(),
                     names[kind])
            << kind;
}
