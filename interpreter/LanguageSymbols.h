#pragma once

#include "TokenOptions.h"

// The symbols of the calculation language, as the parser registers them with the lexer.
namespace xonQMInterpreter {

constexpr int SYMBOL_PLUS = 9;
constexpr int SYMBOL_MINUS = 10;
constexpr int SYMBOL_MULT = 11;
constexpr int SYMBOL_DIV = 12;
constexpr int SYMBOL_POWER = 14;
constexpr int SYMBOL_ASSIGN = 15;
constexpr int SYMBOL_LEFT_BRACKET = 22;
constexpr int SYMBOL_RIGHT_BRACKET = 23;
constexpr int SYMBOL_END_OF_SENTENCE = 24;
constexpr int SYMBOL_COMMA = 25;

struct TLanguageSymbol
{
    int id;
    const char* word;
};

// In the order they are tried.
inline constexpr TLanguageSymbol LANGUAGE_SYMBOLS[] = {
    {SYMBOL_PLUS, "+"},         {SYMBOL_MINUS, "-"},         {SYMBOL_MULT, "*"},
    {SYMBOL_DIV, "/"},          {SYMBOL_POWER, "^"},         {SYMBOL_ASSIGN, "="},
    {SYMBOL_LEFT_BRACKET, "("}, {SYMBOL_RIGHT_BRACKET, ")"}, {SYMBOL_END_OF_SENTENCE, ";"},
    {SYMBOL_COMMA, ","},
};

// Symbols that have no meaning in the language: reported as such rather than as unknown text.
inline constexpr const char* INADMISSIBLE_SYMBOLS[] = {"~",  "%", "`", "!", "@", "$", "&", "|",
                                                       "\\", "<", ">", "[", "]", "{", "}", "'"};

inline bool isSymbol(const TTokenOptions& token, int id)
{
    return token.m_GroupId == TOKEN_GROUP_RESERVED && token.m_TypeId == id;
}

} // namespace xonQMInterpreter
