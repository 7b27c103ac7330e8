#pragma once

#include <QString>

#include <vector>

// A list of short strings (at most 255 characters each, longer ones are cut), such as font
// names. Storage grows by whole blocks of 21 slots. In unique mode an equal string is refused.
class CArrayShortString
{
public:
    // Index of the stored string, or -1 when unique mode refuses a duplicate.
    int add(const QString& text);
    // False for an index outside 0..count-1; out is then left as it was.
    bool get(int index, QString& out) const;
    // Index of the first string equal to the text (exact, case-sensitive), or -1.
    int find(const QString& text) const;
    int getCount() const;
    // Slots allocated: always a whole number of blocks.
    int getCapacity() const;
    void clear();
    void setUnique(bool unique);

private:
    std::vector<QString> m_Data;
    bool m_Unique = false;
};
