#include "rank/rating/period.h"

#include <gtest/gtest.h>

namespace {

using namespace rating;

TEST(Period, IndexFromDate) {
    EXPECT_EQ(periodIndex(1998, 1), 1);
    EXPECT_EQ(periodIndex(1998, 4), 1);
    EXPECT_EQ(periodIndex(1998, 5), 2);
    EXPECT_EQ(periodIndex(1998, 8), 2);
    EXPECT_EQ(periodIndex(1998, 9), 3);
    EXPECT_EQ(periodIndex(1998, 12), 3);
    EXPECT_EQ(periodIndex(2003, 5), 17); // May 2003
    EXPECT_EQ(periodIndex(2031, 1), 100);
    EXPECT_EQ(periodIndex(1997, 9), 0);
}

TEST(Period, YearAndThirdRoundTrip) {
    EXPECT_EQ(periodAr(0), 1997);
    EXPECT_EQ(periodTertial(0), 2);
    for (int ar = 1998; ar <= 2040; ++ar)
        for (int manad = 1; manad <= 12; ++manad) {
            const int p = periodIndex(ar, manad);
            EXPECT_EQ(periodAr(p), ar);
            EXPECT_EQ(periodTertial(p), tertial(manad));
        }
}

TEST(Period, ListTexts) {
    EXPECT_EQ(periodText(0), "1:a september - 31:e december 1997");
    EXPECT_EQ(periodText(1), "1:a januari - 30:e april      1998");
    EXPECT_EQ(periodText(2), "1:a maj - 30:e augusti              ");
    EXPECT_EQ(periodText(3), "1:a september - 31:e december ");
    EXPECT_EQ(periodText(16), "1:a januari - 30:e april      2003");
    EXPECT_EQ(periodText(kAntalPerioder - 1), "1:a januari - 30:e april      2031");
    EXPECT_EQ(ssfPeriodText(0), "inför våromgången 1998");
    EXPECT_EQ(ssfPeriodText(1), "inför höstomgången 1998");
    EXPECT_EQ(ssfPeriodText(2), "inför våromgången 1999");
    EXPECT_EQ(ssfPeriodText(99), "inför höstomgången 2047");
}

} // namespace
