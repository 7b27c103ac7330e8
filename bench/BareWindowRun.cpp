// The scale for the program's start-up: an empty Qt window of the main window's first-run
// size, timed the same way, from the process start to its first paint.
#include "bench/Firstpaint.h"

#include <QApplication>
#include <QWidget>

namespace {

constexpr int kWidth = 570;
constexpr int kHeight = 425;

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(kWidth, kHeight);
    quitAfterFirstPaint(window);
    window.show();
    return application.exec();
}
