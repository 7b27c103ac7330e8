#include "Constants.h"
#include "SafeMath.h"
#include "StdFunctions.h"

#include "NumericTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace xonQMInterpreter;
using namespace ombrixTest;

namespace {

constexpr double UNTOUCHED = 42.0;
const std::string LEAD = "error at execution of the standard function : '";

struct TCall
{
    std::shared_ptr<CStdFunction> function;
    std::vector<double> arguments;
    bool ok;
    double value;          // the result on success
    std::string text;      // the error text on failure
    const char* reason;
};

template <class T>
std::shared_ptr<CStdFunction> make()
{
    return std::make_shared<T>();
}

void runCalls(const std::vector<TCall>& calls)
{
    for (const TCall& call : calls) {
        SCOPED_TRACE(std::string(call.function->getName().c_str()) + ": " + call.reason);
        CValue result(UNTOUCHED);
        CMessageString errorText("stale");
        EXPECT_EQ(call.function->perform(valuesOf(call.arguments), result, errorText), call.ok);
        EXPECT_EQ(std::string(errorText.c_str()), call.ok ? std::string() : call.text);
        EXPECT_TRUE(sameNumber(result.getValue(), call.ok ? call.value : UNTOUCHED)) << result.getValue();
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

TEST(StdFunctions, NamesAndArities)
{
    struct TRow
    {
        std::shared_ptr<CStdFunction> function;
        const char* name;
        int arity;
    };
    const TRow rows[] = {
        {make<CFunctionMax>(), "max", 2},
        {make<CFunctionMin>(), "min", 2},
        {make<CFunctionIsEqual>(), "isequal", 2},
        {make<CFunctionIsGreat>(), "isgreat", 2},
        {make<CFunctionIsLess>(), "isless", 2},
        {make<CFunctionIsEqualGreat>(), "isegreat", 2},
        {make<CFunctionIsEqualLess>(), "iseless", 2},
        {make<CFunctionIfElse>(), "ifelse", 3},
        {make<CFunctionDegreeToRadian>(), "toradian", 1},
        {make<CFunctionRadianToDegree>(), "todegree", 1},
        {make<CFunctionPercent>(), "percent", 2},
        {make<CFunctionPRatio>(), "pratio", 2},
        {make<CFunctionAbs>(), "abs", 1},
        {make<CFunctionFloor>(), "floor", 1},
        {make<CFunctionRound>(), "round", 1},
        {make<CFunctionIsEven>(), "iseven", 1},
        {make<CFunctionExp>(), "exp", 1},
        {make<CFunctionPow>(), "pow", 2},
        {make<CFunctionMod>(), "mod", 2},
        {make<CFunctionLn>(), "ln", 1},
        {make<CFunctionLog>(), "log", 1},
        {make<CFunctionLogX>(), "logx", 2},
        {make<CFunctionSqr>(), "sqr", 1},
        {make<CFunctionSqrt>(), "sqrt", 1},
        {make<CFunctionSin>(), "sin", 1},
        {make<CFunctionCos>(), "cos", 1},
        {make<CFunctionArcCos>(), "arccos", 1},
        {make<CFunctionArcSin>(), "arcsin", 1},
        {make<CFunctionCh>(), "ch", 1},
        {make<CFunctionSh>(), "sh", 1},
        {make<CFunctionTg>(), "tg", 1},
        {make<CFunctionArcTg>(), "arctg", 1},
        {make<CFunctionTh>(), "th", 1},
    };
    for (const TRow& row : rows) {
        EXPECT_STREQ(row.function->getName().c_str(), row.name);
        EXPECT_EQ(row.function->getCountParameters(), row.arity) << row.name;
        EXPECT_EQ(row.function->getSignature().getKind(), CSignature::DEFAULT_KIND) << row.name;
    }
}

TEST(StdFunctions, Results)
{
    const double pi = getPi();
    runCalls({
        {make<CFunctionMax>(), {1, 2}, true, 2, "", "the greater"},
        {make<CFunctionMax>(), {2, 1}, true, 2, "", "the greater, first"},
        {make<CFunctionMax>(), {NaN, 1}, true, 1, "", "NaN counts as less"},
        {make<CFunctionMin>(), {2, 1}, true, 1, "", "the lesser"},
        {make<CFunctionMin>(), {1, 2}, true, 1, "", "the lesser, first"},
        {make<CFunctionMin>(), {NaN, 1}, true, NaN, "", "NaN counts as less"},
        {make<CFunctionIsEqual>(), {0.1 + 0.2, 0.3}, true, 0, "", "no tolerance"},
        {make<CFunctionIsEqual>(), {NaN, 5}, true, 1, "", "NaN counts as equal"},
        {make<CFunctionIsGreat>(), {2, 1}, true, 1, "", "greater"},
        {make<CFunctionIsLess>(), {2, 1}, true, 0, "", "not less"},
        {make<CFunctionIsEqualGreat>(), {2, 2}, true, 1, "", "equal is not less"},
        {make<CFunctionIsEqualLess>(), {3, 2}, true, 0, "", "greater"},
        {make<CFunctionIfElse>(), {0, 1, 2}, true, 2, "", "zero chooses the third"},
        {make<CFunctionIfElse>(), {-0.001, 1, 2}, true, 1, "", "non-zero chooses the second"},
        {make<CFunctionDegreeToRadian>(), {180}, true, pi, "", "half a turn"},
        {make<CFunctionRadianToDegree>(), {pi}, true, 180, "", "half a turn"},
        {make<CFunctionRadianToDegree>(), {1e307}, true, INF, "", "unguarded: infinity without a message"},
        {make<CFunctionPercent>(), {50, 200}, true, 25, "", "what percent 50 is of 200"},
        {make<CFunctionPercent>(), {-1e307, 1}, true, -INF, "", "-infinity passes"},
        {make<CFunctionPRatio>(), {50, 200}, true, 100, "", "50 percent of 200"},
        {make<CFunctionAbs>(), {-0.0}, true, 0.0, "", "abs(-0) is +0"},
        {make<CFunctionAbs>(), {-3}, true, 3, "", "magnitude"},
        {make<CFunctionFloor>(), {-0.5}, true, -1, "", "downwards"},
        {make<CFunctionRound>(), {2.5}, true, 3, "", "halves go up"},
        {make<CFunctionRound>(), {-2.5}, true, -2, "", "halves go up"},
        {make<CFunctionIsEven>(), {4}, true, 1, "", "even"},
        {make<CFunctionIsEven>(), {4.5}, true, 0, "", "not whole"},
        {make<CFunctionExp>(), {1}, true, 2.718281828459045, "", "e"},
        {make<CFunctionPow>(), {0, 0}, true, 0, "", "0^0 is 0"},
        {make<CFunctionPow>(), {2, 10}, true, 1024, "", "power"},
        {make<CFunctionMod>(), {-7, 2}, true, -1, "", "sign of the dividend"},
        {make<CFunctionLn>(), {1}, true, 0, "", "ln 1"},
        {make<CFunctionLog>(), {1000}, true, 3, "", "decimal"},
        {make<CFunctionLogX>(), {2, 8}, true, 3, "", "base first"},
        {make<CFunctionSqr>(), {-3}, true, 9, "", "square"},
        {make<CFunctionSqrt>(), {0}, true, 0, "", "zero"},
        {make<CFunctionSqrt>(), {-0.0}, true, -0.0, "", "negative zero"},
        {make<CFunctionSin>(), {0}, true, 0, "", "sin 0"},
        {make<CFunctionCos>(), {0}, true, 1, "", "cos 0"},
        {make<CFunctionArcCos>(), {-1}, true, pi, "", "exactly pi"},
        {make<CFunctionArcSin>(), {1}, true, getPiHalf(), "", "exactly pi/2"},
        {make<CFunctionCh>(), {0}, true, 1, "", "ch 0"},
        {make<CFunctionSh>(), {0}, true, 0, "", "sh 0"},
        {make<CFunctionTg>(), {0}, true, 0, "", "tg 0"},
        {make<CFunctionArcTg>(), {1}, true, pi / 4, "", "a quarter of pi"},
        {make<CFunctionTh>(), {INF}, true, 1, "", "th of infinity"},
    });
}

TEST(StdFunctions, FailuresNameTheFunctionAndTheCause)
{
    runCalls({
        {make<CFunctionLn>(), {0}, false, 0, failure("ln", TOO_BIG), "ln 0"},
        {make<CFunctionLn>(), {-1}, false, 0, failure("ln", NEGATIVE), "negative"},
        {make<CFunctionLog>(), {0}, false, 0, failure("log", TOO_BIG), "log 0"},
        {make<CFunctionLog>(), {-1}, false, 0, failure("log", NEGATIVE), "negative"},
        {make<CFunctionSqrt>(), {-1}, false, 0, failure("sqrt", NEGATIVE), "negative"},
        {make<CFunctionSqrt>(), {INF}, false, 0, failure("sqrt", TOO_BIG), "infinity"},
        {make<CFunctionTg>(), {getPi() / 2}, false, 0, failure("tg", DIVISION_BY_ZERO), "pole"},
        {make<CFunctionTg>(), {1e16}, false, 0, failure("tg"), "total loss: no detail"},
        {make<CFunctionArcCos>(), {2}, false, 0, failure("arccos", OUT_OF_RANGE), "above 1"},
        {make<CFunctionArcSin>(), {-2}, false, 0, failure("arcsin", OUT_OF_RANGE), "below -1"},
        {make<CFunctionLogX>(), {1, 10}, false, 0, failure("logx", TOO_BIG), "base 1"},
        {make<CFunctionLogX>(), {0, 10}, false, 0, failure("logx", ZERO), "base 0"},
        {make<CFunctionLogX>(), {-2, 10}, false, 0, failure("logx", NEGATIVE), "negative base"},
        {make<CFunctionLogX>(), {2, 0}, false, 0, failure("logx", ZERO), "number 0"},
        {make<CFunctionPow>(), {0, -1}, false, 0, failure("pow", DIVISION_BY_ZERO), "comma, unlike '^'"},
        {make<CFunctionPow>(), {-8, 1.0 / 3.0}, false, 0, failure("pow", "the negative basis at a real parameter"),
         "negative base"},
        {make<CFunctionPow>(), {10, 400}, false, 0, failure("pow", TOO_BIG), "overflow"},
        {make<CFunctionPow>(), {10, -400.5}, false, 0, failure("pow"), "underflow: no detail"},
        {make<CFunctionPow>(), {1e-310, -1}, false, 0, failure("pow"), "domain: no detail"},
        {make<CFunctionExp>(), {800}, false, 0, failure("exp", TOO_BIG), "overflow"},
        {make<CFunctionExp>(), {-800}, false, 0, failure("exp"), "underflow: no detail"},
        {make<CFunctionSin>(), {1e16}, false, 0, failure("sin"), "total loss"},
        {make<CFunctionCos>(), {1e16}, false, 0, failure("cos"), "total loss"},
        {make<CFunctionPercent>(), {1, 0}, false, 0, failure("percent", DIVISION_BY_ZERO), "of nothing"},
        {make<CFunctionPercent>(), {1e307, 1}, false, 0, failure("percent", TOO_BIG), "a*100 is infinite"},
        {make<CFunctionPRatio>(), {1e307, 1e300}, false, 0, failure("pratio", TOO_BIG), "overflow"},
        {make<CFunctionMod>(), {7, 0}, false, 0, failure("mod", DIVISION_BY_ZERO), "zero divisor"},
        {make<CFunctionSqr>(), {1e155}, false, 0, failure("sqr", TOO_BIG), "overflow"},
        {make<CFunctionCh>(), {711}, false, 0, failure("ch", TOO_BIG), "overflow"},
        {make<CFunctionSh>(), {-711}, false, 0, failure("sh", TOO_BIG), "overflow downwards"},
        {make<CFunctionArcTg>(), {NaN}, false, 0, failure("arctg", TOO_BIG), "a NaN result"},
        {make<CFunctionTh>(), {NaN}, false, 0, failure("th", TOO_BIG), "a NaN result"},
    });
}

TEST(StdFunctions, WrongArgumentCount)
{
    const std::string head = "wrong number of parameters in function, function ";
    runCalls({
        {make<CFunctionMax>(), {1, 2, 3}, false, 0,
         head + "max has the following number of parameters 2, the established number of parameters 3", "too many"},
        {make<CFunctionIfElse>(), {}, false, 0,
         head + "ifelse has the following number of parameters 3, the established number of parameters 0", "none"},
        {make<CFunctionSin>(), {1, 2}, false, 0,
         head + "sin has the following number of parameters 1, the established number of parameters 2", "two"},
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
