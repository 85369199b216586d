// The Swiss-type rounds with their colours and bye, as pure functions and on the work files.
#include "lott/pairing/schweizer.h"

#include <gtest/gtest.h>

#include "lott/pairing/llotta.h"
#include "store/filenames.h"
#include "store/files.h"
#include "tests/lott/pairing/schweizer_test_hjalp.h"
#include "tests/support/temp_dir.h"

using namespace parning;
using namespace schweizertest;

namespace {

TEST(SchweizerFarger, LaterRoundGivesBlackToWhoeverHadWhiteInTheLatestDifferingRound) {
    // 1 and 2 lead with one white each: 2 had white in round 1, 1 in round 2, so 1 gets black.
    const std::vector<partistruct> spelat = {
        parti(5, 1, 1, resSvartVinst), parti(2, 6, 1, resVitVinst),   parti(3, 4, 1),
        parti(1, 6, 2, resVitVinst),   parti(3, 2, 2, resSvartVinst), parti(4, 5, 2)};
    const auto pool = lskicka({{1, 2, 1}, {2, 2, 1}, {4, 1, 1}, {3, 0.5, 2}, {5, 0.5, 1}, {6, 0, 0}});
    const auto lista = schweizerSenare(pool, spelat, 3, true);
    ASSERT_TRUE(lista);
    EXPECT_EQ((*lista)[0].nr, 2);
    EXPECT_EQ((*lista)[1].nr, 1);
    // 4 is alone on 1 point and has met 3 and 5: 6 is moved up to him.
    EXPECT_EQ(paren(*lista), (std::vector<std::pair<std::int32_t, std::int32_t>>{{1, 2}, {4, 6}, {3, 5}}));
}

TEST(SchweizerFarger, IdenticalHistoriesLowerNumberWhiteInTheLastRoundGetsBlack) {
    // 1 and 2 both had black, then white: 2w = m and 1 had white in round 2.
    const std::vector<partistruct> spelat = {
        parti(3, 1, 1, resSvartVinst), parti(4, 2, 1, resSvartVinst), parti(5, 6, 1),
        parti(1, 5, 2, resVitVinst),   parti(2, 3, 2, resVitVinst),   parti(6, 4, 2)};
    const auto pool = lskicka({{1, 2, 1}, {2, 2, 1}, {3, 0.5, 1}, {4, 0.5, 1}, {5, 0.5, 1}, {6, 0.5, 1}});
    const auto swiss = schweizerSenare(pool, spelat, 3, true);
    ASSERT_TRUE(swiss);
    EXPECT_EQ(nummer(*swiss).front(), 2);
    // Nordic Swiss keeps the engine's colours: in an odd round the lower-half player (2) is white.
    const auto nordisk = schweizerSenare(pool, spelat, 3, false);
    ASSERT_TRUE(nordisk);
    EXPECT_EQ(nummer(*nordisk).front(), 2);
    EXPECT_EQ(nummer(*schweizerSenare(pool, spelat, 4, false)).front(), 1);
}

TEST(SchweizerFarger, ByeInsideAGroupEndsOnTheLastBoardWithFrirondBlack) {
    // No 0-point player to reserve: "Frirond" is moved up to 3, alone on 0.5, and gets white by
    // the white counts; it still ends black on the last board.
    const auto pool = lskicka({{1, 2, 1}, {4, 2, 1}, {2, 1, 1}, {3, 0.5, 1}, {5, 0, 0}}, 5);
    auto med6 = pool;
    spelarstructtvac sex = med6.front();
    sex.nr = 6;
    sex.namn = "Spelare 6";
    sex.poang = 1;
    med6.push_back(sex);
    const auto lista = schweizerSenare(med6, {}, 3, true);
    ASSERT_TRUE(lista);
    EXPECT_EQ(lista->back().namn, "Frirond");
    EXPECT_EQ(lista->size(), 6u);
}

TEST(SchweizerRunda1Farger, SwissWithByeKeepsFrirondBlackOnTheLastBoard) {
    std::vector<spelarstructtva> startlista;
    for (int nr = 1; nr <= 6; ++nr) {
        spelarstructtva s;
        s.nr = nr;
        s.namn = nr == 6 ? "Frirond" : "Spelare " + std::to_string(nr);
        startlista.push_back(s);
    }
    // Pairs (3,1), (4,2), (5,"Frirond"); tournament 3 is odd: board 2 turned round, and the
    // bye board, turned by the pattern, is turned back.
    EXPECT_EQ(nummer(*schweizerRunda1(startlista, true, 3)), (std::vector<std::int32_t>{3, 1, 2, 4, 5, 6}));
    EXPECT_EQ(nummer(*schweizerRunda1(startlista, true, 2)), (std::vector<std::int32_t>{1, 3, 4, 2, 5, 6}));
    EXPECT_EQ(nummer(*schweizerRunda1(startlista, false, 3)), (std::vector<std::int32_t>{3, 1, 4, 2, 5, 6}));
}

class SchweizerArbetsfiler : public ArbetsmappTest {};

TEST_F(SchweizerArbetsfiler, ColourParityFollowsTheRoundBeingPairedNotALoweredValdrond) {
    store::writeAll<partistruct>(store::fil::SKICKAP,
                                 {parti(1, 2, 1), parti(3, 4, 1), parti(1, 4, 2), parti(2, 3, 2)});
    const auto pool = lskicka({{1, 1, 1}, {2, 1, 1}, {3, 1, 1}, {4, 1, 1}});
    store::writeAll(store::fil::LSKICKA, pool);
    // Round 3 is being paired although the caller says 2 (the last round played).
    ASSERT_TRUE(LLotta().schweizerb(2, 0, 123));
    const auto lista = store::readAll<spelarstructtva>(store::fil::LSKICKA);
    EXPECT_EQ(nummer(lista), (std::vector<std::int32_t>{3, 1, 4, 2}));
    EXPECT_EQ(lista[0].namn, "Spelare 3");
}

TEST_F(SchweizerArbetsfiler, NothingPairedLeavesAnEmptyList) {
    store::writeAll<partistruct>(store::fil::SKICKAP, {parti(1, 2, 1)});
    store::writeAll(store::fil::LSKICKA, lskicka({{1, 1}, {2, 0}}));
    EXPECT_FALSE(LLotta().schweizerd(2, 0));
    EXPECT_TRUE(store::readAll<spelarstructtva>(store::fil::LSKICKA).empty());
}

TEST_F(SchweizerArbetsfiler, FirstRoundReadsTheStartListAndWritesPairsWithoutElo) {
    std::vector<spelarstructtva> startlista;
    for (int nr = 1; nr <= 4; ++nr) {
        spelarstructtva s;
        s.nr = nr;
        s.namn = "S" + std::to_string(nr);
        s.elo = 1800;
        s.egenkategori = 2;
        startlista.push_back(s);
    }
    store::writeAll(store::fil::LSKICKA, startlista);
    ASSERT_TRUE(LLotta().schweizerc(1, 4, "4"));
    auto lista = store::readAll<spelarstructtva>(store::fil::LSKICKA);
    EXPECT_EQ(nummer(lista), (std::vector<std::int32_t>{1, 3, 4, 2}));
    EXPECT_EQ(lista[0].elo, 0);
    EXPECT_EQ(lista[0].egenkategori, 0);
    // The Nordic entry with the Swiss marker and the number as text gives the same.
    store::writeAll(store::fil::LSKICKA, startlista);
    ASSERT_TRUE(LLotta().schweizera(1, 330, "4"));
    EXPECT_EQ(nummer(store::readAll<spelarstructtva>(store::fil::LSKICKA)),
              (std::vector<std::int32_t>{1, 3, 4, 2}));
    store::writeAll(store::fil::LSKICKA, startlista);
    ASSERT_TRUE(LLotta().schweizera(1, 123, "4"));
    EXPECT_EQ(nummer(store::readAll<spelarstructtva>(store::fil::LSKICKA)),
              (std::vector<std::int32_t>{3, 1, 4, 2}));
}

} // namespace
