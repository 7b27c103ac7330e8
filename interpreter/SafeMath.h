#pragma once

#include <cmath>

// The numeric core. Every operation that can fail answers a result code instead of faulting
// and writes its value through an out-parameter; the callers turn codes into message texts.
namespace xonQMInterpreter {

// Result codes of the guarded operations.
constexpr int SAFE_OK = 0;
constexpr int SAFE_ERROR_EXCEPTION = -1;
constexpr int SAFE_ERROR_DIVISION_BY_ZERO = -2;
constexpr int SAFE_ERROR_NEGATIVE_BASE = -3; // negative base with a non-integer exponent
constexpr int SAFE_ERROR_DOMAIN = -4;
constexpr int SAFE_ERROR_SING = -5;
constexpr int SAFE_ERROR_OVERFLOW = -6; // also any result of +infinity
constexpr int SAFE_ERROR_UNDERFLOW = -7;
constexpr int SAFE_ERROR_TLOSS = -8; // total loss of significance
constexpr int SAFE_ERROR_STACKFAULT = -9;
constexpr int SAFE_ERROR_NEGATIVE_ARGUMENT = -10;
constexpr int SAFE_ERROR_ZERO_ARGUMENT = -11;
constexpr int SAFE_ERROR_OUT_OF_RANGE = -12; // argument outside -1 to 1

// Error kinds of the math-exception record, in their customary numbering.
enum TMathErrorKind : int {
    MATH_ERROR_DOMAIN = 1,
    MATH_ERROR_SING = 2,
    MATH_ERROR_OVERFLOW = 3,
    MATH_ERROR_UNDERFLOW = 4,
    MATH_ERROR_TLOSS = 5,
    MATH_ERROR_PLOSS = 6,
    MATH_ERROR_STACKFAULT = 7,
};

// What the math layer hands to the hook when a library call meets one of its error cases.
struct TMathException
{
    int type;         // a TMathErrorKind
    const char* name; // the library function
    double arg1;
    double arg2;
    double retval; // the value the call answers
};

// The math-error hook: records the kind's result code in the process-wide math-error cell
// and answers non-zero (the kind handled), or leaves the cell and answers 0 for a kind it
// does not know (partial loss of significance among them).
int _matherr(TMathException& record);

// The process-wide math-error cell: 0, or the code of the last error the hook recorded.
// Every guarded operation clears it before it computes.
int getMathError();

// The comparison rule of the whole numeric core: a NaN operand makes a pair count as equal
// and as less, never as greater. Every test of the guarded operations and of the functions
// built on them goes through these three.
inline bool compareEqual(double a, double b)
{
    return a == b || std::isunordered(a, b);
}
inline bool compareLess(double a, double b)
{
    return a < b || std::isunordered(a, b);
}
inline bool compareGreater(double a, double b)
{
    return a > b;
}

// Guarded operations: the result code, and on success the value in result. On failure
// result may hold anything the computation left; callers must not use it.
int safeAdd(double x, double y, double& result);
int safeMult(double x, double y, double& result);
int safeDiv(double x, double y, double& result);
int safeMod(double x, double y, double& result);
int safePow(double x, double y, double& result);
int safeExp(double x, double& result);
int safeLn(double x, double& result);
int safeLog(double x, double& result);
int safeLogX(double base, double x, double& result);
int safeSqrt(double x, double& result);
int safeSqr(double x, double& result);
int safeSin(double x, double& result);
int safeCos(double x, double& result);
int safeArcCos(double x, double& result);
int safeArcSin(double x, double& result);
int safeCh(double x, double& result);
int safeSh(double x, double& result);
int safeTg(double x, double& result);
int safeArcTg(double x, double& result);
int safeTh(double x, double& result);

// Unguarded numeric functions: they cannot fail and return plain IEEE results.
double getPi();
double getPiHalf();
double isEqual(double a, double b); // 1 or 0, exact: no tolerance
double isGreat(double a, double b);
double isLess(double a, double b);
double isEqualGreat(double a, double b);
double isEqualLess(double a, double b);
double ifElse(double condition, double a, double b); // b when condition is 0, else a
double degreeToRadian(double x);
double radianToDegree(double x);
double round(double x);  // halves go up: 2.5 gives 3, -2.5 gives -2
double isEven(double x); // 1 or 0; an infinity counts as even

} // namespace xonQMInterpreter
