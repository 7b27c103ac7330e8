#include "StdFunctions.h"

#include "MessageTexts.h"
#include "SafeMath.h"
#include "SafeMathTexts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>

namespace xonQMInterpreter {

namespace {

// The widest standard function, "ifelse", takes three arguments.
constexpr int MAX_STD_FUNCTION_ARGUMENTS = 3;
using TArguments = std::array<double, MAX_STD_FUNCTION_ARGUMENTS>;

// Clears the error text, checks the count and reads exactly as many arguments as the
// function takes.
bool readArguments(const CFunction& function, const C1DArray<CValue>& arguments,
                   CMessageString& errorText, TArguments& values)
{
    errorText.clear();
    if (!function.checkCountParameters(arguments.getCount(), errorText))
        return false;
    const int count = std::min(function.getCountParameters(), MAX_STD_FUNCTION_ARGUMENTS);
    for (int i = 0; i < count; ++i)
        values[i] = arguments.get(i).getValue();
    return true;
}

// A function that cannot fail once its arguments are read.
template <class Compute>
bool performPlain(const CFunction& function, const C1DArray<CValue>& arguments, CValue& result,
                  CMessageString& errorText, Compute compute)
{
    TArguments values{};
    if (!readArguments(function, arguments, errorText, values))
        return false;
    result = CValue(compute(values));
    return true;
}

// A function computed by a guarded operation. A failure leaves the result and names the
// function, with the detail text for the codes the function explains.
template <class Compute>
bool performGuarded(const CFunction& function, const C1DArray<CValue>& arguments, CValue& result,
                    CMessageString& errorText, std::initializer_list<int> explainedCodes,
                    Compute compute)
{
    TArguments values{};
    if (!readArguments(function, arguments, errorText, values))
        return false;
    double value = 0.0;
    const int code = compute(values, value);
    if (code == SAFE_OK) {
        result = CValue(value);
        return true;
    }
    errorText = msgStdFunctionExecutionError() + " : '" + function.getName() + "'";
    if (std::find(explainedCodes.begin(), explainedCodes.end(), code) != explainedCodes.end())
        errorText = errorText + ", " + safeMathDetailText(code);
    return false;
}

// The percentage factors are applied in extended precision and converted to double once,
// before the guarded operation; an infinite product then fails there as too big.
constexpr long double PERCENT_FACTOR = 100.0L;
// The double nearest a hundredth, widened; 0.01L would change results in the last bit.
constexpr long double PER_CENT = static_cast<long double>(0.01);

double scaled(double x, long double factor)
{
    return static_cast<double>(static_cast<long double>(x) * factor);
}

} // namespace

CFunctionMax::CFunctionMax()
    : CStdFunction("max", 2)
{
}
bool CFunctionMax::perform(const C1DArray<CValue>& arguments, CValue& result,
                           CMessageString& errorText)
{
    return performPlain(*this, arguments, result, errorText,
                        [](const TArguments& a) { return compareLess(a[0], a[1]) ? a[1] : a[0]; });
}

CFunctionMin::CFunctionMin()
    : CStdFunction("min", 2)
{
}
bool CFunctionMin::perform(const C1DArray<CValue>& arguments, CValue& result,
                           CMessageString& errorText)
{
    return performPlain(*this, arguments, result, errorText,
                        [](const TArguments& a) { return compareLess(a[0], a[1]) ? a[0] : a[1]; });
}

CFunctionIsEqual::CFunctionIsEqual()
    : CStdFunction("isequal", 2)
{
}
bool CFunctionIsEqual::perform(const C1DArray<CValue>& arguments, CValue& result,
                               CMessageString& errorText)
{
    return performPlain(*this, arguments, result, errorText,
                        [](const TArguments& a) { return isEqual(a[0], a[1]); });
}

CFunctionIsGreat::CFunctionIsGreat()
    : CStdFunction("isgreat", 2)
{
}
bool CFunctionIsGreat::perform(const C1DArray<CValue>& arguments, CValue& result,
                               CMessageString& errorText)
{
    return performPlain(*this, arguments, result, errorText,
                        [](const TArguments& a) { return isGreat(a[0], a[1]); });
}

CFunctionIsLess::CFunctionIsLess()
    : CStdFunction("isless", 2)
{
}
bool CFunctionIsLess::perform(const C1DArray<CValue>& arguments, CValue& result,
                              CMessageString& errorText)
{
    return performPlain(*this, arguments, result, errorText,
                        [](const TArguments& a) { return isLess(a[0], a[1]); });
}

CFunctionIsEqualGreat::CFunctionIsEqualGreat()
    : CStdFunction("isegreat", 2)
{
}
bool CFunctionIsEqualGreat::perform(const C1DArray<CValue>& arguments, CValue& result,
                                    CMessageString& errorText)
{
    return performPlain(*this, arguments, result, errorText,
                        [](const TArguments& a) { return isEqualGreat(a[0], a[1]); });
}

CFunctionIsEqualLess::CFunctionIsEqualLess()
    : CStdFunction("iseless", 2)
{
}
bool CFunctionIsEqualLess::perform(const C1DArray<CValue>& arguments, CValue& result,
                                   CMessageString& errorText)
{
    return performPlain(*this, arguments, result, errorText,
                        [](const TArguments& a) { return isEqualLess(a[0], a[1]); });
}

// All three arguments are computed by the caller before the choice.
CFunctionIfElse::CFunctionIfElse()
    : CStdFunction("ifelse", 3)
{
}
bool CFunctionIfElse::perform(const C1DArray<CValue>& arguments, CValue& result,
                              CMessageString& errorText)
{
    return performPlain(*this, arguments, result, errorText,
                        [](const TArguments& a) { return ifElse(a[0], a[1], a[2]); });
}

CFunctionDegreeToRadian::CFunctionDegreeToRadian()
    : CStdFunction("toradian", 1)
{
}
bool CFunctionDegreeToRadian::perform(const C1DArray<CValue>& arguments, CValue& result,
                                      CMessageString& errorText)
{
    return performPlain(*this, arguments, result, errorText,
                        [](const TArguments& a) { return degreeToRadian(a[0]); });
}

CFunctionRadianToDegree::CFunctionRadianToDegree()
    : CStdFunction("todegree", 1)
{
}
bool CFunctionRadianToDegree::perform(const C1DArray<CValue>& arguments, CValue& result,
                                      CMessageString& errorText)
{
    return performPlain(*this, arguments, result, errorText,
                        [](const TArguments& a) { return radianToDegree(a[0]); });
}

// What percent a is of b.
CFunctionPercent::CFunctionPercent()
    : CStdFunction("percent", 2)
{
}
bool CFunctionPercent::perform(const C1DArray<CValue>& arguments, CValue& result,
                               CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText,
                          {SAFE_ERROR_DIVISION_BY_ZERO, SAFE_ERROR_OVERFLOW},
                          [](const TArguments& a, double& value) {
                              return safeDiv(scaled(a[0], PERCENT_FACTOR), a[1], value);
                          });
}

// a percent of b.
CFunctionPRatio::CFunctionPRatio()
    : CStdFunction("pratio", 2)
{
}
bool CFunctionPRatio::perform(const C1DArray<CValue>& arguments, CValue& result,
                              CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText, {SAFE_ERROR_OVERFLOW},
                          [](const TArguments& a, double& value) {
                              return safeMult(scaled(a[0], PER_CENT), a[1], value);
                          });
}

CFunctionAbs::CFunctionAbs()
    : CStdFunction("abs", 1)
{
}
bool CFunctionAbs::perform(const C1DArray<CValue>& arguments, CValue& result,
                           CMessageString& errorText)
{
    return performPlain(*this, arguments, result, errorText,
                        [](const TArguments& a) { return std::fabs(a[0]); });
}

CFunctionFloor::CFunctionFloor()
    : CStdFunction("floor", 1)
{
}
bool CFunctionFloor::perform(const C1DArray<CValue>& arguments, CValue& result,
                             CMessageString& errorText)
{
    return performPlain(*this, arguments, result, errorText,
                        [](const TArguments& a) { return std::floor(a[0]); });
}

CFunctionRound::CFunctionRound()
    : CStdFunction("round", 1)
{
}
bool CFunctionRound::perform(const C1DArray<CValue>& arguments, CValue& result,
                             CMessageString& errorText)
{
    return performPlain(*this, arguments, result, errorText,
                        [](const TArguments& a) { return xonQMInterpreter::round(a[0]); });
}

CFunctionIsEven::CFunctionIsEven()
    : CStdFunction("iseven", 1)
{
}
bool CFunctionIsEven::perform(const C1DArray<CValue>& arguments, CValue& result,
                              CMessageString& errorText)
{
    return performPlain(*this, arguments, result, errorText,
                        [](const TArguments& a) { return isEven(a[0]); });
}

CFunctionExp::CFunctionExp()
    : CStdFunction("exp", 1)
{
}
bool CFunctionExp::perform(const C1DArray<CValue>& arguments, CValue& result,
                           CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText, {SAFE_ERROR_OVERFLOW},
                          [](const TArguments& a, double& value) { return safeExp(a[0], value); });
}

CFunctionPow::CFunctionPow()
    : CStdFunction("pow", 2)
{
}
bool CFunctionPow::perform(const C1DArray<CValue>& arguments, CValue& result,
                           CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText,
                          {SAFE_ERROR_OVERFLOW, SAFE_ERROR_DIVISION_BY_ZERO,
                           SAFE_ERROR_NEGATIVE_BASE},
                          [](const TArguments& a, double& value) {
                              return safePow(a[0], a[1], value);
                          });
}

CFunctionMod::CFunctionMod()
    : CStdFunction("mod", 2)
{
}
bool CFunctionMod::perform(const C1DArray<CValue>& arguments, CValue& result,
                           CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText,
                          {SAFE_ERROR_OVERFLOW, SAFE_ERROR_DIVISION_BY_ZERO},
                          [](const TArguments& a, double& value) {
                              return safeMod(a[0], a[1], value);
                          });
}

CFunctionLn::CFunctionLn()
    : CStdFunction("ln", 1)
{
}
bool CFunctionLn::perform(const C1DArray<CValue>& arguments, CValue& result,
                          CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText,
                          {SAFE_ERROR_NEGATIVE_ARGUMENT, SAFE_ERROR_OVERFLOW},
                          [](const TArguments& a, double& value) { return safeLn(a[0], value); });
}

CFunctionLog::CFunctionLog()
    : CStdFunction("log", 1)
{
}
bool CFunctionLog::perform(const C1DArray<CValue>& arguments, CValue& result,
                           CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText,
                          {SAFE_ERROR_NEGATIVE_ARGUMENT, SAFE_ERROR_OVERFLOW},
                          [](const TArguments& a, double& value) { return safeLog(a[0], value); });
}

// The base comes first: logx(2, 8) is 3.
CFunctionLogX::CFunctionLogX()
    : CStdFunction("logx", 2)
{
}
bool CFunctionLogX::perform(const C1DArray<CValue>& arguments, CValue& result,
                            CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText,
                          {SAFE_ERROR_ZERO_ARGUMENT, SAFE_ERROR_NEGATIVE_ARGUMENT,
                           SAFE_ERROR_OVERFLOW},
                          [](const TArguments& a, double& value) {
                              return safeLogX(a[0], a[1], value);
                          });
}

CFunctionSqr::CFunctionSqr()
    : CStdFunction("sqr", 1)
{
}
bool CFunctionSqr::perform(const C1DArray<CValue>& arguments, CValue& result,
                           CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText, {SAFE_ERROR_OVERFLOW},
                          [](const TArguments& a, double& value) { return safeSqr(a[0], value); });
}

CFunctionSqrt::CFunctionSqrt()
    : CStdFunction("sqrt", 1)
{
}
bool CFunctionSqrt::perform(const C1DArray<CValue>& arguments, CValue& result,
                            CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText,
                          {SAFE_ERROR_NEGATIVE_ARGUMENT, SAFE_ERROR_OVERFLOW},
                          [](const TArguments& a, double& value) { return safeSqrt(a[0], value); });
}

CFunctionSin::CFunctionSin()
    : CStdFunction("sin", 1)
{
}
bool CFunctionSin::perform(const C1DArray<CValue>& arguments, CValue& result,
                           CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText, {},
                          [](const TArguments& a, double& value) { return safeSin(a[0], value); });
}

CFunctionCos::CFunctionCos()
    : CStdFunction("cos", 1)
{
}
bool CFunctionCos::perform(const C1DArray<CValue>& arguments, CValue& result,
                           CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText, {},
                          [](const TArguments& a, double& value) { return safeCos(a[0], value); });
}

CFunctionArcCos::CFunctionArcCos()
    : CStdFunction("arccos", 1)
{
}
bool CFunctionArcCos::perform(const C1DArray<CValue>& arguments, CValue& result,
                              CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText, {SAFE_ERROR_OUT_OF_RANGE},
                          [](const TArguments& a, double& value) {
                              return safeArcCos(a[0], value);
                          });
}

CFunctionArcSin::CFunctionArcSin()
    : CStdFunction("arcsin", 1)
{
}
bool CFunctionArcSin::perform(const C1DArray<CValue>& arguments, CValue& result,
                              CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText, {SAFE_ERROR_OUT_OF_RANGE},
                          [](const TArguments& a, double& value) {
                              return safeArcSin(a[0], value);
                          });
}

CFunctionCh::CFunctionCh()
    : CStdFunction("ch", 1)
{
}
bool CFunctionCh::perform(const C1DArray<CValue>& arguments, CValue& result,
                          CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText, {SAFE_ERROR_OVERFLOW},
                          [](const TArguments& a, double& value) { return safeCh(a[0], value); });
}

CFunctionSh::CFunctionSh()
    : CStdFunction("sh", 1)
{
}
bool CFunctionSh::perform(const C1DArray<CValue>& arguments, CValue& result,
                          CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText, {SAFE_ERROR_OVERFLOW},
                          [](const TArguments& a, double& value) { return safeSh(a[0], value); });
}

CFunctionTg::CFunctionTg()
    : CStdFunction("tg", 1)
{
}
bool CFunctionTg::perform(const C1DArray<CValue>& arguments, CValue& result,
                          CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText,
                          {SAFE_ERROR_OVERFLOW, SAFE_ERROR_DIVISION_BY_ZERO},
                          [](const TArguments& a, double& value) { return safeTg(a[0], value); });
}

CFunctionArcTg::CFunctionArcTg()
    : CStdFunction("arctg", 1)
{
}
bool CFunctionArcTg::perform(const C1DArray<CValue>& arguments, CValue& result,
                             CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText, {SAFE_ERROR_OVERFLOW},
                          [](const TArguments& a, double& value) {
                              return safeArcTg(a[0], value);
                          });
}

CFunctionTh::CFunctionTh()
    : CStdFunction("th", 1)
{
}
bool CFunctionTh::perform(const C1DArray<CValue>& arguments, CValue& result,
                          CMessageString& errorText)
{
    return performGuarded(*this, arguments, result, errorText, {SAFE_ERROR_OVERFLOW},
                          [](const TArguments& a, double& value) { return safeTh(a[0], value); });
}

} // namespace xonQMInterpreter
