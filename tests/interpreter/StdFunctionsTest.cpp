#include "StdFunctions.h"

#include "Constants.h"
#include "NumericTestSupport.h"
#include "SafeMath.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace xonQMInterpreter;
using namespace ombrixTest;

namespace {

constexpr double UNTOUCHED = 42.0;
const std::string LEAD = "error at execution of the standard function : '";

struct TFailure
{
    std::shared_ptr<CStdFunction> function;
    std::vector<double> arguments;
    std::string text;
    const char* reason;
};

template <class T>
std::shared_ptr<CStdFunction> make()
{
    return std::make_shared<T>();
}

void expectFailures(const std::vector<TFailure>& calls)
{
    for (const TFailure& call : calls) {
        SCOPED_TRACE(std::string(call.function->getName().c_str()) + ": " + call.reason);
        CValue result(UNTOUCHED);
        CMessageString errorText("stale");
        EXPECT_FALSE(call.function->perform(valuesOf(call.arguments), result, errorText));
        EXPECT_EQ(std::string(errorText.c_str()), call.text);
        EXPECT_EQ(result.getValue(), UNTOUCHED) << "a failure leaves the result";
    }
}

std::string failure(const char* name, const char* detail = nullptr)
{
    return LEAD + name + "'" + (detail ? std::string(", ") + detail : std::string());
}

const char* const TOO_BIG = "too big number";
const char* const DIVISION_BY_ZERO = "division by zero";
const char* const NEGATIVE = "the negative number as parameter is not allowable";
const char* const ZERO = "the zero number as parameter is not allowable";
const char* const OUT_OF_RANGE = "the parameter of function should be within from -1 up to 1";

} // namespace

// One row or more for each of the 33 functions: its name, its arity (the row's argument
// count) and a result.
TEST(StdFunctions, NamesAritiesAndResults)
{
    struct TResult
    {
        const char* name;
        std::shared_ptr<CStdFunction> function;
        std::vector<double> arguments;
        double value;
        const char* reason;
    };
    const double pi = getPi();
    const TResult rows[] = {
        {"max", make<CFunctionMax>(), {1, 2}, 2, "the greater"},
        {"max", make<CFunctionMax>(), {2, 1}, 2, "the greater, first"},
        {"max", make<CFunctionMax>(), {NaN, 1}, 1, "NaN counts as less"},
        {"min", make<CFunctionMin>(), {2, 1}, 1, "the lesser"},
        {"min", make<CFunctionMin>(), {1, 2}, 1, "the lesser, first"},
        {"min", make<CFunctionMin>(), {NaN, 1}, NaN, "NaN counts as less"},
        {"isequal", make<CFunctionIsEqual>(), {0.1 + 0.2, 0.3}, 0, "no tolerance"},
        {"isequal", make<CFunctionIsEqual>(), {NaN, 5}, 1, "NaN counts as equal"},
        {"isgreat", make<CFunctionIsGreat>(), {2, 1}, 1, "greater"},
        {"isless", make<CFunctionIsLess>(), {2, 1}, 0, "not less"},
        {"isegreat", make<CFunctionIsEqualGreat>(), {2, 2}, 1, "equal is not less"},
        {"iseless", make<CFunctionIsEqualLess>(), {3, 2}, 0, "greater"},
        {"ifelse", make<CFunctionIfElse>(), {0, 1, 2}, 2, "zero chooses the third"},
        {"ifelse", make<CFunctionIfElse>(), {-0.001, 1, 2}, 1, "non-zero chooses the second"},
        {"toradian", make<CFunctionDegreeToRadian>(), {180}, pi, "half a turn"},
        {"todegree", make<CFunctionRadianToDegree>(), {pi}, 180, "half a turn"},
        {"todegree",
         make<CFunctionRadianToDegree>(),
         {1e307},
         INF,
         "unguarded: infinity without a message"},
        {"percent", make<CFunctionPercent>(), {50, 200}, 25, "what percent 50 is of 200"},
        {"percent", make<CFunctionPercent>(), {-1e307, 1}, -INF, "-infinity passes"},
        {"pratio", make<CFunctionPRatio>(), {50, 200}, 100, "50 percent of 200"},
        {"abs", make<CFunctionAbs>(), {-0.0}, 0.0, "abs(-0) is +0"},
        {"abs", make<CFunctionAbs>(), {-3}, 3, "magnitude"},
        {"floor", make<CFunctionFloor>(), {-0.5}, -1, "downwards"},
        {"round", make<CFunctionRound>(), {2.5}, 3, "halves go up"},
        {"round", make<CFunctionRound>(), {-2.5}, -2, "halves go up"},
        {"iseven", make<CFunctionIsEven>(), {4}, 1, "even"},
        {"iseven", make<CFunctionIsEven>(), {4.5}, 0, "not whole"},
        {"exp", make<CFunctionExp>(), {1}, 2.718281828459045, "e"},
        {"pow", make<CFunctionPow>(), {0, 0}, 0, "0^0 is 0"},
        {"pow", make<CFunctionPow>(), {2, 10}, 1024, "power"},
        {"mod", make<CFunctionMod>(), {-7, 2}, -1, "sign of the dividend"},
        {"ln", make<CFunctionLn>(), {1}, 0, "ln 1"},
        {"log", make<CFunctionLog>(), {1000}, 3, "decimal"},
        {"logx", make<CFunctionLogX>(), {2, 8}, 3, "base first"},
        {"sqr", make<CFunctionSqr>(), {-3}, 9, "square"},
        {"sqrt", make<CFunctionSqrt>(), {0}, 0, "zero"},
        {"sqrt", make<CFunctionSqrt>(), {-0.0}, -0.0, "negative zero"},
        {"sin", make<CFunctionSin>(), {0}, 0, "sin 0"},
        {"cos", make<CFunctionCos>(), {0}, 1, "cos 0"},
        {"arccos", make<CFunctionArcCos>(), {-1}, pi, "exactly pi"},
        {"arcsin", make<CFunctionArcSin>(), {1}, getPiHalf(), "exactly pi/2"},
        {"ch", make<CFunctionCh>(), {0}, 1, "ch 0"},
        {"sh", make<CFunctionSh>(), {0}, 0, "sh 0"},
        {"tg", make<CFunctionTg>(), {0}, 0, "tg 0"},
        {"arctg", make<CFunctionArcTg>(), {1}, pi / 4, "a quarter of pi"},
        {"th", make<CFunctionTh>(), {INF}, 1, "th of infinity"},
    };
    for (const TResult& row : rows) {
        SCOPED_TRACE(std::string(row.name) + ": " + row.reason);
        EXPECT_STREQ(row.function->getName().c_str(), row.name);
        EXPECT_EQ(row.function->getCountParameters(), static_cast<int>(row.arguments.size()));
        EXPECT_EQ(row.function->getSignature().getKind(), CSignature::DEFAULT_KIND);
        CValue result(UNTOUCHED);
        CMessageString errorText("stale");
        EXPECT_TRUE(row.function->perform(valuesOf(row.arguments), result, errorText));
        EXPECT_STREQ(errorText.c_str(), "");
        EXPECT_TRUE(sameNumber(result.getValue(), row.value)) << result.getValue();
    }
}

TEST(StdFunctions, FailuresNameTheFunctionAndTheCause)
{
    expectFailures({
        {make<CFunctionLn>(), {0}, failure("ln", TOO_BIG), "ln 0"},
        {make<CFunctionLn>(), {-1}, failure("ln", NEGATIVE), "negative"},
        {make<CFunctionLog>(), {0}, failure("log", TOO_BIG), "log 0"},
        {make<CFunctionLog>(), {-1}, failure("log", NEGATIVE), "negative"},
        {make<CFunctionSqrt>(), {-1}, failure("sqrt", NEGATIVE), "negative"},
        {make<CFunctionSqrt>(), {INF}, failure("sqrt", TOO_BIG), "infinity"},
        {make<CFunctionTg>(), {getPi() / 2}, failure("tg", DIVISION_BY_ZERO), "pole"},
        {make<CFunctionTg>(), {1e16}, failure("tg"), "total loss: no detail"},
        {make<CFunctionArcCos>(), {2}, failure("arccos", OUT_OF_RANGE), "above 1"},
        {make<CFunctionArcSin>(), {-2}, failure("arcsin", OUT_OF_RANGE), "below -1"},
        {make<CFunctionLogX>(), {1, 10}, failure("logx", TOO_BIG), "base 1"},
        {make<CFunctionLogX>(), {0, 10}, failure("logx", ZERO), "base 0"},
        {make<CFunctionLogX>(), {-2, 10}, failure("logx", NEGATIVE), "negative base"},
        {make<CFunctionLogX>(), {2, 0}, failure("logx", ZERO), "number 0"},
        {make<CFunctionPow>(), {0, -1}, failure("pow", DIVISION_BY_ZERO), "comma, unlike '^'"},
        {make<CFunctionPow>(),
         {-8, 1.0 / 3.0},
         failure("pow", "the negative basis at a real parameter"),
         "negative base"},
        {make<CFunctionPow>(), {10, 400}, failure("pow", TOO_BIG), "overflow"},
        {make<CFunctionPow>(), {10, -400.5}, failure("pow"), "underflow: no detail"},
        {make<CFunctionPow>(), {1e-310, -1}, failure("pow"), "domain: no detail"},
        {make<CFunctionExp>(), {800}, failure("exp", TOO_BIG), "overflow"},
        {make<CFunctionExp>(), {-800}, failure("exp"), "underflow: no detail"},
        {make<CFunctionSin>(), {1e16}, failure("sin"), "total loss"},
        {make<CFunctionCos>(), {1e16}, failure("cos"), "total loss"},
        {make<CFunctionPercent>(), {1, 0}, failure("percent", DIVISION_BY_ZERO), "of nothing"},
        {make<CFunctionPercent>(), {1e307, 1}, failure("percent", TOO_BIG), "a*100 is infinite"},
        {make<CFunctionPRatio>(), {1e307, 1e300}, failure("pratio", TOO_BIG), "overflow"},
        {make<CFunctionMod>(), {7, 0}, failure("mod", DIVISION_BY_ZERO), "zero divisor"},
        {make<CFunctionSqr>(), {1e155}, failure("sqr", TOO_BIG), "overflow"},
        {make<CFunctionCh>(), {711}, failure("ch", TOO_BIG), "overflow"},
        {make<CFunctionSh>(), {-711}, failure("sh", TOO_BIG), "overflow downwards"},
        {make<CFunctionArcTg>(), {NaN}, failure("arctg", TOO_BIG), "a NaN result"},
        {make<CFunctionTh>(), {NaN}, failure("th", TOO_BIG), "a NaN result"},
    });
}

TEST(StdFunctions, WrongArgumentCount)
{
    const std::string head = "wrong number of parameters in function, function ";
    expectFailures({
        {make<CFunctionMax>(),
         {1, 2, 3},
         head
             + "max has the following number of parameters 2, the established number of parameters 3",
         "too many"},
        {make<CFunctionIfElse>(),
         {},
         head
             + "ifelse has the following number of parameters 3, the established number of parameters 0",
         "none"},
        {make<CFunctionSin>(),
         {1, 2},
         head
             + "sin has the following number of parameters 1, the established number of parameters 2",
         "two"},
    });
}

TEST(Signature, CountIsNeverNegative)
{
    CSignature signature(CSignature::DEFAULT_KIND, -3);
    EXPECT_EQ(signature.getCountParameters(), 0);
    signature.set(CSignature::DEFAULT_KIND, 4);
    EXPECT_EQ(signature.getCountParameters(), 4);
    signature.reset();
    EXPECT_EQ(signature.getCountParameters(), 0);
    EXPECT_EQ(signature.getKind(), CSignature::DEFAULT_KIND);
}

TEST(Constants, NamesAndExactValues)
{
    CConstantPI pi;
    CConstantEXP e;
    EXPECT_STREQ(pi.getName().c_str(), "_PI");
    EXPECT_EQ(bitsOf(pi.getValue().getValue()), 0x400921FB54442D18u);
    EXPECT_STREQ(e.getName().c_str(), "_E");
    EXPECT_EQ(bitsOf(e.getValue().getValue()), 0x4005BF0A8B145703u) << "e to twelve decimals";
    double exp1 = 0.0;
    ASSERT_EQ(safeExp(1.0, exp1), SAFE_OK);
    EXPECT_NE(e.getValue().getValue(), exp1) << "_E is not exp(1)";
}
