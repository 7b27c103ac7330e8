#pragma once

#include <QRect>

// A stored window place made to show on the virtual desktop. Each of left, top, width and
// height is kept or replaced on its own: the left edge stays within the desktop's left and its
// width less kPlacementMarginRight, the top within its top and its height less
// kPlacementMarginBottom (else kPlacementFallbackOffset inside the desktop's corner); a size
// stays when positive and no larger than the desktop's, else the fallback size. The bounds
// compare against the desktop's width and height, not its right and bottom edges.
QRect keepOnDesktop(const QRect& place, const QRect& desktop);

// The virtual desktop less the taskbars and panels, where a window may be placed; an empty
// rectangle when there is no screen.
QRect availableVirtualDesktop();
