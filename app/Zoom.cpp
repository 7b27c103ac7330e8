#include "app/Zoom.h"

#include "app/Fonts.h"

#include <QWidget>

#include <algorithm>

bool CZoom::setIndex(int index)
{
    if (index < 0 || index > kLastIndex)
        return false;
    m_Index = index;
    return true;
}

int CZoom::getFontSize() const
{
    return kZoomFontSizes[static_cast<std::size_t>(m_Index)];
}

bool CZoom::zoomIn()
{
    return setIndex(m_Index + 1);
}

bool CZoom::zoomOut()
{
    return setIndex(m_Index - 1);
}

void CZoom::zoomDefault()
{
    m_Index = kZoomDefaultIndex;
}

QFont CZoom::makeDefaultFont() const
{
    return makeFont(QStringLiteral("Courier New"), TFontStyles(), getFontSize());
}

int CZoom::indexOfSize(int pointSize)
{
    const auto found = std::find(kZoomFontSizes.begin(), kZoomFontSizes.end(), pointSize);
    if (found == kZoomFontSizes.end())
        return kZoomDefaultIndex;
    return static_cast<int>(found - kZoomFontSizes.begin());
}

void CZoom::updateButtons(QWidget* zoomIn, QWidget* zoomOut, QWidget* zoomDefault) const
{
    zoomIn->setEnabled(m_Index < kLastIndex);
    zoomOut->setEnabled(m_Index > 0);
    zoomDefault->setEnabled(m_Index != kZoomDefaultIndex);
}
