#include "ReaderWordReserved.h"

#include <memory>
#include <new>

namespace xonQMInterpreter {

CReaderWordReserved::CReaderWordReserved()
{
    for (int& first : m_FirstByStart)
        first = -1;
}

CReaderWordReserved::~CReaderWordReserved()
{
    for (int i = 0; i < m_Words.getCount(); ++i)
        delete m_Words.get(i);
}

bool CReaderWordReserved::addWord(int id, const CTokenString& word, bool flag)
{
    if (!word.hasNonSpace())
        return false;
    std::unique_ptr<TTokenReservedWord> entry(new (std::nothrow) TTokenReservedWord);
    if (!entry || !m_NextByStart.grow() || !m_Words.add(entry.get()))
        return false;
    entry->m_Id = id;
    entry->m_Word = word;
    entry->m_Flag = flag;
    const int index = m_Words.getCount() - 1;
    m_NextByStart.add(-1);
    const unsigned char start = static_cast<unsigned char>(entry->m_Word.charAt(0));
    if (m_FirstByStart[start] < 0) {
        m_FirstByStart[start] = index;
    } else {
        int last = m_FirstByStart[start];
        while (m_NextByStart.get(last) >= 0)
            last = m_NextByStart.get(last);
        m_NextByStart.set(last, index);
    }
    addStartChar(entry->m_Word.charAt(0));
    entry.release();
    return true;
}

bool CReaderWordReserved::matchWord(const CNameString& word)
{
    for (int i = 0; i < word.length(); ++i) {
        const char c = m_Input->get();
        if (c == 0) {
            m_EndOfStream = true;
            return false;
        }
        if (c != word.charAt(i)) {
            for (int back = 0; back <= i; ++back)
                m_Input->unget();
            return false;
        }
    }
    return true;
}

// Every word is tried from the same place, the first character after the white space; a
// word that begins with another character cannot match there.
TReadAnswer CReaderWordReserved::parse(TReadMode mode, bool adjacent)
{
    m_EndOfStream = false;
    m_Token.m_GroupId = m_Group;
    m_Token.m_Text.clear();
    m_SpaceText.clear();
    if (m_Words.getCount() == 0)
        return READ_NO_TOKEN;
    applyMode(mode);
    bool spaced = false;
    const char first = skipSpace(spaced);
    if (first == 0)
        return READ_NO_TOKEN;
    m_Token.m_StartLine = m_Input->getLine();
    m_Token.m_StartColumn = m_Input->getColumn();
    m_Input->unget();
    for (int i = m_FirstByStart[static_cast<unsigned char>(first)]; i >= 0;
         i = m_NextByStart.get(i)) {
        const TTokenReservedWord& entry = *m_Words.get(i);
        if (matchWord(entry.m_Word)) {
            m_Token.m_TypeId = entry.m_Id;
            m_Token.m_Text = entry.m_Word;
            m_Token.m_Flag = entry.m_Flag;
            m_Token.m_EndLine = m_Input->getLine();
            m_Token.m_EndColumn = m_Input->getColumn();
            m_Token.m_SeparatedBefore = adjacent || spaced;
            m_Token.m_SeparatedAfter = false;
            return entry.m_Flag ? READ_TOKEN_FOLLOWED : READ_TOKEN_COMPLETE;
        }
        if (m_EndOfStream)
            return READ_NO_TOKEN;
    }
    return READ_NO_TOKEN;
}

} // namespace xonQMInterpreter
