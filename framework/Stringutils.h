#pragma once

#include "framework/Frameworklimits.h"

#include <QString>

#include <array>

// Removes blanks and control characters (everything up to U+0020) at both ends.
QString trimBlanks(const QString& text);

// The text cut to at most maxLength code units; one fewer when the cut would keep only half of
// a character that takes two.
QString leftWhole(const QString& text, int maxLength);

// The history of a find or replace dialog: at most 12 texts, the most recent first.
class TArrayChosenStrings
{
public:
    TArrayChosenStrings() = default;
    TArrayChosenStrings(const TArrayChosenStrings&) = default;
    TArrayChosenStrings& operator=(const TArrayChosenStrings&) = default;
    virtual ~TArrayChosenStrings() = default;

    // Puts the text first: an equal entry moves to the front (taking the new letter case),
    // a new one pushes the oldest out of a full list. An empty text is ignored.
    void add(const QString& text);
    // The first entry equal to the text, or -1; -1 for an empty text.
    int indexOf(const QString& text) const;
    // The entry, or an empty string outside 0..count-1.
    QString get(int index) const;
    int getCount() const;
    void setCaseSensitive(bool caseSensitive);

private:
    std::array<QString, kChosenStringsCount> m_Entries;
    bool m_CaseSensitive = false;
    int m_Count = 0;
};

// Exact, case-sensitive searches. A search is void (-1, or 0 for the counts) when the text or
// the pattern is empty, start lies outside the text, or the pattern does not fit after start.

// The first index at or after start where the pattern occurs, or -1.
int findSubString(const QString& text, const QString& pattern, int start);
// The number of occurrences from start on; overlapping occurrences count each.
int countSubString(const QString& text, const QString& pattern, int start);
// Writes into target the source with each non-overlapping occurrence from start on replaced;
// the text before start is kept. Returns the number of replacements. When the search is void
// or the replacement is empty, returns 0 and leaves target as it was.
int replaceSubStrings(const QString& source, QString& target, const QString& pattern,
                      const QString& replacement, int start);
