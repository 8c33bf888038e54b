// The window's place on the screen.
#include "Placement.h"

#include <gtest/gtest.h>

TEST(Placement, QuarterOfTheFreeHeightAbove) {
    EXPECT_EQ(PlacementTop(1024, 780), 61);
    EXPECT_EQ(PlacementTop(1080, 780), 75);
}

TEST(Placement, CentredAcross) {
    EXPECT_EQ(PlacementLeft(1280, 760), 260);
    EXPECT_EQ(PlacementLeft(1279, 760), 259);
}

TEST(Placement, ScreenSmallerThanTheWindowRoundsTowardsZero) {
    EXPECT_EQ(PlacementTop(700, 781), -20);
    EXPECT_EQ(PlacementLeft(759, 760), 0);
}
