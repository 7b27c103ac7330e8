#pragma once

class QWindow;

// Leaves a top-level window out of the desktop's taskbar, or lists it again. On X11 the window
// carries _NET_WM_STATE_SKIP_TASKBAR while it is left out, which window managers honour where
// a tool window's type alone is not enough; other platforms are left to the window's flags.
// Call it before the window is mapped as well: a new native window starts without the state.
void setTaskBarEntrySkipped(QWindow* window, bool skip);
