#include "SafeMath.h"

#include <cmath>
#include <limits>

namespace xonQMInterpreter {

namespace {

constexpr double PI = 3.141592653589793;
constexpr double PI_HALF = 1.5707963267948966;
constexpr double PLUS_INFINITY = std::numeric_limits<double>::infinity();

// Where the library calls meet their error cases. The platform library has no error hook,
// so the cases are checked around each call and reported to the hook as the library would.
constexpr double EXP_OVERFLOW_LIMIT = 709.7822265625;    // upper word 40862E42 hex
constexpr double EXP_UNDERFLOW_LIMIT = -708.39599609375; // magnitude's upper word 4086232B hex
constexpr long double POW_EXPONENT_LIMIT = 709.78125L;   // bound on |y * ln x|
constexpr double HYPERBOLIC_OVERFLOW_LIMIT = 710.4755859375;
constexpr double TRIGONOMETRIC_LOSS_LIMIT = 9007199254740992.0; // 2^53

// A tangent argument whose distance in half-periods from the first pole, taken modulo 2,
// is below this lies on a pole.
constexpr double TANGENT_POLE_TOLERANCE = 1e-51;

enum TOverflowTest { WITHOUT_OVERFLOW_TEST, WITH_OVERFLOW_TEST };

// The math-error cell. The interpreter runs on one thread, so it needs no lock.
int g_MathError = SAFE_OK;

void reportMathError(int kind, const char* name, double arg1, double arg2, double retval)
{
    TMathException record{kind, name, arg1, arg2, retval};
    _matherr(record);
}

// --- The library calls with their error cases ---

double libExp(double x)
{
    const double value = std::exp(x);
    if (x >= EXP_OVERFLOW_LIMIT)
        reportMathError(MATH_ERROR_OVERFLOW, "exp", x, 0.0, value);
    else if (x <= EXP_UNDERFLOW_LIMIT)
        reportMathError(MATH_ERROR_UNDERFLOW, "exp", x, 0.0, value);
    return value;
}

// For x > 0 only: the guarded power takes signs and zero apart before it gets here.
int powErrorKind(double x, double y)
{
    if (std::fpclassify(x) == FP_SUBNORMAL && y < 0.0)
        return MATH_ERROR_DOMAIN;
    if (!std::isfinite(y))
        return MATH_ERROR_OVERFLOW;
    if (std::isinf(x))
        return y >= 0.0 ? MATH_ERROR_OVERFLOW : MATH_ERROR_UNDERFLOW;
    const long double exponent = static_cast<long double>(y)
                                 * std::log(static_cast<long double>(x));
    if (exponent >= POW_EXPONENT_LIMIT)
        return MATH_ERROR_OVERFLOW;
    if (exponent <= -POW_EXPONENT_LIMIT)
        return MATH_ERROR_UNDERFLOW;
    return 0;
}

double libPow(double x, double y)
{
    const double value = std::pow(x, y);
    const int kind = powErrorKind(x, y);
    if (kind != 0)
        reportMathError(kind, "pow", x, y, value);
    return value;
}

// Beyond 2^53 not one digit of the reduced argument is left.
template <class Function>
double libTrigonometric(Function function, const char* name, double x)
{
    const double value = function(x);
    if (!(std::fabs(x) < TRIGONOMETRIC_LOSS_LIMIT))
        reportMathError(MATH_ERROR_TLOSS, name, x, 0.0, value);
    return value;
}

template <class Function>
double libHyperbolic(Function function, const char* name, double x)
{
    const double value = function(x);
    if (!(std::fabs(x) < HYPERBOLIC_OVERFLOW_LIMIT))
        reportMathError(MATH_ERROR_OVERFLOW, name, x, 0.0, value);
    return value;
}

// The logarithms' argument is already known to be positive.
void checkLogArgument(double x, const char* name)
{
    if (x == PLUS_INFINITY)
        reportMathError(MATH_ERROR_OVERFLOW, name, x, 0.0, PLUS_INFINITY);
}

// The remainder as the calculator has always had it: a non-finite dividend gives 0, a
// non-finite divisor gives the dividend. Every caller has refused a zero divisor already.
double libFmod(double x, double y)
{
    if (!std::isfinite(x))
        return 0.0;
    if (!std::isfinite(y))
        return x;
    return std::fmod(x, y);
}

// --- The frame every guarded operation shares ---

// A fresh cell, then the operation; an exception from it is answered with its own code.
template <class Operation>
int guarded(Operation operation)
{
    g_MathError = SAFE_OK;
    try {
        return operation();
    } catch (...) {
        return SAFE_ERROR_EXCEPTION;
    }
}

// Stores the value, then answers the library's report if there is one, then the overflow
// test. A result of -infinity passes.
int store(double value, double& result, TOverflowTest overflowTest)
{
    result = value;
    if (g_MathError != SAFE_OK)
        return g_MathError;
    if (overflowTest == WITH_OVERFLOW_TEST && compareEqual(value, PLUS_INFINITY))
        return SAFE_ERROR_OVERFLOW;
    return SAFE_OK;
}

} // namespace

int _matherr(TMathException& record)
{
    int code = SAFE_OK;
    switch (record.type) {
    case MATH_ERROR_DOMAIN:
        code = SAFE_ERROR_DOMAIN;
        break;
    case MATH_ERROR_SING:
        code = SAFE_ERROR_SING;
        break;
    case MATH_ERROR_OVERFLOW:
        code = SAFE_ERROR_OVERFLOW;
        break;
    case MATH_ERROR_UNDERFLOW:
        code = SAFE_ERROR_UNDERFLOW;
        break;
    case MATH_ERROR_TLOSS:
        code = SAFE_ERROR_TLOSS;
        break;
    case MATH_ERROR_STACKFAULT:
        code = SAFE_ERROR_STACKFAULT;
        break;
    default:
        return 0;
    }
    g_MathError = code;
    return -code;
}

int getMathError()
{
    return g_MathError;
}

// --- Guarded operations ---

// The one operation without a catch.
int safeAdd(double x, double y, double& result)
{
    g_MathError = SAFE_OK;
    return store(x + y, result, WITH_OVERFLOW_TEST);
}

int safeMult(double x, double y, double& result)
{
    return guarded([&] { return store(x * y, result, WITH_OVERFLOW_TEST); });
}

int safeDiv(double x, double y, double& result)
{
    return guarded([&] {
        if (compareEqual(y, 0.0))
            return SAFE_ERROR_DIVISION_BY_ZERO;
        return store(x / y, result, WITH_OVERFLOW_TEST);
    });
}

int safeMod(double x, double y, double& result)
{
    return guarded([&] {
        if (compareEqual(y, 0.0))
            return SAFE_ERROR_DIVISION_BY_ZERO;
        return store(libFmod(x, y), result, WITH_OVERFLOW_TEST);
    });
}

int safePow(double x, double y, double& result)
{
    return guarded([&] {
        if (compareEqual(x, 0.0)) {
            result = 0.0;
            return compareLess(y, 0.0) ? SAFE_ERROR_DIVISION_BY_ZERO : SAFE_OK;
        }
        if (compareEqual(y, 0.0)) {
            result = 1.0;
            return SAFE_OK;
        }
        const bool integerExponent = compareEqual(y - std::floor(y), 0.0);
        if (compareGreater(x, 0.0))
            return store(libPow(x, y), result, WITH_OVERFLOW_TEST);
        if (!integerExponent) {
            result = 1.0;
            return SAFE_ERROR_NEGATIVE_BASE;
        }
        // The overflow test comes before the sign, so an overflowing odd power fails too.
        const int code = store(libPow(std::fabs(x), y), result, WITH_OVERFLOW_TEST);
        if (code == SAFE_OK && !compareEqual(libFmod(y, 2.0), 0.0))
            result = -result;
        return code;
    });
}

int safeExp(double x, double& result)
{
    return guarded([&] { return store(libExp(x), result, WITH_OVERFLOW_TEST); });
}

int safeLn(double x, double& result)
{
    return guarded([&] {
        if (compareEqual(x, 0.0))
            return SAFE_ERROR_OVERFLOW;
        if (compareLess(x, 0.0))
            return SAFE_ERROR_NEGATIVE_ARGUMENT;
        checkLogArgument(x, "log");
        return store(std::log(x), result, WITH_OVERFLOW_TEST);
    });
}

int safeLog(double x, double& result)
{
    return guarded([&] {
        if (compareEqual(x, 0.0))
            return SAFE_ERROR_OVERFLOW;
        if (compareLess(x, 0.0))
            return SAFE_ERROR_NEGATIVE_ARGUMENT;
        checkLogArgument(x, "log10");
        return store(std::log10(x), result, WITH_OVERFLOW_TEST);
    });
}

int safeLogX(double base, double x, double& result)
{
    return guarded([&] {
        if (compareEqual(base, 0.0))
            return SAFE_ERROR_ZERO_ARGUMENT;
        if (compareEqual(base, 1.0))
            return SAFE_ERROR_OVERFLOW;
        if (compareLess(base, 0.0))
            return SAFE_ERROR_NEGATIVE_ARGUMENT;
        if (compareEqual(x, 0.0))
            return SAFE_ERROR_ZERO_ARGUMENT;
        if (compareLess(x, 0.0))
            return SAFE_ERROR_NEGATIVE_ARGUMENT;
        checkLogArgument(x, "log");
        checkLogArgument(base, "log");
        // The quotient in extended precision, so that logx(10, 1000) is exactly 3.
        const long double quotient = std::log(static_cast<long double>(x))
                                     / std::log(static_cast<long double>(base));
        return store(static_cast<double>(quotient), result, WITH_OVERFLOW_TEST);
    });
}

int safeSqrt(double x, double& result)
{
    return guarded([&] {
        if (compareLess(x, 0.0))
            return SAFE_ERROR_NEGATIVE_ARGUMENT;
        return store(std::sqrt(x), result, WITH_OVERFLOW_TEST);
    });
}

int safeSqr(double x, double& result)
{
    return guarded([&] { return store(x * x, result, WITH_OVERFLOW_TEST); });
}

int safeSin(double x, double& result)
{
    return guarded([&] {
        return store(libTrigonometric([](double v) { return std::sin(v); }, "sin", x), result,
                     WITHOUT_OVERFLOW_TEST);
    });
}

int safeCos(double x, double& result)
{
    return guarded([&] {
        return store(libTrigonometric([](double v) { return std::cos(v); }, "cos", x), result,
                     WITHOUT_OVERFLOW_TEST);
    });
}

int safeArcCos(double x, double& result)
{
    return guarded([&] {
        if (compareGreater(x, 1.0) || compareLess(x, -1.0))
            return SAFE_ERROR_OUT_OF_RANGE;
        if (compareEqual(x, 1.0)) {
            result = 0.0;
            return SAFE_OK;
        }
        if (compareEqual(x, -1.0)) {
            result = PI;
            return SAFE_OK;
        }
        return store(std::acos(x), result, WITHOUT_OVERFLOW_TEST);
    });
}

int safeArcSin(double x, double& result)
{
    return guarded([&] {
        if (compareGreater(x, 1.0) || compareLess(x, -1.0))
            return SAFE_ERROR_OUT_OF_RANGE;
        if (compareEqual(x, 1.0)) {
            result = PI_HALF;
            return SAFE_OK;
        }
        if (compareEqual(x, -1.0)) {
            result = -PI_HALF;
            return SAFE_OK;
        }
        return store(std::asin(x), result, WITHOUT_OVERFLOW_TEST);
    });
}

int safeCh(double x, double& result)
{
    return guarded([&] {
        return store(libHyperbolic([](double v) { return std::cosh(v); }, "cosh", x), result,
                     WITH_OVERFLOW_TEST);
    });
}

int safeSh(double x, double& result)
{
    return guarded([&] {
        return store(libHyperbolic([](double v) { return std::sinh(v); }, "sinh", x), result,
                     WITH_OVERFLOW_TEST);
    });
}

int safeTg(double x, double& result)
{
    return guarded([&] {
        if (compareEqual(x, 0.0)) {
            result = 0.0;
            return SAFE_OK;
        }
        // Half-periods past the first pole, rounded to double once: an even count is a pole.
        const double halfPeriods = static_cast<double>(
            static_cast<long double>(x) / static_cast<long double>(PI_HALF) - 1.0L);
        if (compareLess(std::fabs(libFmod(halfPeriods, 2.0)), TANGENT_POLE_TOLERANCE))
            return SAFE_ERROR_DIVISION_BY_ZERO;
        return store(libTrigonometric([](double v) { return std::tan(v); }, "tan", x), result,
                     WITH_OVERFLOW_TEST);
    });
}

int safeArcTg(double x, double& result)
{
    return guarded([&] { return store(std::atan(x), result, WITH_OVERFLOW_TEST); });
}

int safeTh(double x, double& result)
{
    return guarded([&] { return store(std::tanh(x), result, WITH_OVERFLOW_TEST); });
}

// --- Unguarded numeric functions ---

double getPi()
{
    return PI;
}

double getPiHalf()
{
    return PI_HALF;
}

double isEqual(double a, double b)
{
    return compareEqual(a, b) ? 1.0 : 0.0;
}

double isGreat(double a, double b)
{
    return compareGreater(a, b) ? 1.0 : 0.0;
}

double isLess(double a, double b)
{
    return compareLess(a, b) ? 1.0 : 0.0;
}

double isEqualGreat(double a, double b)
{
    return compareLess(a, b) ? 0.0 : 1.0;
}

double isEqualLess(double a, double b)
{
    return compareGreater(a, b) ? 0.0 : 1.0;
}

double ifElse(double condition, double a, double b)
{
    return compareEqual(condition, 0.0) ? b : a;
}

double degreeToRadian(double x)
{
    return static_cast<double>(static_cast<long double>(PI) * (1.0L / 180.0L)
                               * static_cast<long double>(x));
}

double radianToDegree(double x)
{
    return static_cast<double>((180.0L / static_cast<long double>(PI))
                               * static_cast<long double>(x));
}

double round(double x)
{
    const double whole = std::floor(x);
    return compareLess(x - whole, 0.5) ? whole : whole + 1.0;
}

double isEven(double x)
{
    return compareEqual(libFmod(x, 2.0), 0.0) ? 1.0 : 0.0;
}

} // namespace xonQMInterpreter
