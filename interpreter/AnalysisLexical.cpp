#include "AnalysisLexical.h"

#include "Limits.h"

#include <cstring>
#include <new>

namespace xonQMInterpreter {

CAnalysisLexical::CAnalysisLexical()
{
    m_Input.setStream(&m_Source);
}

// The copy ends with a blank so that the last token is followed by white space, as every
// reader needs to see its token end.
void CAnalysisLexical::setText(const char* text)
{
    m_Source.attachText(nullptr, 0);
    m_Text.reset();
    m_TextSize = 0;
    const int length = text == nullptr ? 0 : static_cast<int>(strnlen(text, MAX_LENGTH_BUFFER));
    if (length > 0) {
        char* copy = new (std::nothrow) char[static_cast<size_t>(length) + 2];
        if (copy != nullptr) {
            std::memcpy(copy, text, length);
            copy[length] = ' ';
            copy[length + 1] = 0;
            m_Text.reset(copy);
            m_TextSize = length + 1;
            m_Source.attachText(copy, m_TextSize);
        }
    }
    // A new text starts with nothing read ahead from the old one.
    CTokenStack::reset();
}

void CAnalysisLexical::reset()
{
    setText(nullptr);
}

} // namespace xonQMInterpreter
