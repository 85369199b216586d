// Result entry and undo: completion of the result field, what a confirmation accepts, the pending
// files and the commit, and an undo that removes exactly the game of its line.
#include <gtest/gtest.h>

#include "rank/berakning/verkstallda_perioder.h"
#include "rank/results/angra.h"
#include "rank/results/partiresultat.h"
#include "rank/results/resultatinmatning.h"
#include "store/files.h"
#include "tests/support/bytes.h"
#include "tests/support/rank_poster.h"
#include "tests/support/temp_dir.h"

using namespace rank;
using namespace rankpost;

namespace {

constexpr int P = 17;

TEST(Partiresultat, CompletionOfTheResultField) {
    const std::pair<const char*, const char*> fall[] = {
        {"1", "1-0"},     {"1-0", "1-0"}, {"0", "0-1"}, {"0-1", "0-1"}, {"r", "Remi"}, {"R", "Remi"},
        {"Remi", "Remi"}, {"x", ""},      {"", ""},     {" 1", ""},     {"½", ""},
        // A draw typed as a number is a draw, with a point or a comma; "0-" and "0 5" stay losses.
        {"0.5", "Remi"},  {"0,5", "Remi"}, {"0.", "Remi"}, {"0-", "0-1"}, {"0 5", "0-1"},
    };
    for (auto [typat, klart] : fall) {
        SCOPED_TRACE(typat);
        EXPECT_EQ(foradlaResultat(typat), klart);
    }
}

TEST(Bekrafta, AGameNeedsARatingOf700To3200AndAResult) {
    const struct {
        const char* ranking;
        const char* resultat;
        bool godtas;
    } fall[] = {{"700", "1-0", true}, {"3200", "0-1", true}, {"699", "Remi", false}, {"3201", "1-0", false},
                {"", "1-0", false},   {"1500", "", false},   {"1500", "1", false},   {"1500", "remi", false}};
    for (const auto& f : fall) {
        SCOPED_TRACE(std::string(f.ranking) + " " + f.resultat);
        const auto a = bekraftaParti("Anna", P, {"Bo", "SK", f.ranking, f.resultat, "Cup", "3/5"});
        EXPECT_EQ(a.has_value(), f.godtas);
    }
}

TEST(Bekrafta, EmptyTextFieldsGetTheirDefaultTexts) {
    const auto a = bekraftaParti("Anna", P, {"", "", "1600", "Remi", "", ""});
    ASSERT_TRUE(a);
    EXPECT_EQ(*a, (allastruct{"Anna", "Ej angiven", 1600, 3, "Ej angiven", "Ej angiven", "Ej angivet", P}));
    const auto b = bekraftaParti("Anna", P, {"Bo Lind", "Lunds ASK", "1600", "0-1", "KM", "2003-05-02"});
    EXPECT_EQ(*b, (allastruct{"Anna", "Bo Lind", 1600, 2, "Lunds ASK", "KM", "2003-05-02", P}));
}

TEST(Bekrafta, ATournamentChangeNeedsMinus400To400) {
    const std::pair<const char*, bool> fall[] = {{"-400", true},  {"400", true},  {"0", true},
                                                 {"-401", false}, {"401", false}, {"", false}};
    for (auto [andring, godtas] : fall) {
        SCOPED_TRACE(andring);
        const auto t = bekraftaTurnering("Anna", P, "Vårcupen", andring);
        ASSERT_EQ(t.has_value(), godtas);
        if (godtas) {
            EXPECT_EQ(*t, (tallastruct{"Anna", "Vårcupen", std::stoi(andring), P}));
        }
    }
}

class Inmatning : public ArbetsmappTest {};

TEST_F(Inmatning, PendingRecordsReachAllaAndTallaOnlyOnCommit) {
    const std::vector<allastruct> alla{parti("Bo", "Cecilia", 1500, 1, 3), parti("Bo", "anna", 1400, 2, 3),
                                       parti("Cecilia", "Bo", 1600, 2, 3)};
    store::writeAll(fil::ALLA, alla);
    store::writeAll(fil::TALLA,
                    std::vector<tallastruct>{andring("Bo", "Cup", 3, 3), andring("Anna", "Cup", 1, 3)});
    store::writeAll(fil::ALA,
                    std::vector<allastruct>{parti("X", "Y", 1500, 1, 1)}); // left by a cancelled entry

    const Inmatningslistor l = oppnaInmatning();
    EXPECT_EQ(l.motstandare, (std::vector<std::string>{"anna", "Bo", "Cecilia"}));
    EXPECT_EQ(l.turneringar, (std::vector<std::string>{"Cup"}));
    EXPECT_TRUE(testbytes::fileBytes(fil::ALA).empty());
    EXPECT_TRUE(testbytes::fileBytes(fil::TALA).empty());

    const auto ettParti = parti("Anna", "Bo", 1550, 1, P);
    const auto enAndring = andring("Anna", "Serie", -4, P);
    noteraParti(ettParti);
    noteraTurnering(enAndring);
    EXPECT_EQ(store::readAll<allastruct>(fil::ALLA), alla) << "pending until the commit";

    verkstallResultat();
    auto vantad = alla;
    vantad.push_back(ettParti);
    EXPECT_EQ(store::readAll<allastruct>(fil::ALLA), vantad);
    EXPECT_EQ(store::readAll<tallastruct>(fil::TALLA).back(), enAndring);
}

TEST_F(Inmatning, TheLatestGameAgainstAnOpponentFillsTheFields) {
    auto a = parti("Bo", "Cecilia", 1500, 1, 3);
    auto b = parti("Anna", "Cecilia", 1520, 1, 5);
    b.klubb = "Lunds ASK";
    auto c = parti("Bo", "Cecilia", 1540, 1, 5);
    store::writeAll(fil::ALLA, std::vector<allastruct>{a, b, c});
    EXPECT_EQ(senastePartiMot("Cecilia"), b) << "highest period, the first one on ties";
    EXPECT_FALSE(senastePartiMot("cecilia"));
    store::writeAll(fil::ALA, std::vector<allastruct>{parti("Bo", "Cecilia", 1600, 1, 6)});
    EXPECT_EQ(senastePartiMot("Cecilia")->ranking, 1600) << "a pending game counts too";
}

TEST_F(Inmatning, UndoRemovesExactlyTheGameOfTheClickedLine) {
    // Two games of Anna against Bo, in different periods, and one of Cecilia against Bo.
    const auto g1 = parti("Anna", "Bo", 1500, 1, 16, "1/3");
    const auto g2 = parti("Cecilia", "Bo", 1500, 2, 17);
    const auto g3 = parti("Anna", "Bo", 1510, 3, 17, "2/6");
    const auto g4 = parti("Anna", "Dan", 1700, 2, 17);
    store::writeAll(fil::ALLA, std::vector<allastruct>{g1, g2, g3, g4});
    const auto allaFore = testbytes::fileBytes(fil::ALLA);

    Angra angra("Anna");
    EXPECT_EQ(angra.rader(),
              (std::vector<std::string>{"Bo   \t1-0\t1/3", "Bo   \tRemi\t2/6", "Dan   \t0-1\tEj angivet"}));
    EXPECT_EQ(testbytes::fileBytes(fil::AA), allaFore);

    angra.taBort(1); // the draw of 2/6
    EXPECT_EQ(store::readAll<allastruct>(fil::AA), (std::vector<allastruct>{g1, g2, g4}));
    EXPECT_EQ(store::readAll<allastruct>(fil::ALA), (std::vector<allastruct>{g1, g2, g4}));
    EXPECT_EQ(angra.rader(), (std::vector<std::string>{"Bo   \t1-0\t1/3", "Dan   \t0-1\tEj angivet"}));
    angra.taBort(1); // the lines below moved up: now Dan
    angra.taBort(5); // no such line
    EXPECT_EQ(store::readAll<allastruct>(fil::AA), (std::vector<allastruct>{g1, g2}));
    EXPECT_EQ(testbytes::fileBytes(fil::ALLA), allaFore) << "ALLA changes only on the commit";

    angra.verkstall();
    EXPECT_EQ(store::readAll<allastruct>(fil::ALLA), (std::vector<allastruct>{g1, g2}));
}

TEST_F(Inmatning, CommittedPeriodsAreRemembered) {
    std::vector<std::uint8_t> bild;
    testbytes::le32(bild, -2);
    std::uint8_t skriven[4];
    verkstalldperiodstruct{-2}.encode(skriven);
    EXPECT_EQ(std::vector<std::uint8_t>(skriven, skriven + 4), bild);

    EXPECT_FALSE(periodenVerkstalld(P));
    noteraVerkstalld(P);
    noteraVerkstalld(P + 1);
    EXPECT_TRUE(periodenVerkstalld(P));
    EXPECT_TRUE(periodenVerkstalld(P + 1));
    EXPECT_FALSE(periodenVerkstalld(P - 1));
    std::vector<std::uint8_t> fil;
    testbytes::le32(fil, P);
    testbytes::le32(fil, P + 1);
    EXPECT_EQ(testbytes::fileBytes(fil::VERKPER), fil);
}

} // namespace
