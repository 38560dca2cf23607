#include "geometry/Arrondi.h"

#include <gtest/gtest.h>

namespace {

TEST(Arrondi, HalfIsRoundedDown) {
    EXPECT_DOUBLE_EQ(Arrondi(12.345, 2), 12.34);
    EXPECT_DOUBLE_EQ(Arrondi(12.3491, 2), 12.35);
}

TEST(Arrondi, OtherPrecisionsAndSigns) {
    EXPECT_DOUBLE_EQ(Arrondi(1.41421356, 3), 1.414);
    EXPECT_DOUBLE_EQ(Arrondi(1.123456789, 7), 1.1234567);
    EXPECT_DOUBLE_EQ(Arrondi(-2.5, 0), -3.0);
    EXPECT_DOUBLE_EQ(Arrondi(-12.346, 2), -12.35);
    EXPECT_EQ(Arrondi(0.0, 4), 0.0);
    EXPECT_DOUBLE_EQ(Arrondi(359.9995, 2), 360.0);
}

} // namespace
