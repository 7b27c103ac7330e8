#include "app/Placement.h"

#include "app/Applimits.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

// The margin assumes a window at least that large; a smaller one is judged by its own size.
int keptEdge(int edge, int extent, int desktopStart, int desktopExtent, int margin)
{
    return desktopStart <= edge && edge <= desktopExtent - std::min(margin, extent)
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
    const int width = keptExtent(place.width(), desktop.width(), kFallbackWindowWidth);
    const int height = keptExtent(place.height(), desktop.height(), kFallbackWindowHeight);
    return QRect(keptEdge(place.left(), width, desktop.left(), desktop.width(),
                          kPlacementMarginRight),
                 keptEdge(place.top(), height, desktop.top(), desktop.height(),
                          kPlacementMarginBottom),
                 width, height);
}

QRect availableVirtualDesktop()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableVirtualGeometry() : QRect();
}
