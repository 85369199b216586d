// Ranking groups: the division worked out from the dialog's fields, the players' rating places
// and groups, and the ranking-group standings step on the tournament's files.
#include "lott/results/rankinggrupper.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "lott/reports/report_data.h"
#include "store/files.h"
#include "tests/lott/reports/report_fixtures.h"
#include "tests/support/temp_dir.h"

using reports::testing::player;
using reports::testing::row;
namespace fs = std::filesystem;

namespace {

TEST(Rankinggrupper, DivisionFromWhatWasTyped) {
    struct Fall {
        const char* namn;
        int n;
        const char *g, *s, *f;
        bool giltig;
        int antalgr, spelarepergr, franochmed;
    };
    const Fall fall[] = {
        // d = 30: 30 / 8 = 3 groups, 8 x 3 = 24 < 30, so 4.
        {"30 players, S = 8", 30, "", "8", "1", true, 4, 8, 1},
        // 30 / 4 = 7 players, 7 x 4 = 28 < 30, so 8.
        {"30 players, G = 4", 30, "4", "", "1", true, 4, 8, 1},
        // 10 / 6 = 1: not two groups.
        {"10 players, S = 6", 10, "", "6", "", false, 0, 0, 0},
        // S wins over G: 30 / 10 = 3 exactly.
        {"both given", 30, "5", "10", "", true, 3, 10, 1},
        // F empty counts as 1 and is stored so.
        {"F empty", 30, "", "15", "", true, 2, 15, 1},
        // From place 11: d = 20, 20 / 8 = 2, 16 < 20, so 3.
        {"F = 11", 30, "", "8", "11", true, 3, 8, 11},
        {"F beyond the field", 10, "", "3", "12", false, 0, 0, 0},
        {"nothing given", 30, "", "", "", false, 0, 0, 0},
        // S unreadable: G decides, 30 / 2 = 15.
        {"S unreadable", 30, "2", "abc", "", true, 2, 15, 1},
        {"G = 30 leaves one player a group", 30, "30", "", "", false, 0, 0, 0},
        // One group of the whole field is allowed: S = 30 / 1 = 30.
        {"G = 1", 30, "1", "", "", true, 1, 30, 1},
        {"S far too large", 30, "", "999999999", "", false, 0, 0, 0},
        {"signed S", 30, "", "-5", "", false, 0, 0, 0},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.namn);
        ranking::Inmatning in{f.g, f.s, f.f, "300", 1};
        const auto g = ranking::grupperAv(f.n, in);
        ASSERT_EQ(f.giltig, g.has_value());
        if (!g) continue;
        EXPECT_EQ(f.antalgr, g->antalgr);
        EXPECT_EQ(f.spelarepergr, g->spelarepergr);
        EXPECT_EQ(f.franochmed, g->franochmed);
        EXPECT_EQ(300, g->rpris);
        EXPECT_EQ(1, g->delasellerej);
    }
}

// Standings order A, B, bye, C, D, E, F with rankings 1500, 1900, -, 1700, 1700, 0, 2000.
// Rating places: F 1, B 2, C 3 (before D, whom it precedes in the standings), D 4, A 5, E 6.
std::vector<spelarstructc> falt() {
    return {row(1, "A", "", 3, 0, 1500), row(2, "B", "", 3, 0, 1900), row(7, "Frirond", "", 2, 0),
            row(3, "C", "", 2, 0, 1700), row(4, "D", "", 1, 0, 1700), row(5, "E", "", 1, 0, 0),
            row(6, "F", "", 0, 0, 2000)};
}

TEST(Rankinggrupper, PlayersJoinGroupsByRatingPlace) {
    struct Fall {
        const char* namn;
        rankingstruct g;
        std::vector<int> grupp; // by row, in standings order
    };
    const std::vector<int> platser = {5, 2, 0, 3, 4, 6, 1};
    const Fall fall[] = {
        // From place 2, two of two: B, C in group 1; D, A in group 2; F before, E after.
        {"from place 2", {0, 2, 2, 2, 0}, {2, 1, 0, 1, 2, 0, 0}},
        // From place 1, three of three: F, B, C; D, A, E.
        {"whole field", {0, 2, 3, 1, 0}, {2, 1, 0, 1, 2, 2, 1}},
        // Place 7 and beyond would be group 3 of 3, but nobody is there.
        {"more groups than players", {0, 3, 3, 1, 0}, {2, 1, 0, 1, 2, 2, 1}},
        {"no group size", {0, 2, 0, 1, 0}, {0, 0, 0, 0, 0, 0, 0}},
        {"no groups", {0, 0, 2, 1, 0}, {0, 0, 0, 0, 0, 0, 0}},
        // A damaged first place counts as 1.
        {"negative first place", {0, 1, 2, -40, 0}, {0, 1, 0, 0, 0, 0, 1}},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.namn);
        auto stallning = falt();
        ranking::delaIn(stallning, f.g);
        for (std::size_t i = 0; i < stallning.size(); ++i) {
            SCOPED_TRACE(stallning[i].namn);
            EXPECT_EQ(f.grupp[i], stallning[i].rankinggrupp);
            EXPECT_EQ(platser[i], stallning[i].rankingplacering);
        }
    }
}

class Rstallningglob : public ArbetsmappTest {};

TEST_F(Rstallningglob, WithoutGroupsThereIsNothingToShow) {
    LottState st;
    st.turnnr = 1;
    EXPECT_EQ(0, rstallningglob(st));
    EXPECT_TRUE(fs::exists("1.G")); // touched: an empty file reads as no groups
    store::writeAll("1.G", std::vector<rankingstruct>{});
    EXPECT_EQ(0, rstallningglob(st));
}

TEST_F(Rstallningglob, StandingsGetTheirGroupsAndTheReportTheLastRecord) {
    LottState st;
    st.turnnr = 1;
    st.vilkpaint = 6;
    st.slistab = {player(1, "A", "nej", 1600), player(2, "B", "nej", 1800), player(3, "C", "nej", 1700),
                  player(4, "D", "nej", 1500)};
    // A beat B, C beat D: standings A, C, B, D. Rating places B 1, C 2, A 3, D 4.
    store::writeAll("1.R", std::vector<partistruct>{{1, 2, 1, 1, 1}, {3, 4, 2, 1, 1}});
    // An earlier record, then the one in force: groups of two from place 1.
    store::writeAll("1.G", std::vector<rankingstruct>{{0, 4, 1, 1, 50}, {1, 2, 2, 1, 200}});
    ASSERT_EQ(1, rstallningglob(st));
    ASSERT_EQ(4u, st.parslistac.size());
    std::vector<int> nr, grupp;
    for (const auto& s : st.parslistac) {
        nr.push_back(s.nr);
        grupp.push_back(s.rankinggrupp);
    }
    EXPECT_EQ((std::vector<int>{1, 3, 2, 4}), nr);
    EXPECT_EQ((std::vector<int>{2, 1, 1, 2}), grupp);
    EXPECT_EQ(1, st.valdrond);

    const reports::ReportInput in = reports::reportInput(st);
    EXPECT_EQ(2, in.grupper.antalgr);
    EXPECT_EQ(200, in.grupper.rpris);
}

} // namespace
