#pragma once

#include "app/Applimits.h"

#include <QFont>

class QWidget;

// The text zoom of the variable choice and of the results window: a place in the table of font
// sizes, and the three tool buttons that show which steps would change it.
class CZoom
{
public:
    int getIndex() const { return m_Index; }
    // False, the index unchanged, outside the table.
    bool setIndex(int index);
    int getFontSize() const;

    // One step along the table; false, nothing changed, at its end.
    bool zoomIn();
    bool zoomOut();
    void zoomDefault();

    // The text font both windows start from on every showing, at the current size.
    QFont makeDefaultFont() const;

    // The place of the size in the table, or the default place for a size it lacks.
    static int indexOfSize(int pointSize);

    // Each button is enabled exactly when its step would change the size; the actions behind
    // them stay enabled and simply do nothing at the ends.
    void updateButtons(QWidget* zoomIn, QWidget* zoomOut, QWidget* zoomDefault) const;

private:
    static constexpr int kLastIndex = static_cast<int>(kZoomFontSizes.size()) - 1;

    int m_Index = kZoomDefaultIndex;
};
