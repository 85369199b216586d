// The floating ranking list of a period that has been committed: its games are already in the
// committed ratings, so the list shows those and never counts the games a second time.
#include <gtest/gtest.h>

#include <ctime>

#include "rank/berakning/verkstallda_perioder.h"
#include "rank/lists/utskrifter.h"
#include "rank/state.h"
#include "store/clock.h"
#include "store/files.h"
#include "tests/support/rank_poster.h"
#include "tests/support/temp_dir.h"

using namespace rank;
using namespace rankpost;

namespace {

class Flytande : public ArbetsmappTest {};

TEST_F(Flytande, ACommittedPeriodIsNotAppliedAgain) {
    // 4 June 2003 lies in period 17. Anna, at 2090, lost to a 1990 in that period: as favourite
    // (d=100, t=12) 12-32 = -20. Until the period is committed the list applies it (2070); once it
    // is, "SPEL" already holds the result of the period and the list shows it as it stands.
    std::tm idag{};
    idag.tm_year = 2003 - 1900;
    idag.tm_mon = 5;
    idag.tm_mday = 4;
    idag.tm_hour = 12;
    store::fixLocalNow(idag);
    store::writeAll(fil::ALLA, std::vector<allastruct>{parti("Anna", "Bo", 1990, 2, 17)});
    store::writeAll(fil::SPEL, std::vector<spelarstruct>{medlem("Anna", 2090)});

    const struct {
        bool verkstalld;
        int vantat;
        const char* varfor;
    } fall[] = {
        {false, 2070, "not committed: the period's loss applied to 2090"},
        {true, 2090, "committed: the committed rating as it stands"},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.varfor);
        if (f.verkstalld) noteraVerkstalld(17);
        RankState state;
        flytandeRankinglista(state);
        EXPECT_EQ(state.globperiod, 17);
        const auto stemp = store::readAll<spelarstruct>(fil::STEMP);
        ASSERT_EQ(stemp.size(), 1u);
        EXPECT_EQ(stemp[0].ranking, f.vantat);
        EXPECT_EQ(store::readAll<spelarstruct>(fil::SPEL).at(0).ranking, 2090);
    }
}

} // namespace
