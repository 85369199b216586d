// Number and date texts of the reports.
#include "lott/reports/number_format.h"

#include <gtest/gtest.h>

using namespace reports;

TEST(NumberFormat, StandingsPointsUseTwoDigitsBelowTenAndAHalf) {
    EXPECT_EQ("5.5", pointsText(5.5));
    EXPECT_EQ("10", pointsText(10));
    EXPECT_EQ("10.5", pointsText(10.5));
    EXPECT_EQ("11", pointsText(11));
    EXPECT_EQ("0", pointsText(0));
    EXPECT_EQ("9.5", pointsText(9.5));
    EXPECT_EQ("27", pointsText(27));
}

TEST(NumberFormat, RatingChangeOutsideTheLimitsOrTooLongIsZero) {
    EXPECT_EQ("20", ratingChangeText(20));
    EXPECT_EQ("-12", ratingChangeText(-12));
    EXPECT_EQ("7.5", ratingChangeText(7.5));
    EXPECT_EQ("-12.5", ratingChangeText(-12.5));
    EXPECT_EQ("0", ratingChangeText(0));
    EXPECT_EQ("0", ratingChangeText(500));
    EXPECT_EQ("0", ratingChangeText(-500));
    EXPECT_EQ("499", ratingChangeText(499));
    EXPECT_EQ("-499", ratingChangeText(-499));
    EXPECT_EQ("0", ratingChangeText(-0.00123)); // "-0.00123" is longer than 5 characters
    EXPECT_EQ("-12.3", ratingChangeText(-12.34));
}

TEST(NumberFormat, DateStampPadsWithZeros) {
    std::tm t{};
    t.tm_year = 2001 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 7;
    t.tm_hour = 19;
    t.tm_min = 5;
    t.tm_sec = 2;
    EXPECT_EQ("2001.03.07     19.05.02", docht(t));
    t.tm_mon = 11;
    t.tm_mday = 24;
    t.tm_hour = 0;
    t.tm_min = 0;
    t.tm_sec = 59;
    EXPECT_EQ("2001.12.24     00.00.59", docht(t));
}
