#pragma once

class QWidget;

// Places the window in the middle of the screen its owner is on, or of the primary screen
// when it has no owner. Call it once the window has its size.
void centreOnScreen(QWidget& window);
