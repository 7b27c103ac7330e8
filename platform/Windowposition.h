#pragma once

#include <QPoint>

#include <optional>

class QWindow;

// Where a shown window's client area stands on the desktop as the display server has it. The
// toolkit takes a framed window's place from the window manager's reports, and some window
// managers report a place shifted by part of their frame (seen for dialogs and tool windows),
// which the toolkit keeps until the window is moved again. Empty where the server cannot be
// asked: another platform, a window without a native window, or scaled coordinates.
std::optional<QPoint> nativeClientPosition(const QWindow* window);
