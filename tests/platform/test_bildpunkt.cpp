// Coordinates from computed values stay within int, whatever the value.
#include "platform/u_bildpunkt.h"
#include <gtest/gtest.h>
#include <limits>

TEST(Bildpunkt, RundetWieDieZeichnungenUndBleibtImWertebereich)
{
    constexpr double unendlich = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Bildpunkt(2.5), 3);
    EXPECT_EQ(Bildpunkt(-2.5), -3);
    EXPECT_EQ(BildpunktHalbGerade(2.5), 2);
    EXPECT_EQ(BildpunktHalbGerade(3.5), 4);
    for (double riesig : {1e308, 3e9, unendlich}) {
        EXPECT_EQ(Bildpunkt(riesig), 100000000) << riesig;
        EXPECT_EQ(Bildpunkt(-riesig), -100000000) << riesig;
        EXPECT_EQ(BildpunktHalbGerade(riesig), 100000000) << riesig;
    }
    EXPECT_EQ(Bildpunkt(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(BildpunktHalbGerade(std::numeric_limits<double>::quiet_NaN()), 0);
}
