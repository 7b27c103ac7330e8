#include "MessageList.h"

#include "MessageTexts.h"

namespace xonQMInterpreter {

namespace {

// A text too long to leave room for the prefix is cut and marked.
CMessageString cutText(const CMessageString& text)
{
    if (text.length() <= MAX_LENGTH_MESSAGE_TEXT)
        return text;
    CMessageString cut;
    cut.assign(text.c_str(), MAX_LENGTH_MESSAGE_TEXT);
    cut.append(" ...");
    return cut;
}

bool hasKindWord(unsigned char kind)
{
    return kind == MESSAGE_KIND_WARNING || kind == MESSAGE_KIND_ERROR
           || kind == MESSAGE_KIND_SYSTEM_ERROR;
}

CMessageString kindWord(unsigned char kind)
{
    switch (kind) {
    case MESSAGE_KIND_WARNING:
        return msgWarning();
    case MESSAGE_KIND_ERROR:
        return msgError();
    default:
        return msgSystemError();
    }
}

// " [" and, for a kind with a word, the word and ", ".
CMessageString openBracket(unsigned char kind)
{
    CMessageString line(" [");
    if (hasKindWord(kind)) {
        line.append(kindWord(kind));
        line.append(", ");
    }
    return line;
}

} // namespace

CMessageString CArrayMessages::formatMessage(const CMessageString& text, unsigned char kind,
                                             int line, int position)
{
    CMessageString result = openBracket(kind);
    result.append(msgLine());
    result.append(" ");
    result.append(integerText(line));
    result.append(", ");
    result.append(msgPosition());
    result.append(" ");
    result.append(integerText(position));
    result.append("] ");
    result.append(cutText(text));
    return result;
}

CMessageString CArrayMessages::formatMessage(const CMessageString& text, unsigned char kind,
                                             int line)
{
    CMessageString result = openBracket(kind);
    result.append(msgLine());
    result.append(" ");
    result.append(integerText(line));
    result.append("] ");
    result.append(cutText(text));
    return result;
}

CMessageString CArrayMessages::formatMessage(const CMessageString& text, unsigned char kind)
{
    if (!hasKindWord(kind))
        return cutText(text);
    CMessageString result(" [");
    result.append(kindWord(kind));
    result.append("] ");
    result.append(cutText(text));
    return result;
}

void CArrayMessages::addMessage(const CMessageString& text, unsigned char kind, int line,
                                int position)
{
    add(formatMessage(text, kind, line, position), kind);
}

void CArrayMessages::addMessage(const CMessageString& text, unsigned char kind, int line)
{
    add(formatMessage(text, kind, line), kind);
}

void CArrayMessages::addMessage(const CMessageString& text, unsigned char kind)
{
    add(formatMessage(text, kind), kind);
}

// A line that is blank, of an unknown kind or for a full list is dropped and not counted.
void CArrayMessages::add(const CMessageString& line, unsigned char kind)
{
    if (!line.hasNonSpace())
        return;
    switch (kind) {
    case MESSAGE_KIND_PLAIN:
        if (m_CountMessages < MAX_COUNT_MESSAGES)
            m_Messages[m_CountMessages++] = line;
        break;
    case MESSAGE_KIND_WARNING:
        if (m_CountWarnings < MAX_COUNT_WARNINGS)
            m_Warnings[m_CountWarnings++] = line;
        break;
    case MESSAGE_KIND_ERROR:
    case MESSAGE_KIND_SYSTEM_ERROR:
        if (m_CountErrors < MAX_COUNT_ERRORS) {
            m_Errors[m_CountErrors++] = line;
            if (kind == MESSAGE_KIND_SYSTEM_ERROR)
                ++m_CountSystemErrors;
        }
        break;
    default:
        break;
    }
}

CMessageString CArrayMessages::getError(int index) const
{
    return index >= 0 && index < m_CountErrors ? m_Errors[index] : CMessageString();
}

CMessageString CArrayMessages::getWarning(int index) const
{
    return index >= 0 && index < m_CountWarnings ? m_Warnings[index] : CMessageString();
}

CMessageString CArrayMessages::getMessage(int index) const
{
    return index >= 0 && index < m_CountMessages ? m_Messages[index] : CMessageString();
}

void CArrayMessages::clear()
{
    for (int i = 0; i < m_CountErrors; ++i)
        m_Errors[i].clear();
    for (int i = 0; i < m_CountWarnings; ++i)
        m_Warnings[i].clear();
    for (int i = 0; i < m_CountMessages; ++i)
        m_Messages[i].clear();
    m_CountErrors = 0;
    m_CountSystemErrors = 0;
    m_CountWarnings = 0;
    m_CountMessages = 0;
}

} // namespace xonQMInterpreter
