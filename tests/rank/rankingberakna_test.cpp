// The recalculation of a period: expected ratings worked out by hand from the per-game table
// (win b, draw b - 16, loss b - 32; b the table value t for the favourite, 32 - t for the underdog),
// the halving of game points from 2200, tournament changes in full, truncation toward zero.
#include "rank/berakning/rankingberakna.h"

#include <gtest/gtest.h>

#include "store/files.h"
#include "tests/support/bytes.h"
#include "tests/support/rank_poster.h"
#include "tests/support/temp_dir.h"

using namespace rank;
using namespace rankpost;

namespace {

constexpr int P = 17; // May-August 2003

struct Fall {
    const char* namn;
    int ranking;
    std::vector<allastruct> partier; // the member's games
    std::vector<tallastruct> andringar;
    int vantat;
    const char* varfor;
};

int beraknad(const Fall& f) {
    const auto ny = rankingberakna({medlem(f.namn, f.ranking)}, f.partier, f.andringar, P);
    return ny.at(0).ranking;
}

TEST(Rankingberakna, WorkedExamplesAndTableEdges) {
    const Fall fall[] = {
        {"A", 1500, {parti("A", "X", 1600, 1, P)}, {}, 1520, "d=100, t=12, underdog wins 32-12"},
        {"A", 1500, {parti("A", "X", 1600, 3, P)}, {}, 1504, "underdog draws 20-16"},
        {"A", 1500, {parti("A", "X", 1600, 2, P)}, {}, 1488, "underdog loses 20-32"},
        {"A", 1600, {parti("A", "X", 1500, 1, P)}, {}, 1612, "favourite wins t=12"},
        {"A", 1600, {parti("A", "X", 1500, 3, P)}, {}, 1596, "favourite draws 12-16"},
        {"A", 1600, {parti("A", "X", 1500, 2, P)}, {}, 1580, "favourite loses 12-32"},
        {"A", 2000, {parti("A", "X", 1990, 1, P)}, {}, 2016, "d=10: t=16"},
        {"A", 2000, {parti("A", "X", 1989, 1, P)}, {}, 2015, "d=11: t=15"},
        {"A", 2000, {parti("A", "X", 1921, 1, P)}, {}, 2013, "d=79: t=13"},
        {"A", 2000, {parti("A", "X", 1920, 1, P)}, {}, 2012, "d=80: t=12"},
        {"A", 2000, {parti("A", "X", 1591, 1, P)}, {}, 2003, "d=409: t=3"},
        {"A", 2000, {parti("A", "X", 1590, 1, P)}, {}, 2002, "d=410: t=2"},
        {"A", 2000, {parti("A", "X", 1501, 1, P)}, {}, 2002, "d=499: t=2"},
        {"A", 2000, {parti("A", "X", 1500, 1, P)}, {}, 2001, "d=500: t=1"},
        {"A", 1700, {parti("A", "X", 1700, 3, P)}, {}, 1700, "equal ratings draw: 16-16"},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.varfor);
        EXPECT_EQ(beraknad(f), f.vantat);
    }
}

TEST(Rankingberakna, HalvingFrom2200AndTruncationTowardZero) {
    const Fall fall[] = {
        {"A", 2199, {parti("A", "X", 2199, 1, P)}, {}, 2215, "2199 gets the full 16"},
        {"A", 2200, {parti("A", "X", 2200, 1, P)}, {}, 2208, "2200 gets half of 16"},
        // 2300 against 2000: d=300, t=5, favourite win +5, halved 2.5: 2302.5 truncated.
        {"A", 2300, {parti("A", "X", 2000, 1, P)}, {}, 2302, "+2.5 truncated to +2"},
        // 2300 against 2600: underdog with t=5 loses 27-32 = -5, halved -2.5: 2297.5 truncated.
        {"A", 2300, {parti("A", "X", 2600, 2, P)}, {}, 2297, "-2.5 truncated toward zero"},
        // Tournament changes are added in full, also from 2200: 2300 + 2.5 + 400 = 2702.5.
        {"A",
         2300,
         {parti("A", "X", 2000, 1, P)},
         {andring("A", "Cup", 400, P)},
         2702,
         "change never halved"},
        {"A", 2300, {}, {andring("A", "Cup", -400, P)}, 1900, "-400 in full"},
        {"A", 1800, {}, {andring("A", "Cup", 7, P), andring("A", "Serie", -3, P)}, 1804, "changes add up"},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.varfor);
        EXPECT_EQ(beraknad(f), f.vantat);
    }
}

TEST(Rankingberakna, OnlyThePeriodsOwnRecordsOfTheMemberCount) {
    const Fall fall[] = {
        {"A",
         1500,
         {parti("A", "X", 1600, 1, P + 1)},
         {andring("A", "Cup", 50, P - 1)},
         1500,
         "other periods"},
        {"A",
         1500,
         {parti("a", "X", 1600, 1, P)},
         {andring("A ", "Cup", 50, P)},
         1500,
         "names compare exactly"},
        {"A", 1500, {}, {}, 1500, "no games, no changes"},
        // 1500 against 1580 twice: d=80, t=12, underdog wins 20 each, both from 1500 (a second game
        // computed from 1520 would give d=60, t=13, 19).
        {"A",
         1500,
         {parti("A", "X", 1580, 1, P), parti("A", "Y", 1580, 1, P)},
         {},
         1540,
         "all from the old rating"},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.varfor);
        EXPECT_EQ(beraknad(f), f.vantat);
    }
}

TEST(Rankingberakna, EveryMemberKeepsItsPlaceAndItsOtherFields) {
    spelarstruct a = medlem("Anna", 1500, "A");
    a.fodelsedata = "1970";
    a.nyspelare = 1;
    a.gammalklubb = "SK Ek";
    const spelarstruct b = medlem("Bo", 1600);
    const auto ny =
        rankingberakna({a, b}, {parti("Bo", "Anna", 1500, 2, P), parti("Anna", "Bo", 1600, 1, P)}, {}, P);
    ASSERT_EQ(ny.size(), 2u);
    spelarstruct vantadA = a;
    vantadA.ranking = 1520;
    spelarstruct vantadB = b;
    vantadB.ranking = 1580;
    EXPECT_EQ(ny[0], vantadA);
    EXPECT_EQ(ny[1], vantadB);
}

TEST(Rankingberakna, DamagedNumbersKeepTheRatingAnInt) {
    EXPECT_EQ(nyRanking(2147483000, 0, 2147483000.0), 2147483647);
    EXPECT_EQ(nyRanking(-2147483000, 0, -2147483000.0), -2147483647 - 1);
    EXPECT_EQ(nyRanking(1500, 31, -0.5), 1530);
}

class RankingberaknaFiler : public ArbetsmappTest {};

// The files: "STEMP" holds the new register, "SPEL" is untouched until the commit.
TEST_F(RankingberaknaFiler, RecalculationGoesToStempAndTheCommitCopiesIt) {
    store::writeAll(fil::SPEL, std::vector<spelarstruct>{medlem("Anna", 1500), medlem("Bo", 2300)});
    store::writeAll(fil::ALLA, std::vector<allastruct>{parti("Anna", "X", 1600, 1, P)});
    const auto spelFore = testbytes::fileBytes(fil::SPEL);

    rankingberaknaFiler(P);
    EXPECT_EQ(testbytes::fileBytes(fil::SPEL), spelFore);
    std::vector<std::uint8_t> vantad;
    testbytes::field(vantad, "Anna", 30);
    testbytes::field(vantad, "", 20);
    testbytes::le32(vantad, 1520);
    testbytes::field(vantad, "", 10);
    testbytes::le32(vantad, 0);
    testbytes::field(vantad, "", 30);
    testbytes::field(vantad, "Bo", 30);
    testbytes::field(vantad, "", 20);
    testbytes::le32(vantad, 2300);
    testbytes::field(vantad, "", 10);
    testbytes::le32(vantad, 0);
    testbytes::field(vantad, "", 30);
    EXPECT_EQ(testbytes::fileBytes(fil::STEMP), vantad);
    EXPECT_TRUE(store::exists(fil::TALLA)) << "a missing TALLA is created empty";

    verkstallRankingberakning(P);
    EXPECT_EQ(testbytes::fileBytes(fil::SPEL), vantad);
}

TEST_F(RankingberaknaFiler, EmptyGamesStillRewriteStemp) {
    store::writeAll(fil::SPEL, std::vector<spelarstruct>{medlem("Anna", 1500)});
    store::writeAll(fil::STEMP, std::vector<spelarstruct>{medlem("Gammal", 1), medlem("Gammal", 2)});
    rankingberaknaFiler(P);
    EXPECT_EQ(testbytes::fileBytes(fil::STEMP), testbytes::fileBytes(fil::SPEL));
}

} // namespace
