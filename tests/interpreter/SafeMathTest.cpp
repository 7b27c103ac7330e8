#include "SafeMath.h"

#include "NumericTestSupport.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using namespace xonQMInterpreter;
using namespace ombrixTest;

namespace {

// The edges of the library's error cases, each tested on both sides.
constexpr double EXP_OVERFLOW_EDGE = 709.7822265625;
constexpr double EXP_UNDERFLOW_EDGE = -708.39599609375;
constexpr double HYPERBOLIC_EDGE = 710.4755859375;
constexpr double TWO_POW_53 = 9007199254740992.0;
constexpr double PI_BITS_VALUE = 3.141592653589793;
constexpr double PI_HALF_VALUE = 1.5707963267948966;

double below(double edge)
{
    return std::nextafter(edge, 0.0);
}

enum TExpect { VALUE, FINITE, FAILS };

struct TGuardedCase
{
    const char* call;
    std::function<int(double&)> operation;
    int code;
    TExpect expect;
    double value;
    const char* reason;
};

#define GUARD_OK(call, value, reason)                                                              \
    {                                                                                              \
#call, [](double& r) { return call; }, SAFE_OK, VALUE, value, reason                       \
    }
#define GUARD_FINITE(call, reason)                                                                 \
    {                                                                                              \
#call, [](double& r) { return call; }, SAFE_OK, FINITE, 0.0, reason                        \
    }
#define GUARD_FAILS(call, code, reason)                                                            \
    {                                                                                              \
#call, [](double& r) { return call; }, code, FAILS, 0.0, reason                            \
    }

void runCases(const std::vector<TGuardedCase>& cases)
{
    for (const TGuardedCase& c : cases) {
        SCOPED_TRACE(std::string(c.call) + ": " + c.reason);
        double result = 0.0;
        EXPECT_EQ(c.operation(result), c.code);
        if (c.expect == VALUE) {
            EXPECT_TRUE(sameNumber(result, c.value)) << "got " << result << ", want " << c.value;
        } else if (c.expect == FINITE) {
            EXPECT_TRUE(std::isfinite(result)) << "got " << result;
        }
    }
}

} // namespace

TEST(MathErrorHook, MapsEachKindToItsCodeAndAnswer)
{
    struct TRow
    {
        int kind;
        int cell;
        int answer;
    };
    const TRow rows[] = {
        {MATH_ERROR_DOMAIN, SAFE_ERROR_DOMAIN, 4},
        {MATH_ERROR_SING, SAFE_ERROR_SING, 5},
        {MATH_ERROR_OVERFLOW, SAFE_ERROR_OVERFLOW, 6},
        {MATH_ERROR_UNDERFLOW, SAFE_ERROR_UNDERFLOW, 7},
        {MATH_ERROR_TLOSS, SAFE_ERROR_TLOSS, 8},
        {MATH_ERROR_STACKFAULT, SAFE_ERROR_STACKFAULT, 9},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.kind);
        TMathException record{row.kind, "f", 1.0, 2.0, 0.0};
        EXPECT_EQ(_matherr(record), row.answer);
        EXPECT_EQ(getMathError(), row.cell);
    }
}

TEST(MathErrorHook, LeavesTheCellForUnknownKinds)
{
    TMathException domain{MATH_ERROR_DOMAIN, "f", 0.0, 0.0, 0.0};
    _matherr(domain);
    for (int kind : {int(MATH_ERROR_PLOSS), 0, 8, -1}) {
        SCOPED_TRACE(kind);
        TMathException record{kind, "f", 0.0, 0.0, 0.0};
        EXPECT_EQ(_matherr(record), 0);
        EXPECT_EQ(getMathError(), SAFE_ERROR_DOMAIN);
    }
}

TEST(SafeMath, EveryOperationClearsTheCellBeforeItComputes)
{
    double result = 0.0;
    EXPECT_EQ(safeExp(800.0, result), SAFE_ERROR_OVERFLOW);
    EXPECT_EQ(getMathError(), SAFE_ERROR_OVERFLOW) << "the overflow of exp is the library's report";
    EXPECT_EQ(safeSin(1.0, result), SAFE_OK) << "a stale code must not reach the next operation";
    EXPECT_EQ(getMathError(), SAFE_OK);
    EXPECT_EQ(safeSin(1e16, result), SAFE_ERROR_TLOSS);
    EXPECT_EQ(safeAdd(1.0, 2.0, result), SAFE_OK) << "the addition clears the cell too";
    EXPECT_EQ(getMathError(), SAFE_OK);
    EXPECT_EQ(safeLn(0.0, result), SAFE_ERROR_OVERFLOW);
    EXPECT_EQ(getMathError(), SAFE_OK) << "a pre-check answers without the hook";
}

TEST(SafeMath, AddMultDivMod)
{
    runCases({
        GUARD_OK(safeAdd(1.0, 2.0, r), 3.0, "plain sum"),
        GUARD_FAILS(safeAdd(1e308, 1e308, r), SAFE_ERROR_OVERFLOW, "+infinity is too big"),
        GUARD_OK(safeAdd(-1e308, -1e308, r), -INF, "-infinity passes"),
        GUARD_OK(safeAdd(DBL_MAX, 1.0, r), DBL_MAX, "the largest double itself is no overflow"),
        GUARD_FAILS(safeAdd(NaN, 1.0, r), SAFE_ERROR_OVERFLOW,
                    "a NaN result counts as equal to +infinity"),
        GUARD_FAILS(safeMult(1e308, 10.0, r), SAFE_ERROR_OVERFLOW,
                    "product beyond the largest double"),
        GUARD_OK(safeMult(-1e308, 10.0, r), -INF, "-infinity passes"),
        GUARD_OK(safeDiv(7.0, 2.0, r), 3.5, "plain quotient"),
        GUARD_FAILS(safeDiv(1.0, 0.0, r), SAFE_ERROR_DIVISION_BY_ZERO, "zero divisor"),
        GUARD_FAILS(safeDiv(1.0, -0.0, r), SAFE_ERROR_DIVISION_BY_ZERO, "negative zero divisor"),
        GUARD_FAILS(safeDiv(1.0, NaN, r), SAFE_ERROR_DIVISION_BY_ZERO,
                    "a NaN divisor counts as equal to 0"),
        GUARD_FAILS(safeDiv(1e308, 1e-10, r), SAFE_ERROR_OVERFLOW,
                    "quotient beyond the largest double"),
        GUARD_OK(safeDiv(-1e308, 1e-10, r), -INF, "-infinity passes"),
        GUARD_FAILS(safeMod(7.0, 0.0, r), SAFE_ERROR_DIVISION_BY_ZERO, "zero divisor"),
        GUARD_FAILS(safeMod(7.0, NaN, r), SAFE_ERROR_DIVISION_BY_ZERO,
                    "a NaN divisor counts as equal to 0"),
        GUARD_OK(safeMod(-7.0, 2.0, r), -1.0, "the remainder has the sign of the dividend"),
        GUARD_OK(safeMod(7.0, -2.0, r), 1.0, "the divisor's sign does not matter"),
        GUARD_OK(safeMod(7.5, 2.0, r), 1.5, "real remainder"),
        GUARD_OK(safeMod(7.0, INF, r), 7.0, "an infinite divisor gives the dividend"),
        GUARD_OK(safeMod(INF, 2.0, r), 0.0, "an infinite dividend gives 0"),
    });
}

TEST(SafeMath, Power)
{
    runCases({
        GUARD_OK(safePow(0.0, 0.0, r), 0.0, "0^0 is 0"),
        GUARD_OK(safePow(0.0, 2.0, r), 0.0, "zero base"),
        GUARD_FAILS(safePow(0.0, -1.0, r), SAFE_ERROR_DIVISION_BY_ZERO,
                    "zero base, negative exponent"),
        GUARD_OK(safePow(NaN, 1.0, r), 0.0, "a NaN base counts as equal to 0"),
        GUARD_OK(safePow(5.0, 0.0, r), 1.0, "zero exponent"),
        GUARD_FAILS(safePow(-8.0, 1.0 / 3.0, r), SAFE_ERROR_NEGATIVE_BASE,
                    "negative base, real exponent"),
        GUARD_OK(safePow(-2.0, 3.0, r), -8.0, "odd power of a negative base"),
        GUARD_OK(safePow(-2.0, 2.0, r), 4.0, "even power of a negative base"),
        GUARD_OK(safePow(-2.0, -1.0, r), -0.5, "negative odd exponent"),
        GUARD_OK(safePow(8.0, 1.0 / 3.0, r), 2.0, "real exponent of a positive base"),
        GUARD_FAILS(safePow(2.0, 1024.0, r), SAFE_ERROR_OVERFLOW,
                    "y ln x = 709.7827.. is above 709.78125"),
        GUARD_FINITE(safePow(2.0, 1023.997, r), "y ln x = 709.78063.., just below the edge"),
        GUARD_FAILS(safePow(2.0, 1023.999, r), SAFE_ERROR_OVERFLOW,
                    "709.78202.., above the edge, though finite"),
        GUARD_FAILS(safePow(-2.0, 1025.0, r), SAFE_ERROR_OVERFLOW,
                    "overflow is found before the sign is set"),
        GUARD_FAILS(safePow(10.0, -400.5, r), SAFE_ERROR_UNDERFLOW, "underflow is an error"),
        GUARD_FINITE(safePow(2.0, -1023.997, r),
                     "y ln x just above -709.78125: a subnormal result"),
        GUARD_FAILS(safePow(2.0, -1023.998, r), SAFE_ERROR_UNDERFLOW,
                    "y ln x just below -709.78125"),
        GUARD_FAILS(safePow(1e-310, -1.0, r), SAFE_ERROR_DOMAIN,
                    "subnormal base with a negative exponent"),
        GUARD_FINITE(safePow(DBL_MIN, -1.0, r), "the smallest normal base is no domain error"),
        GUARD_FAILS(safePow(1e-310, 1.0, r), SAFE_ERROR_UNDERFLOW,
                    "y ln x = -713.8.. is below the lower edge"),
        GUARD_FAILS(safePow(1.0, INF, r), SAFE_ERROR_OVERFLOW, "infinite exponent"),
        GUARD_OK(safePow(2.0, NaN, r), 1.0, "a NaN exponent counts as equal to 0"),
        GUARD_FAILS(safePow(0.0, NaN, r), SAFE_ERROR_DIVISION_BY_ZERO,
                    "a NaN exponent counts as less than 0"),
        GUARD_FAILS(safePow(-2.0, -INF, r), SAFE_ERROR_OVERFLOW,
                    "infinite exponent of a negative base"),
        GUARD_FAILS(safePow(INF, 2.0, r), SAFE_ERROR_OVERFLOW, "infinite base, positive exponent"),
        GUARD_FAILS(safePow(INF, -1.0, r), SAFE_ERROR_UNDERFLOW,
                    "infinite base, negative exponent"),
        GUARD_FAILS(safePow(-INF, 3.0, r), SAFE_ERROR_OVERFLOW, "negative infinite base"),
    });
}

TEST(SafeMath, ExponentAndLogarithms)
{
    runCases({
        GUARD_OK(safeExp(0.0, r), 1.0, "e^0"),
        GUARD_OK(safeExp(1.0, r), 2.718281828459045, "the double nearest to e"),
        GUARD_FINITE(safeExp(709.78, r), "below the overflow edge"),
        GUARD_FINITE(safeExp(below(EXP_OVERFLOW_EDGE), r),
                     "the last double below the overflow edge"),
        GUARD_FAILS(safeExp(EXP_OVERFLOW_EDGE, r), SAFE_ERROR_OVERFLOW,
                    "at the overflow edge, though finite"),
        GUARD_FAILS(safeExp(INF, r), SAFE_ERROR_OVERFLOW, "+infinity"),
        GUARD_FAILS(safeExp(-709.0, r), SAFE_ERROR_UNDERFLOW, "underflow is an error"),
        GUARD_FAILS(safeExp(EXP_UNDERFLOW_EDGE, r), SAFE_ERROR_UNDERFLOW, "at the underflow edge"),
        GUARD_FINITE(safeExp(below(EXP_UNDERFLOW_EDGE), r),
                     "the first double above the underflow edge"),
        GUARD_FAILS(safeExp(-INF, r), SAFE_ERROR_UNDERFLOW, "-infinity"),
        GUARD_FAILS(safeExp(NaN, r), SAFE_ERROR_OVERFLOW,
                    "a NaN result counts as equal to +infinity"),
        GUARD_OK(safeLn(1.0, r), 0.0, "ln 1"),
        GUARD_OK(safeLn(2.718281828459045, r), 1.0, "ln e"),
        GUARD_FAILS(safeLn(0.0, r), SAFE_ERROR_OVERFLOW, "ln 0 is -infinity, refused as too big"),
        GUARD_FAILS(safeLn(-0.0, r), SAFE_ERROR_OVERFLOW, "negative zero is zero"),
        GUARD_FAILS(safeLn(-1.0, r), SAFE_ERROR_NEGATIVE_ARGUMENT, "negative argument"),
        GUARD_FAILS(safeLn(NaN, r), SAFE_ERROR_OVERFLOW, "NaN counts as equal to 0"),
        GUARD_FINITE(safeLn(DBL_MAX, r), "the largest double"),
        GUARD_FAILS(safeLn(INF, r), SAFE_ERROR_OVERFLOW, "the library's overflow for +infinity"),
        GUARD_OK(safeLog(1000.0, r), 3.0, "decimal logarithm"),
        GUARD_FAILS(safeLog(0.0, r), SAFE_ERROR_OVERFLOW, "log 0"),
        GUARD_FAILS(safeLog(-1.0, r), SAFE_ERROR_NEGATIVE_ARGUMENT, "negative argument"),
        GUARD_FAILS(safeLog(INF, r), SAFE_ERROR_OVERFLOW, "+infinity"),
        GUARD_OK(safeLogX(2.0, 8.0, r), 3.0, "base first"),
        GUARD_OK(safeLogX(10.0, 1000.0, r), 3.0, "the quotient in extended precision is exact"),
        GUARD_OK(safeLogX(0.5, 4.0, r), -2.0, "base below 1"),
        GUARD_FAILS(safeLogX(1.0, 5.0, r), SAFE_ERROR_OVERFLOW, "base 1"),
        GUARD_FAILS(safeLogX(0.0, 5.0, r), SAFE_ERROR_ZERO_ARGUMENT, "base 0"),
        GUARD_FAILS(safeLogX(-2.0, 5.0, r), SAFE_ERROR_NEGATIVE_ARGUMENT, "negative base"),
        GUARD_FAILS(safeLogX(2.0, 0.0, r), SAFE_ERROR_ZERO_ARGUMENT, "number 0"),
        GUARD_FAILS(safeLogX(2.0, -8.0, r), SAFE_ERROR_NEGATIVE_ARGUMENT, "negative number"),
        GUARD_FAILS(safeLogX(0.0, -1.0, r), SAFE_ERROR_ZERO_ARGUMENT,
                    "the base is checked before the number"),
        GUARD_FAILS(safeLogX(-2.0, 0.0, r), SAFE_ERROR_NEGATIVE_ARGUMENT,
                    "the base is checked before the number"),
        GUARD_FAILS(safeLogX(INF, 5.0, r), SAFE_ERROR_OVERFLOW, "infinite base"),
        GUARD_FAILS(safeLogX(2.0, INF, r), SAFE_ERROR_OVERFLOW, "infinite number"),
    });
}

TEST(SafeMath, RootsAndSquares)
{
    runCases({
        GUARD_OK(safeSqrt(4.0, r), 2.0, "square root"),
        GUARD_OK(safeSqrt(0.0, r), 0.0, "zero"),
        GUARD_OK(safeSqrt(-0.0, r), -0.0, "negative zero is not negative"),
        GUARD_FAILS(safeSqrt(-1.0, r), SAFE_ERROR_NEGATIVE_ARGUMENT, "negative argument"),
        GUARD_FAILS(safeSqrt(NaN, r), SAFE_ERROR_NEGATIVE_ARGUMENT, "NaN counts as less than 0"),
        GUARD_FAILS(safeSqrt(INF, r), SAFE_ERROR_OVERFLOW, "+infinity"),
        GUARD_OK(safeSqr(-3.0, r), 9.0, "square"),
        GUARD_OK(safeSqr(1e154, r), 1e308, "just representable"),
        GUARD_FAILS(safeSqr(-1e155, r), SAFE_ERROR_OVERFLOW,
                    "the square of a negative number overflows upwards"),
    });
}

TEST(SafeMath, Trigonometry)
{
    runCases({
        GUARD_OK(safeSin(0.0, r), 0.0, "sin 0"),
        GUARD_OK(safeCos(0.0, r), 1.0, "cos 0"),
        GUARD_FINITE(safeSin(below(TWO_POW_53), r), "below 2^53"),
        GUARD_FAILS(safeSin(TWO_POW_53, r), SAFE_ERROR_TLOSS,
                    "from 2^53 no digit of the reduced argument is left"),
        GUARD_FAILS(safeSin(-TWO_POW_53, r), SAFE_ERROR_TLOSS, "the magnitude counts"),
        GUARD_FAILS(safeSin(1e16, r), SAFE_ERROR_TLOSS, "total loss"),
        GUARD_FAILS(safeSin(INF, r), SAFE_ERROR_TLOSS, "infinity"),
        GUARD_FAILS(safeSin(NaN, r), SAFE_ERROR_TLOSS, "NaN"),
        GUARD_FINITE(safeCos(below(TWO_POW_53), r), "below 2^53"),
        GUARD_FAILS(safeCos(TWO_POW_53, r), SAFE_ERROR_TLOSS, "at 2^53"),
        GUARD_FAILS(safeCos(1e16, r), SAFE_ERROR_TLOSS, "total loss"),
        GUARD_OK(safeTg(0.0, r), 0.0, "tg 0"),
        GUARD_OK(safeTg(NaN, r), 0.0, "NaN counts as equal to 0"),
        GUARD_FAILS(safeTg(PI_HALF_VALUE, r), SAFE_ERROR_DIVISION_BY_ZERO, "pole at pi/2"),
        GUARD_FAILS(safeTg(-PI_HALF_VALUE, r), SAFE_ERROR_DIVISION_BY_ZERO, "pole at -pi/2"),
        GUARD_FAILS(safeTg(3.0 * PI_HALF_VALUE, r), SAFE_ERROR_DIVISION_BY_ZERO,
                    "pole at 3 pi/2 as one double"),
        GUARD_FINITE(safeTg(below(PI_HALF_VALUE), r), "the double below the pole"),
        GUARD_FINITE(safeTg(PI_BITS_VALUE, r), "pi is no pole"),
        GUARD_FAILS(safeTg(1e16, r), SAFE_ERROR_TLOSS, "odd half-period count, total loss"),
        GUARD_FAILS(safeTg(1e17, r), SAFE_ERROR_DIVISION_BY_ZERO,
                    "the half-period count is an even integer"),
        GUARD_FAILS(safeTg(INF, r), SAFE_ERROR_DIVISION_BY_ZERO, "the remainder of infinity is 0"),
        GUARD_OK(safeArcCos(1.0, r), 0.0, "exact at 1"),
        GUARD_OK(safeArcCos(-1.0, r), PI_BITS_VALUE, "exactly pi at -1"),
        GUARD_OK(safeArcCos(0.0, r), PI_HALF_VALUE, "pi/2 at 0"),
        GUARD_FAILS(safeArcCos(std::nextafter(1.0, 2.0), r), SAFE_ERROR_OUT_OF_RANGE,
                    "just above 1"),
        GUARD_FINITE(safeArcCos(below(1.0), r), "just below 1"),
        GUARD_FAILS(safeArcCos(std::nextafter(-1.0, -2.0), r), SAFE_ERROR_OUT_OF_RANGE,
                    "just below -1"),
        GUARD_FAILS(safeArcCos(NaN, r), SAFE_ERROR_OUT_OF_RANGE, "NaN counts as less than -1"),
        GUARD_OK(safeArcSin(1.0, r), PI_HALF_VALUE, "exactly pi/2 at 1"),
        GUARD_OK(safeArcSin(-1.0, r), -PI_HALF_VALUE, "exactly -pi/2 at -1"),
        GUARD_FAILS(safeArcSin(1.0000001, r), SAFE_ERROR_OUT_OF_RANGE, "above 1"),
        GUARD_FAILS(safeArcSin(-1.0000001, r), SAFE_ERROR_OUT_OF_RANGE, "below -1"),
        GUARD_FINITE(safeArcSin(std::nextafter(-1.0, 0.0), r), "just above -1"),
        GUARD_OK(safeArcTg(INF, r), PI_HALF_VALUE, "arc tangent of infinity"),
        GUARD_FAILS(safeArcTg(NaN, r), SAFE_ERROR_OVERFLOW,
                    "a NaN result counts as equal to +infinity"),
    });
}

TEST(SafeMath, Hyperbolic)
{
    runCases({
        GUARD_OK(safeCh(0.0, r), 1.0, "ch 0"),
        GUARD_OK(safeSh(0.0, r), 0.0, "sh 0"),
        GUARD_OK(safeTh(INF, r), 1.0, "th of infinity"),
        GUARD_FINITE(safeCh(below(HYPERBOLIC_EDGE), r), "below the edge"),
        GUARD_FAILS(safeCh(HYPERBOLIC_EDGE, r), SAFE_ERROR_OVERFLOW, "at the edge"),
        GUARD_FAILS(safeCh(-HYPERBOLIC_EDGE, r), SAFE_ERROR_OVERFLOW, "the magnitude counts"),
        GUARD_FAILS(safeCh(NaN, r), SAFE_ERROR_OVERFLOW, "NaN"),
        GUARD_FINITE(safeSh(below(HYPERBOLIC_EDGE), r), "below the edge"),
        GUARD_FINITE(safeSh(-below(HYPERBOLIC_EDGE), r), "below the edge, negative"),
        GUARD_FAILS(safeSh(HYPERBOLIC_EDGE, r), SAFE_ERROR_OVERFLOW, "at the edge"),
        GUARD_FAILS(safeSh(-711.0, r), SAFE_ERROR_OVERFLOW,
                    "-infinity from the library still overflows"),
        GUARD_FAILS(safeTh(NaN, r), SAFE_ERROR_OVERFLOW,
                    "a NaN result counts as equal to +infinity"),
    });
}

TEST(NumericFunctions, ConstantsHaveTheirExactBits)
{
    EXPECT_EQ(bitsOf(getPi()), 0x400921FB54442D18u);
    EXPECT_EQ(bitsOf(getPiHalf()), 0x3FF921FB54442D18u);
}

TEST(NumericFunctions, ComparisonsFollowTheNaNRule)
{
    struct TRow
    {
        double a, b;
        double equal, great, less, equalGreat, equalLess;
        const char* reason;
    };
    const TRow rows[] = {
        {1.0, 2.0, 0, 0, 1, 0, 1, "less"},
        {2.0, 1.0, 0, 1, 0, 1, 0, "greater"},
        {2.0, 2.0, 1, 0, 0, 1, 1, "equal"},
        {0.0, -0.0, 1, 0, 0, 1, 1, "the zeros are equal"},
        {0.1 + 0.2, 0.3, 0, 1, 0, 1, 0, "no tolerance"},
        {NaN, 1.0, 1, 0, 1, 0, 1, "a NaN pair is equal and less"},
        {1.0, NaN, 1, 0, 1, 0, 1, "on either side"},
        {-INF, INF, 0, 0, 1, 0, 1, "infinities"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.reason);
        EXPECT_EQ(isEqual(row.a, row.b), row.equal);
        EXPECT_EQ(isGreat(row.a, row.b), row.great);
        EXPECT_EQ(isLess(row.a, row.b), row.less);
        EXPECT_EQ(isEqualGreat(row.a, row.b), row.equalGreat);
        EXPECT_EQ(isEqualLess(row.a, row.b), row.equalLess);
    }
}

TEST(NumericFunctions, ChoiceRoundingEvennessAndAngles)
{
    struct TRow
    {
        const char* call;
        double value;
        double expected;
    };
    const TRow rows[] = {
        {"ifElse(0, 1, 2)", ifElse(0.0, 1.0, 2.0), 2.0},
        {"ifElse(-0, 1, 2)", ifElse(-0.0, 1.0, 2.0), 2.0},
        {"ifElse(-0.001, 1, 2)", ifElse(-0.001, 1.0, 2.0), 1.0},
        {"ifElse(NaN, 1, 2): NaN counts as 0", ifElse(NaN, 1.0, 2.0), 2.0},
        {"round(2.5): halves go up", xonQMInterpreter::round(2.5), 3.0},
        {"round(-2.5): halves go up", xonQMInterpreter::round(-2.5), -2.0},
        {"round(-0.5)", xonQMInterpreter::round(-0.5), 0.0},
        {"round(-2.6)", xonQMInterpreter::round(-2.6), -3.0},
        {"round(2.4999999999999996)", xonQMInterpreter::round(2.4999999999999996), 2.0},
        {"round(inf)", xonQMInterpreter::round(INF), INF},
        {"isEven(-4)", isEven(-4.0), 1.0},
        {"isEven(3)", isEven(3.0), 0.0},
        {"isEven(2.5)", isEven(2.5), 0.0},
        {"isEven(inf): the library's remainder of infinity is 0", isEven(INF), 1.0},
        {"degreeToRadian(180): exact through the extended factor", degreeToRadian(180.0), getPi()},
        {"degreeToRadian(90)", degreeToRadian(90.0), getPiHalf()},
        {"radianToDegree(pi)", radianToDegree(getPi()), 180.0},
        {"radianToDegree(1e307) overflows without a code", radianToDegree(1e307), INF},
    };
    for (const TRow& row : rows)
        EXPECT_TRUE(sameNumber(row.value, row.expected)) << row.call << ": got " << row.value;
}
