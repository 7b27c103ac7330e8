#include "Value.h"

#include <charconv>
#include <cmath>

namespace xonQMInterpreter {

namespace {

// Room for the longest general-format text of a double: sign, 15 digits, point and a
// four-character exponent.
constexpr int VALUE_TEXT_BUFFER = 32;

} // namespace

CNameString CValue::toString() const
{
    if (std::isinf(m_Value))
        return m_Value > 0 ? "+INF" : "-INF";
    if (std::isnan(m_Value))
        return std::signbit(m_Value) ? "-NAN" : "+NAN";
    // to_chars formats as the C locale does, whatever locale the process has set.
    char buffer[VALUE_TEXT_BUFFER];
    const char* end = std::to_chars(buffer, buffer + VALUE_TEXT_BUFFER, m_Value,
                                    std::chars_format::general, VALUE_TEXT_DIGITS)
                          .ptr;
    CNameString text;
    text.assign(buffer, static_cast<int>(end - buffer));
    return text;
}

} // namespace xonQMInterpreter
