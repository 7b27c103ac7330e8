#include "app/Placement.h"

#include "app/Applimits.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

int keptEdge(int edge, int desktopStart, int desktopExtent, int margin)
{
    return desktopStart <= edge && edge <= desktopExtent - margin
               ? edge
               : desktopStart + kPlacementFallbackOffset;
}

int keptExtent(int extent, int desktopExtent, int fallback)
{
    return extent > 0 && extent <= desktopExtent ? extent : fallback;
}

} // namespace

QRect keepOnDesktop(const QRect& place, const QRect& desktop)
{
    return QRect(keptEdge(place.left(), desktop.left(), desktop.width(), kPlacementMarginRight),
                 keptEdge(place.top(), desktop.top(), desktop.height(), kPlacementMarginBottom),
                 keptExtent(place.width(), desktop.width(), kFallbackWindowWidth),
                 keptExtent(place.height(), desktop.height(), kFallbackWindowHeight));
}

QRect availableVirtualDesktop()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableVirtualGeometry() : QRect();
}
