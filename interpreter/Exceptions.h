#pragma once

#include "LimitString.h"

namespace xonQMInterpreter {

// An internal fault of the interpreter. The code reads "ERROR_" + area + "_" + five digits;
// the text names the class, the operation and the failed condition. Faults of the user's
// text are never thrown: they become messages.
class CBaseException
{
public:
    CBaseException(const char* code, const char* text)
        : m_Code(code)
        , m_Text(text)
    {
    }
    virtual ~CBaseException() = default;

    const CTokenString& getCode() const { return m_Code; }
    const CMessageString& getText() const { return m_Text; }

private:
    CTokenString m_Code;
    CMessageString m_Text;
};

// A fault of the character and token layer, with the place in the text where it arose and,
// for a token mismatch, the token that was expected.
class CStreamException
{
public:
    CStreamException(const char* code, int line, int column, const char* text)
        : m_Code(code)
        , m_Line(line)
        , m_Column(column)
        , m_Text(text)
    {
    }
    CStreamException(const char* code, int line, int column, const CTokenString& token,
                     const char* text)
        : m_Code(code)
        , m_Line(line)
        , m_Column(column)
        , m_Token(token)
        , m_Text(text)
    {
    }
    virtual ~CStreamException() = default;

    const CTokenString& getCode() const { return m_Code; }
    int getLine() const { return m_Line; }
    int getColumn() const { return m_Column; }
    const CTokenString& getToken() const { return m_Token; }
    const CMessageString& getText() const { return m_Text; }

private:
    CTokenString m_Code;
    int m_Line = 0;
    int m_Column = 0;
    CTokenString m_Token;
    CMessageString m_Text;
};

// Unwinds a run the caller asked to stop, from the place evaluation had reached.
class CStopException
{
public:
    CStopException(int line, int column)
        : m_Line(line)
        , m_Column(column)
    {
    }

    int getLine() const { return m_Line; }
    int getColumn() const { return m_Column; }

private:
    int m_Line = 0;
    int m_Column = 0;
};

} // namespace xonQMInterpreter
