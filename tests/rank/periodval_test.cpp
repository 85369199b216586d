// The period the period dialog preselects from today's date.
#include "rank/berakning/periodval.h"

#include <gtest/gtest.h>

namespace {

std::tm dag(int ar, int manad) {
    std::tm t{};
    t.tm_year = ar - 1900;
    t.tm_mon = manad - 1;
    t.tm_mday = 17;
    return t;
}

TEST(Periodval, TodaysPeriodOrTheOneJustEnded) {
    const struct {
        int ar, manad;
        bool foregaende;
        int index;
    } fall[] = {
        {2003, 5, false, 17}, // 3 * (2003 - 1998) + 1 + 1
        {2003, 5, true, 16},  // "&Rankingberäkna" and the reports: January-April 2003
        {2003, 4, false, 16}, {2003, 9, false, 18}, {1998, 1, false, 1},   {1998, 1, true, 0},
        {1997, 12, false, 0}, {1997, 12, true, -1}, {2031, 4, false, 100}, {2031, 5, false, -1},
        {2031, 5, true, 100}, {2001, 3, false, 10},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(std::to_string(f.ar) + "-" + std::to_string(f.manad) +
                     (f.foregaende ? " previous" : ""));
        EXPECT_EQ(rank::forvaldPeriod(dag(f.ar, f.manad), f.foregaende), f.index);
    }
}

} // namespace
