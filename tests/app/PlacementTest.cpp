#include "app/Placement.h"

#include <gtest/gtest.h>

namespace {

struct TCase
{
    const char* reason;
    QRect place;
    QRect kept;
};

void expectPlaces(const QRect& desktop, const TCase* begin, const TCase* end)
{
    for (const TCase* c = begin; c != end; ++c) {
        const QRect kept = keepOnDesktop(c->place, desktop);
        EXPECT_EQ(kept.left(), c->kept.left()) << c->reason;
        EXPECT_EQ(kept.top(), c->kept.top()) << c->reason;
        EXPECT_EQ(kept.width(), c->kept.width()) << c->reason;
        EXPECT_EQ(kept.height(), c->kept.height()) << c->reason;
    }
}

} // namespace

TEST(Placement, DesktopAtTheOrigin)
{
    // W = 1920, H = 1080.
    const TCase cases[] = {
        {"inside", {100, 100, 800, 600}, {100, 100, 800, 600}},
        {"left far off", {-5000, 100, 800, 600}, {10, 100, 800, 600}},
        {"left at the desktop's left", {0, 100, 800, 600}, {0, 100, 800, 600}},
        {"left at W - 350", {1570, 100, 800, 600}, {1570, 100, 800, 600}},
        {"left at W - 349", {1571, 100, 800, 600}, {10, 100, 800, 600}},
        {"narrower than 350, wholly on", {1620, 100, 300, 600}, {1620, 100, 300, 600}},
        {"narrower than 350, one beyond", {1621, 100, 300, 600}, {10, 100, 300, 600}},
        {"top above", {100, -1, 800, 600}, {100, 10, 800, 600}},
        {"top at H - 250", {100, 830, 800, 600}, {100, 830, 800, 600}},
        {"top at H - 249", {100, 831, 800, 600}, {100, 10, 800, 600}},
        {"lower than 250, wholly on", {100, 980, 800, 100}, {100, 980, 800, 100}},
        {"lower than 250, one beyond", {100, 981, 800, 100}, {100, 10, 800, 100}},
        {"width zero", {100, 100, 0, 600}, {100, 100, 550, 600}},
        {"width negative", {100, 100, -5, 600}, {100, 100, 550, 600}},
        {"width of the desktop", {100, 100, 1920, 600}, {100, 100, 1920, 600}},
        {"width beyond the desktop", {100, 100, 1921, 600}, {100, 100, 550, 600}},
        {"height zero", {100, 100, 800, 0}, {100, 100, 800, 450}},
        {"height of the desktop", {100, 100, 800, 1080}, {100, 100, 800, 1080}},
        {"height beyond the desktop", {100, 100, 800, 1081}, {100, 100, 800, 450}},
        {"everything off", {-5000, 5000, 0, 99999}, {10, 10, 550, 450}},
    };
    expectPlaces(QRect(0, 0, 1920, 1080), std::begin(cases), std::end(cases));
}

TEST(Placement, BoundsAreTheDesktopsSizeNotItsFarEdges)
{
    // L = -1280, T = -200, W = 3200, H = 1280: right edge 1919, bottom edge 1079.
    const TCase cases[] = {
        {"left at L", {-1280, 0, 800, 600}, {-1280, 0, 800, 600}},
        {"left before L", {-1281, 0, 800, 600}, {-1270, 0, 800, 600}},
        {"left at W - 350, beyond the right edge", {2850, 0, 800, 600}, {2850, 0, 800, 600}},
        {"left at W - 349", {2851, 0, 800, 600}, {-1270, 0, 800, 600}},
        {"top at T", {0, -200, 800, 600}, {0, -200, 800, 600}},
        {"top above T", {0, -201, 800, 600}, {0, -190, 800, 600}},
        {"top at H - 250, beyond the bottom edge", {0, 1030, 800, 600}, {0, 1030, 800, 600}},
        {"top at H - 249", {0, 1031, 800, 600}, {0, -190, 800, 600}},
        {"width of the desktop", {0, 0, 3200, 600}, {0, 0, 3200, 600}},
        {"height beyond", {0, 0, 800, 1281}, {0, 0, 800, 450}},
    };
    expectPlaces(QRect(-1280, -200, 3200, 1280), std::begin(cases), std::end(cases));
}
