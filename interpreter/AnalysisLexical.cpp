#include "AnalysisLexical.h"

#include "Limits.h"

#include <cstring>

namespace xonQMInterpreter {

CAnalysisLexical::CAnalysisLexical()
{
    m_Input.setStream(&m_Source);
}

// The text is served with a blank after it so that the last token is followed by white space,
// as every reader needs to see its token end. It is read in place: a copy of a large text
// would cost as much memory again.
void CAnalysisLexical::setText(const char* text)
{
    const int length = text == nullptr ? 0 : static_cast<int>(strnlen(text, MAX_LENGTH_BUFFER));
    m_Source.attachText(text, length, true);
    m_TextSize = length > 0 ? length + 1 : 0;
    // A new text starts with nothing read ahead from the old one.
    CTokenStack::reset();
}

void CAnalysisLexical::reset()
{
    setText(nullptr);
}

} // namespace xonQMInterpreter
