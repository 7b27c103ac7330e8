#include "Constants.h"

#include "SafeMath.h"

namespace xonQMInterpreter {

namespace {

// e to twelve decimals, not the double nearest to e: the value the constant has always had.
constexpr double E_TWELVE_DECIMALS = 2.718281828459;

} // namespace

CConstantPI::CConstantPI()
    : CConstant("_PI", getPi())
{
}

CConstantEXP::CConstantEXP()
    : CConstant("_E", E_TWELVE_DECIMALS)
{
}

} // namespace xonQMInterpreter
