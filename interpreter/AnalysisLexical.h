#pragma once

#include "StreamIn.h"
#include "TokenStack.h"

namespace xonQMInterpreter {

// The lexer of the calculation language: reads the caller's text in place and hands the
// parser its tokens (CTokenStack) with their places in the text.
class CAnalysisLexical : public CTokenStack
{
public:
    CAnalysisLexical();
    ~CAnalysisLexical() override = default;

    // Installs a NUL-terminated text and starts reading it from its first character; null or
    // empty leaves nothing to read. The text is not copied: the caller keeps it unchanged
    // until the next setText or reset.
    void setText(const char* text);
    // Drops the text and every token; the word lists are kept.
    void reset();
    // Bytes read: the text's length and the blank served after it; 0 without a text.
    int getTextSize() const { return m_TextSize; }
    // True when the text is empty or nothing but white space.
    bool isEndOfText() const { return m_Input.isEmpty(); }
    void setTabSize(int width) { m_Input.setTabSize(width); }

private:
    CStreamInString m_Source;
    int m_TextSize = 0;
};

} // namespace xonQMInterpreter
