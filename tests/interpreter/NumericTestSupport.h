#pragma once

#include "Containers.h"
#include "Value.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace ombrixTest {

constexpr double INF = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

inline std::uint64_t bitsOf(double value)
{
    return std::bit_cast<std::uint64_t>(value);
}

// Identical numbers: the same bits, so -0 differs from 0; any NaN matches any NaN.
inline bool sameNumber(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return bitsOf(a) == bitsOf(b);
}

inline xonQMInterpreter::C1DArray<xonQMInterpreter::CValue>
valuesOf(const std::vector<double>& values)
{
    xonQMInterpreter::C1DArray<xonQMInterpreter::CValue> array;
    for (double value : values)
        array.add(xonQMInterpreter::CValue(value));
    return array;
}

} // namespace ombrixTest
