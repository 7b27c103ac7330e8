#include "framework/Windowplace.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPlace, FrameIsFittedOnTheUsableDesktop)
{
    // A desktop above a task bar, and a frame with a title bar.
    const QRect desktop(0, 0, 1280, 998);
    const QMargins frame(5, 24, 5, 5);
    struct TCase
    {
        const char* reason;
        QRect client;
        QRect fitted;
        QMargins frame;
        QRect desktop;
    };
    // clang-format off
    const TCase cases[] = {
        {"inside: kept", {60, 80, 600, 400}, {60, 80, 600, 400}, frame, desktop},
        {"the frame at the edges: kept", {5, 24, 1270, 969}, {5, 24, 1270, 969}, frame, desktop},
        {"title bar above the desktop", {60, 0, 600, 400}, {60, 24, 600, 400}, frame, desktop},
        {"title bar one pixel above", {60, 23, 600, 400}, {60, 24, 600, 400}, frame, desktop},
        {"left border off", {0, 80, 600, 400}, {5, 80, 600, 400}, frame, desktop},
        {"beyond the right edge", {930, 80, 600, 400}, {675, 80, 600, 400}, frame, desktop},
        {"under the task bar", {60, 700, 600, 400}, {60, 593, 600, 400}, frame, desktop},
        {"the size of the screen", {0, 19, 1280, 979}, {5, 24, 1270, 969}, frame, desktop},
        {"off in every direction", {-900, -900, 5000, 5000}, {5, 24, 1270, 969}, frame, desktop},
        {"no frame: the edges are the client's", {0, 0, 1280, 998}, {0, 0, 1280, 998}, {}, desktop},
        {"a desktop left of the origin", {-1300, -10, 600, 400}, {-1275, 24, 600, 400}, frame,
         {-1280, 0, 1280, 998}},
        {"no screen: kept", {-900, -900, 600, 400}, {-900, -900, 600, 400}, frame, {}},
    };
    // clang-format on
    for (const TCase& c : cases)
        EXPECT_EQ(fitOnDesktop(c.client, c.frame, c.desktop), c.fitted) << c.reason;
}

} // namespace
