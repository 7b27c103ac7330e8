#pragma once

// Character classes of the calculation language. The text is single-byte (cp1251), so the
// tests work on bytes and never on the process locale.
namespace xonQMInterpreter {

// Blank, BS, CR, LF, TAB, VT, FF: what trimming removes and what separates tokens.
constexpr bool isBlankChar(char c)
{
    return c == ' ' || c == 8 || c == 13 || c == 10 || c == 9 || c == 11 || c == 12;
}

// The character input's own white-space set also holds BEL.
constexpr bool isStreamSpace(char c)
{
    return isBlankChar(c) || c == 7;
}

constexpr bool isDigitChar(char c)
{
    return c >= '0' && c <= '9';
}

// ASCII letters and the cp1251 letters 0xC0 to 0xFF.
constexpr bool isLetterChar(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u >= 0xC0;
}

// Characters that may continue a name after its first one.
constexpr bool isWordChar(char c)
{
    return isLetterChar(c) || isDigitChar(c) || c == '_';
}

} // namespace xonQMInterpreter
