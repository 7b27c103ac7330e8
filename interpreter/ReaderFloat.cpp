#include "ReaderFloat.h"

#include "CharClasses.h"

namespace xonQMInterpreter {

namespace {

enum TFloatState {
    FLOAT_BEFORE,          // no digit yet
    FLOAT_INTEGER,         // in the integer digits
    FLOAT_POINT,           // after ".", no fraction digit yet
    FLOAT_FRACTION,        // in the fraction digits
    FLOAT_EXPONENT,        // after the exponent letter
    FLOAT_EXPONENT_SIGN,   // after the exponent's sign
    FLOAT_EXPONENT_DIGITS, // in the exponent digits
};

bool isComplete(TFloatState state)
{
    return state == FLOAT_INTEGER || state == FLOAT_FRACTION || state == FLOAT_EXPONENT_DIGITS;
}

} // namespace

CReaderFloat::CReaderFloat()
{
    setStartChars(isDigitChar);
}

TReadAnswer CReaderFloat::parse(TReadMode mode, bool adjacent)
{
    if (!startParse(mode))
        return READ_NO_TOKEN;
    TFloatState state = FLOAT_BEFORE;
    bool spaced = false;
    for (;;) {
        const char c = m_Input->get();
        if (isDigitChar(c)) {
            if (state == FLOAT_BEFORE) {
                beginText(c);
                state = FLOAT_INTEGER;
                continue;
            }
            if (state == FLOAT_POINT)
                state = FLOAT_FRACTION;
            else if (state == FLOAT_EXPONENT || state == FLOAT_EXPONENT_SIGN)
                state = FLOAT_EXPONENT_DIGITS;
        } else if (c == '.') {
            if (state != FLOAT_INTEGER)
                return READ_NO_TOKEN;
            state = FLOAT_POINT;
        } else if (c == 'E' || c == 'e') {
            if (state != FLOAT_INTEGER && state != FLOAT_FRACTION)
                return READ_NO_TOKEN;
            state = FLOAT_EXPONENT;
        } else if ((c == '+' || c == '-') && state == FLOAT_EXPONENT) {
            state = FLOAT_EXPONENT_SIGN;
        } else if (isBlankChar(c) && !isComplete(state)) {
            if (state == FLOAT_BEFORE)
                spaced = true;
            m_SpaceText.append(c);
            continue;
        } else {
            // White space, the end of the text or any other character ends the number.
            if (!isComplete(state)) {
                if (c == 0)
                    m_EndOfStream = true;
                return READ_NO_TOKEN;
            }
            return finishToken(c, spaced, adjacent);
        }
        m_Token.m_Text.append(c);
    }
}

} // namespace xonQMInterpreter
