#pragma once

#include "Containers.h"
#include "ReaderTokenBase.h"

namespace xonQMInterpreter {

// A listed word: its token type id, its text and its token flag.
class TTokenReservedWord
{
public:
    int m_Id = 0;
    CNameString m_Word;
    bool m_Flag = true;
};

// Reads one of a list of words (the operator symbols, or the symbols that are not allowed
// at all). The first listed word that matches wins, so a word must be listed before any
// longer word that begins with it.
class CReaderWordReserved : public CReaderTokenBase
{
public:
    CReaderWordReserved();
    ~CReaderWordReserved() override;

    // Appends a word; false for an empty or blank word, or when memory runs out.
    bool addWord(int id, const CTokenString& word, bool flag);
    TReadAnswer parse(TReadMode mode, bool adjacent) override;

    // True when the name is one of the listed words.
    template <int M>
    bool isReserved(const CLimitString<M>& name) const
    {
        if (name.isEmpty())
            return false;
        for (int i = 0; i < m_Words.getCount(); ++i)
            if (m_Words.get(i)->m_Word == name)
                return true;
        return false;
    }

private:
    // Compares the word with the characters from the read position; steps back over what
    // it read unless the word matched.
    bool matchWord(const CNameString& word);

    C1DContainerPtr<TTokenReservedWord> m_Words;
    // The words beginning with each character, in list order: the index of the first, and
    // for each word the index of the next beginning alike (-1: none).
    int m_FirstByStart[START_CHAR_COUNT];
    C1DArray<int> m_NextByStart;
};

} // namespace xonQMInterpreter
