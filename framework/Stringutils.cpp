#include "framework/Stringutils.h"

#include <algorithm>

namespace {

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20;
}

// True when a search of the pattern from start can find anything at all.
bool isSearchable(const QString& text, const QString& pattern, int start)
{
    return !text.isEmpty() && !pattern.isEmpty() && start >= 0 && start < text.size()
           && pattern.size() <= text.size() - start;
}

} // namespace

QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlankOrControl(text.at(first)))
        ++first;
    while (last > first && isBlankOrControl(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}

QString leftWhole(const QString& text, int maxLength)
{
    if (maxLength <= 0)
        return {};
    if (text.size() <= maxLength)
        return text;
    const bool splitsPair = text.at(maxLength - 1).isHighSurrogate();
    return text.left(splitsPair ? maxLength - 1 : maxLength);
}

void TArrayChosenStrings::add(const QString& text)
{
    if (text.isEmpty())
        return;
    int shifted = indexOf(text);
    if (shifted < 0) {
        if (m_Count < kChosenStringsCount)
            ++m_Count;
        shifted = m_Count - 1;
    }
    // Entries before the found (or the last) place move one down; that place is overwritten.
    std::move_backward(m_Entries.begin(), m_Entries.begin() + shifted,
                       m_Entries.begin() + shifted + 1);
    m_Entries[0] = text;
}

int TArrayChosenStrings::indexOf(const QString& text) const
{
    if (text.isEmpty())
        return -1;
    const Qt::CaseSensitivity cs = m_CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < m_Count; ++i) {
        if (m_Entries[i].compare(text, cs) == 0)
            return i;
    }
    return -1;
}

QString TArrayChosenStrings::get(int index) const
{
    return index >= 0 && index < m_Count ? m_Entries[index] : QString();
}

int TArrayChosenStrings::getCount() const
{
    return m_Count;
}

void TArrayChosenStrings::setCaseSensitive(bool caseSensitive)
{
    m_CaseSensitive = caseSensitive;
}

int findSubString(const QString& text, const QString& pattern, int start)
{
    if (!isSearchable(text, pattern, start))
        return -1;
    return static_cast<int>(text.indexOf(pattern, start, Qt::CaseSensitive));
}

int countSubString(const QString& text, const QString& pattern, int start)
{
    if (!isSearchable(text, pattern, start))
        return 0;
    int count = 0;
    for (qsizetype i = text.indexOf(pattern, start); i >= 0; i = text.indexOf(pattern, i + 1))
        ++count;
    return count;
}

int replaceSubStrings(const QString& source, QString& target, const QString& pattern,
                      const QString& replacement, int start)
{
    if (!isSearchable(source, pattern, start) || replacement.isEmpty())
        return 0;
    QString result = source.left(start);
    int count = 0;
    qsizetype copied = start;
    for (qsizetype i = source.indexOf(pattern, start); i >= 0;
         i = source.indexOf(pattern, copied)) {
        result += QStringView(source).mid(copied, i - copied);
        result += replacement;
        copied = i + pattern.size();
        ++count;
    }
    result += QStringView(source).mid(copied);
    target = result;
    return count;
}
