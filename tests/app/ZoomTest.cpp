#include "app/Zoom.h"

#include <gtest/gtest.h>

TEST(Zoom, PlaceOfASize)
{
    struct TCase
    {
        int pointSize;
        int index;
        const char* reason;
    };
    const TCase cases[] = {
        {8, 0, "first entry"},
        {10, 2, "the default size"},
        {14, 5, "after the gap at 13"},
        {72, 23, "last entry"},
        {13, kZoomDefaultIndex, "a size the table lacks"},
        {0, kZoomDefaultIndex, "no size"},
        {-10, kZoomDefaultIndex, "a negative size"},
        {50, kZoomDefaultIndex, "between 48 and 72"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(CZoom::indexOfSize(c.pointSize), c.index) << c.reason;
}

TEST(Zoom, IndexOutsideTheTableIsRefused)
{
    CZoom zoom;
    ASSERT_TRUE(zoom.setIndex(7));
    for (int index : {-1, 24, 1000}) {
        EXPECT_FALSE(zoom.setIndex(index)) << index;
        EXPECT_EQ(zoom.getIndex(), 7) << index;
    }
}
