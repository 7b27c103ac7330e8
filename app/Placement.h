#pragma once

#include <QRect>

// A stored window place made to show on the virtual desktop. A size stays when positive and no
// larger than the desktop's, else the fallback size. The left edge stays within the desktop's
// left and its width less kPlacementMarginRight, or less the window's width where that is
// smaller; the top likewise with kPlacementMarginBottom and the height; else each becomes
// kPlacementFallbackOffset inside the desktop's corner. The bounds compare against the
// desktop's width and height, not its right and bottom edges.
QRect keepOnDesktop(const QRect& place, const QRect& desktop);

// The virtual desktop less the taskbars and panels, where a window may be placed; an empty
// rectangle when there is no screen.
QRect availableVirtualDesktop();
