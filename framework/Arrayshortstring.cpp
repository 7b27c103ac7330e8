#include "framework/Arrayshortstring.h"

#include "framework/Frameworklimits.h"
#include "framework/Stringutils.h"

#include <algorithm>

int CArrayShortString::add(const QString& text)
{
    const QString slot = leftWhole(text, kShortStringMaxLength);
    if (m_Unique && find(slot) >= 0)
        return -1;
    if (m_Data.size() == m_Data.capacity())
        m_Data.reserve(m_Data.size() + kShortStringBlock);
    m_Data.push_back(slot);
    return getCount() - 1;
}

bool CArrayShortString::get(int index, QString& out) const
{
    if (index < 0 || index >= getCount())
        return false;
    out = m_Data[index];
    return true;
}

int CArrayShortString::find(const QString& text) const
{
    const auto found = std::find(m_Data.begin(), m_Data.end(), text);
    return found == m_Data.end() ? -1 : static_cast<int>(found - m_Data.begin());
}

int CArrayShortString::getCount() const
{
    return static_cast<int>(m_Data.size());
}

int CArrayShortString::getCapacity() const
{
    return static_cast<int>(m_Data.capacity());
}

void CArrayShortString::clear()
{
    std::vector<QString>().swap(m_Data);
}

void CArrayShortString::setUnique(bool unique)
{
    m_Unique = unique;
}
