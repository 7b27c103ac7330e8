#pragma once

class QWidget;

// Ends the event loop as soon as the window has been painted for the first time: what the
// start-up drivers time is the way from the process start to a window on the screen.
void quitAfterFirstPaint(QWidget& window);

// Closes the window as soon as it has been painted for the first time, as File > Exit does: the
// options are saved, and the program ends with its last window.
void closeAfterFirstPaint(QWidget& window);
