// Rating reports: the text files byte for byte (tabs by name length, the tournament part), the
// period texts, the file names, and the reports of every member at once.
#include "rank/lists/rankingrapport.h"

#include <gtest/gtest.h>

#include "store/files.h"
#include "store/text.h"
#include "tests/support/bytes.h"
#include "tests/support/rank_poster.h"
#include "tests/support/temp_dir.h"

using namespace rank;
using namespace rankpost;

namespace {

constexpr int P = 17;
const std::string kHuvud = "Till grund för ditt nya ranking låg följande resultat\n\n";

allastruct mot(const std::string& namn, const std::string& klubb, int ranking, int resultat) {
    allastruct a = parti("Anna", namn, ranking, resultat, P);
    a.klubb = klubb;
    return a;
}

TEST(Rankingrapport, GameLinesAreTabbedByLengthBelow8AndBelow16) {
    Rankingrapport r;
    r.namn = "Anna";
    // 7 characters: two extra tabs; 8: one; 15: one; 16: none.
    r.partier = {mot("Per Ekh", "Ekenäss", 1500, 1), mot("Per Ekho", "Ekenässj", 1600, 2),
                 mot("Per Ekholm-Lind", "123456789012345", 1700, 3),
                 mot("Per Ekholm-Linds", "1234567890123456", 1800, 9)};
    EXPECT_EQ(partirader(r), "Per Ekh\t\t\tEkenäss\t\t\t1500\tVinst\t\n"
                             "Per Ekho\t\tEkenässj\t\t1600\tFörlust\t\n"
                             "Per Ekholm-Lind\t\t123456789012345\t\t1700\tRemi\t\n"
                             "Per Ekholm-Linds\t1234567890123456\t1800\t\t\n");
}

TEST(Rankingrapport, TournamentPartFollowsTheGamesOrStandsAlone) {
    Rankingrapport r;
    r.namn = "Anna";
    r.turneringar = {andring("Anna", "Vårcupen", -12, P), andring("Anna", "Höstblixten", 7, P)};
    EXPECT_EQ(rapportfil(r), kHuvud + "Vårcupen\t-12\nHöstblixten\t7\n")
        << "no games: no line before the changes";
    r.partier = {mot("Bo Lind", "SK Ek", 1500, 1)};
    EXPECT_EQ(rapportfil(r), kHuvud + "Bo Lind\t\t\tSK Ek\t\t\t1500\tVinst\t\n" +
                                 "\n\noch följande turnerings-resultat\n\n" +
                                 "Vårcupen\t-12\nHöstblixten\t7\n");
    r.turneringar.clear();
    EXPECT_EQ(rapportfil(r), kHuvud + "Bo Lind\t\t\tSK Ek\t\t\t1500\tVinst\t\n");
}

TEST(Rankingrapport, PeriodTexts) {
    const std::pair<int, const char*> fall[] = {
        {0, "1/9-31/12 1997"}, {1, "1/1-31/4 1998"},  {2, "1/5-30/8 1998"},  {3, "1/9-30/12 1998"},
        {16, "1/1-31/4 2003"}, {17, "1/5-30/8 2003"}, {100, "1/1-31/4 2031"}};
    for (auto [p, text] : fall) {
        SCOPED_TRACE(p);
        EXPECT_EQ(rapportPeriodtext(p), text);
    }
}

TEST(Rankingrapport, OnlyTheMembersGamesOfThePeriodInFileOrder) {
    const std::vector<allastruct> alla{parti("Anna", "X", 1500, 1, P), parti("Bo", "Y", 1500, 1, P),
                                       parti("Anna", "Z", 1500, 2, P + 1), parti("Anna", "W", 1600, 3, P)};
    const std::vector<tallastruct> talla{andring("Anna", "Cup", 5, P - 1), andring("Anna", "Serie", 3, P)};
    const Rankingrapport r = rankingrapport("Anna", P, alla, talla);
    ASSERT_EQ(r.partier.size(), 2u);
    EXPECT_EQ(r.partier[0].namn, "X");
    EXPECT_EQ(r.partier[1].namn, "W");
    ASSERT_EQ(r.turneringar.size(), 1u);
    EXPECT_EQ(r.turneringar[0].namn, "Serie");
}

TEST(Rankingrapport, FileNamesStayInsideTheFolder) {
    const std::pair<const char*, const char*> fall[] = {
        {"Anna Ek", "rankingutskrifter/Rankingrapport_Anna Ek.txt"},
        {"../../etc/x", "rankingutskrifter/Rankingrapport_.._.._etc_x.txt"},
        {"Bo/Lind", "rankingutskrifter/Rankingrapport_Bo_Lind.txt"},
    };
    for (auto [namn, path] : fall) {
        SCOPED_TRACE(namn);
        EXPECT_EQ(rapportfilNamn(namn), path);
    }
}

class Rapportfiler : public ArbetsmappTest {};

TEST_F(Rapportfiler, AllReportsInRatingOrderWithTheScratchRegister) {
    store::writeAll(fil::SPEL,
                    std::vector<spelarstruct>{medlem("Bo", 1500, "B"), medlem("Anna Andersson-Lind", 1700),
                                              medlem("Noll", 0)});
    store::writeAll(fil::ALLA, std::vector<allastruct>{parti("Bo", "Anna Andersson-Lind", 1700, 1, P),
                                                       parti("Bo", "Gammal", 1700, 1, P - 1)});
    store::writeAll(fil::TALLA, std::vector<tallastruct>{andring("Anna Andersson-Lind", "Cup", 4, P)});
    skrivAllaRapporter(P);

    // Anna first (1700): a name of 19 characters gets one tab; Bo's 2 characters get two.
    const std::string alla = store::readText("rankingutskrifter/Rankingrapport_Alla.txt");
    EXPECT_EQ(alla, "\t\tAnna Andersson-Lind\t1700\nCup\t4\n\n\n"
                    "\t\tBo\t\t1500\nAnna Andersson-Lind\tEj angiven\t\t1700\tVinst\t\n\n\n");
    EXPECT_EQ(store::readText("rankingutskrifter/Rankingrapport_Bo.txt"),
              kHuvud + "Anna Andersson-Lind\tEj angiven\t\t1700\tVinst\t\n");
    EXPECT_EQ(store::readText("rankingutskrifter/Rankingrapport_Anna Andersson-Lind.txt"),
              kHuvud + "Cup\t4\n");
    EXPECT_FALSE(store::exists("rankingutskrifter/Rankingrapport_Noll.txt")) << "rated 0: not on the lists";

    const auto spelb = store::readAll<spelarstruct>("SPELB");
    ASSERT_EQ(spelb.size(), 2u);
    EXPECT_EQ(spelb[0], medlem("Anna Andersson-Lind", 1700));
    EXPECT_EQ(spelb[1], medlem("Bo", 1500)) << "only name and rating";
}

TEST_F(Rapportfiler, OneReportIsWrittenInWindows1252) {
    store::writeAll(fil::ALLA, std::vector<allastruct>{mot("Åke", "Öbyn", 1500, 2)});
    const Rankingrapport r = skrivRankingrapport("Anna", P);
    EXPECT_EQ(r.partier.size(), 1u);
    const auto bytes = testbytes::fileBytes("rankingutskrifter/Rankingrapport_Anna.txt");
    const std::string vantad = store::toCp1252(kHuvud + "Åke\t\t\tÖbyn\t\t\t1500\tFörlust\t\n");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), vantad);
}

} // namespace
