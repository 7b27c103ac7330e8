#include "ReaderComments.h"

#include "CharClasses.h"
#include "Exceptions.h"

namespace xonQMInterpreter {

bool CReaderComments::parse()
{
    if (m_Input == nullptr)
        throw CBaseException("ERROR_PARSE_COMMENT_00001",
                             "CReaderComments::parse() SYSTEM ERROR : m_Stream == NULL");
    bool skipped = false;
    while (parseComment())
        skipped = true;
    return skipped;
}

bool CReaderComments::parseComment()
{
    if (m_Input->isEof())
        return false;
    m_Input->gotoBookmark();
    m_SpaceText.clear();
    int spaces = 0;
    char c = m_Input->get();
    while (isBlankChar(c)) {
        m_SpaceText.append(c);
        ++spaces;
        c = m_Input->get();
    }
    if (c == '#') {
        m_Input->matchBookmark(spaces + 1);
        skipLine();
        return true;
    }
    if (c != '/')
        return false;
    c = m_Input->get();
    if (c != '/' && c != '*')
        return false;
    m_Input->matchBookmark(spaces + 2);
    if (c == '/')
        skipLine();
    else
        skipBlock();
    return true;
}

// Each character is consumed as soon as it is read, so the look-ahead stays short however
// long the comment is.
void CReaderComments::skipLine()
{
    for (;;) {
        const char c = m_Input->get();
        if (c == 0)
            return;
        m_Input->matchBookmark(c);
        if (c == '\n')
            return;
    }
}

void CReaderComments::skipBlock()
{
    for (;;) {
        const char c = m_Input->get();
        if (c == 0)
            return;
        if (c == '*' && m_Input->get() == '/') {
            m_Input->matchBookmark(2);
            return;
        }
        m_Input->matchBookmark(c);
    }
}

} // namespace xonQMInterpreter
