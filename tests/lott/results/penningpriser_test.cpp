// Money prizes: the places the dialog lists, the ".P" records it reads and writes, paying the
// prizes out over the tie groups of the standings, and the Elo list of the standings with Elo.
#include "lott/results/penningpriser.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "store/files.h"
#include "tests/lott/reports/report_fixtures.h"
#include "tests/support/temp_dir.h"

using reports::testing::row;
namespace fs = std::filesystem;

namespace {

TEST(Penningpriser, PlacesEndInAOnlyAfterOneAndTwoOutsideTheTeens) {
    const struct {
        int plats;
        const char* text;
    } fall[] = {{1, "1:a pris."},   {2, "2:a pris."},   {3, "3:e pris."},   {10, "10:e pris."},
                {11, "11:e pris."}, {12, "12:e pris."}, {13, "13:e pris."}, {21, "21:a pris."},
                {22, "22:a pris."}, {41, "41:a pris."}, {50, "50:e pris."}, {111, "111:e pris."}};
    for (const auto& f : fall) {
        SCOPED_TRACE(f.plats);
        EXPECT_EQ(f.text, penning::platsText(f.plats));
    }
}

// Standings rows best first; prizes by place.
struct Fall {
    const char* namn;
    std::vector<spelarstructc> stallning;
    std::vector<penningstruct> priser;
    std::vector<int> vantat; // each row's prize, in standings order
};

TEST(Penningpriser, TieGroupsShareThePrizesOfThePlacesTheyCover) {
    const std::vector<penningstruct> tusenFemhundraTrehundra = {{0, 1, 1000}, {0, 2, 500}, {0, 3, 300}};
    auto regel = [](std::vector<penningstruct> p, int delasellerej) {
        for (auto& r : p)
            r.delasellerej = delasellerej;
        return p;
    };
    const std::vector<Fall> fall = {
        // Places 2 and 3 level on points share 500 + 300: 400 each.
        {"shared on equal points",
         {row(1, "A", "", 3, 5), row(2, "B", "", 2, 4), row(3, "C", "", 2, 3), row(4, "D", "", 1, 2)},
         tusenFemhundraTrehundra,
         {1000, 400, 400, 0}},
        // Decided by kvalitet: 4 against 3 parts B and C.
        {"decided by kvalitet",
         {row(1, "A", "", 3, 5), row(2, "B", "", 2, 4), row(3, "C", "", 2, 3), row(4, "D", "", 1, 2)},
         regel(tusenFemhundraTrehundra, 1),
         {1000, 500, 300, 0}},
        // Equal kvalitet too: even the kvalitet rule shares.
        {"kvalitet rule, kvalitet equal",
         {row(1, "A", "", 3, 5), row(2, "B", "", 2, 4), row(3, "C", "", 2, 4)},
         regel(tusenFemhundraTrehundra, 1),
         {1000, 400, 400}},
        // Three level for places 1-3 with 1000, 500 and no third prize: 1500 / 3.
        {"three level, third place without prize",
         {row(1, "A", "", 2, 1), row(2, "B", "", 2, 1), row(3, "C", "", 2, 0)},
         {{0, 1, 1000}, {0, 2, 500}},
         {500, 500, 500}},
        // 100 over three: 33 each, the remaining krona is not paid.
        {"remainder not paid",
         {row(1, "A", "", 1, 0), row(2, "B", "", 1, 0), row(3, "C", "", 1, 0)},
         {{0, 1, 100}},
         {33, 33, 33}},
        // B, C and D cover places 2-4, only place 2 has a prize: 60 / 3.
        {"group reaching past the last prize",
         {row(1, "A", "", 2, 0), row(2, "B", "", 1, 0), row(3, "C", "", 1, 0), row(4, "D", "", 1, 0)},
         {{0, 1, 100}, {0, 2, 60}},
         {100, 20, 20, 20}},
        // The bye, level with A, takes no place: B is second and gets 500.
        {"the bye takes no place",
         {row(1, "A", "", 2, 0), row(9, "Frirond", "", 2, 0), row(2, "B", "", 1, 0)},
         {{0, 1, 1000}, {0, 2, 500}},
         {1000, 0, 500}},
        {"no prizes", {row(1, "A", "", 2, 0), row(2, "B", "", 1, 0)}, {}, {0, 0}},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.namn);
        auto stallning = f.stallning;
        stallning[0].pris = 77; // left over from an earlier distribution
        penning::fordelaPriser(stallning, f.priser);
        std::vector<int> fatt;
        for (const auto& s : stallning)
            fatt.push_back(s.pris);
        EXPECT_EQ(f.vantat, fatt);
    }
}

TEST(Penningpriser, StoredRecordsBecomeTheDialogsAmountsAndBack) {
    // Place 51 and place 0 cannot be shown; place 2 twice keeps its last amount; the last
    // record's rule decides.
    const std::vector<penningstruct> lagrade = {{0, 1, 1000}, {0, 2, 400}, {0, 51, 9},
                                                {0, 0, 9},    {0, 2, 500}, {1, 50, 25}};
    const penning::Priser p = penning::avPoster(lagrade);
    EXPECT_EQ(1, p.delasellerej);
    EXPECT_EQ(1000, p.belopp[0]);
    EXPECT_EQ(500, p.belopp[1]);
    EXPECT_EQ(0, p.belopp[2]);
    EXPECT_EQ(25, p.belopp[49]);

    // Written back: one record per place with an amount, in place order, all with the rule.
    const std::vector<penningstruct> vantat = {{1, 1, 1000}, {1, 2, 500}, {1, 50, 25}};
    EXPECT_EQ(vantat, penning::tillPoster(p));
    EXPECT_TRUE(penning::tillPoster(penning::Priser{}).empty());
}

TEST(Penningpriser, EloListKeepsPlayersWithAnEloOrATitle) {
    const std::vector<elostructab> lagrade = {{1, 0, ""}, {2, 2210, "FM"}, {3, 0, "WFM"}, {4, 1900, ""}};
    const auto lista = penning::eloLista(lagrade);
    ASSERT_EQ(3u, lista.size());
    EXPECT_EQ(2, lista[0].nr);

    std::vector<spelarstructc> stallning = {row(3, "C", "", 1, 0), row(1, "A", "", 1, 0),
                                            row(4, "D", "", 0, 0)};
    stallning[1].elo = 1234; // nothing stored for A: cleared
    penning::sattElo(stallning, lista);
    EXPECT_EQ("WFM", stallning[0].titel);
    EXPECT_EQ(0, stallning[0].elo);
    EXPECT_EQ(0, stallning[1].elo);
    EXPECT_EQ(1900, stallning[2].elo);
    EXPECT_EQ("", stallning[2].titel);
}

class Inmedpris : public ArbetsmappTest {
  protected:
    LottState st;
    void SetUp() override {
        ArbetsmappTest::SetUp();
        st.turnnr = 1;
        st.parslistac = {row(1, "A", "", 2, 0), row(2, "B", "", 1, 0)};
    }
};

TEST_F(Inmedpris, WithoutPrizeFileTheColumnStaysEmptyAndTheFileExists) {
    st.pstallningval = 1;
    inmedpris(st);
    EXPECT_EQ(1, st.pstallningval);
    EXPECT_EQ(0, st.parslistac[0].pris);
    EXPECT_TRUE(fs::exists("1.P"));
    EXPECT_FALSE(fs::exists("1.E")); // Elo is read only for the standings with Elo
}

TEST_F(Inmedpris, EloStandingsWithoutEloFallBackToThePlainStandings) {
    st.pstallningval = 2;
    store::writeAll("1.P", std::vector<penningstruct>{{0, 1, 300}});
    store::writeAll("1.E", std::vector<elostructab>{{1, 0, ""}, {2, 0, ""}});
    inmedpris(st);
    EXPECT_EQ(0, st.pstallningval);
    EXPECT_EQ(300, st.parslistac[0].pris);
}

TEST_F(Inmedpris, EloStandingsPayPrizesAndCarryEloAndTitles) {
    st.pstallningval = 2;
    store::writeAll("1.P", std::vector<penningstruct>{{0, 1, 300}, {0, 2, 100}});
    store::writeAll("1.E", std::vector<elostructab>{{2, 2050, "IM"}});
    inmedpris(st);
    EXPECT_EQ(2, st.pstallningval);
    EXPECT_EQ(300, st.parslistac[0].pris);
    EXPECT_EQ(100, st.parslistac[1].pris);
    EXPECT_EQ(2050, st.parslistac[1].elo);
    EXPECT_EQ("IM", st.parslistac[1].titel);
}

} // namespace
