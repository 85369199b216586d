// Team standings from individual tournaments: points per game in both variants, teams matched
// whatever the letter case, the ranking, and the page byte for byte.
#include <gtest/gtest.h>

#include <filesystem>

#include "store/files.h"
#include "store/text.h"
#include "tests/support/bytes.h"
#include "tests/support/temp_dir.h"
#include "tools/lagturnering/lagpoang.h"
#include "tools/lagturnering/lagsida.h"
#include "tools/lagturnering/rakna_ut.h"

namespace {

using namespace lagturnering;

TEST(Lagturnering, PointsOfOneGameByTheFirstMatchingRule) {
    struct Fall {
        int nr, resultat;
        double relativ, total;
        const char* varfor;
    };
    // The game is white 1 against black 2.
    const Fall fall[] = {
        {1, 1, 3, 1, "white wins 1-0"},
        {1, 7, 3, 1, "white wins by walk-over"},
        {2, 2, 3, 1, "black wins 0-1"},
        {2, 8, 3, 1, "black wins by walk-over"},
        {1, 3, 2, 0.5, "draw, white"},
        {2, 3, 2, 0.5, "draw, black"},
        {1, 2, 1, 0, "white loses 0-1"},
        {2, 1, 1, 0, "black loses 1-0"},
        {1, 8, 0, 0, "walk-over lost, white"},
        {2, 7, 0, 0, "walk-over lost, black"},
        {1, 4, 0, 0, "postponed"},
        {2, 5, 0, 0, "adjourned"},
        {1, 6, 0, 0, "disqualified"},
        {1, 0, 0, 0, "no result"},
        {3, 1, 0, 0, "not in the game"},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.varfor);
        const partistruct g{1, 2, 1, f.resultat, 1};
        EXPECT_EQ(partipoang(f.nr, g, Variant::Relativ), f.relativ);
        EXPECT_EQ(partipoang(f.nr, g, Variant::Total), f.total);
    }
}

// Ada and Ben play for "Skolan", Cid for "Annan", Dag for "nej", Eli for no club, Fia for "NEJ".
std::vector<spelarstructtva> skolspelare() {
    return {{1, "Ada", "Skolan", 0, 0, 0}, {2, "Ben", "Skolan", 0, 0, 0}, {3, "Cid", "Annan", 0, 0, 0},
            {4, "Dag", "nej", 0, 0, 0},    {5, "Eli", "", 0, 0, 0},       {6, "Fia", "NEJ", 0, 0, 0}};
}

// Relative (3-2-1): Ada 3+3+1=7, Ben 2+1+1=4, Cid 1+3+3=7, Dag 2+1+0=3, Eli 1+2+3=6, Fia 3+2+3=8.
// Total (1-1/2-0):  Ada 2, Ben 0.5, Cid 2, Dag 0.5, Eli 1.5, Fia 2.5.
std::vector<partistruct> skolpartier() {
    return {{1, 3, 1, 1, 1}, {2, 4, 2, 3, 1}, {5, 6, 3, 2, 1}, {1, 4, 1, 1, 2}, {3, 2, 2, 1, 2},
            {6, 5, 3, 3, 2}, {6, 1, 1, 1, 3}, {2, 5, 2, 2, 3}, {3, 4, 3, 7, 3}};
}

std::vector<Lagrad> stallning(const std::vector<spelarstructtva>& spelare,
                              const std::vector<partistruct>& partier, Variant v) {
    Lagtabell tabell(v);
    const auto poang = spelarpoang(spelare, partier, v);
    for (std::size_t i = 0; i < spelare.size(); ++i)
        tabell.lagg(spelare[i].klubb, poang[i]);
    tabell.skala();
    return rangordna(tabell.lag());
}

TEST(Lagturnering, PlayerPointsOverATournament) {
    EXPECT_EQ(spelarpoang(skolspelare(), skolpartier(), Variant::Relativ),
              (std::vector<double>{7, 4, 7, 3, 6, 8}));
    EXPECT_EQ(spelarpoang(skolspelare(), skolpartier(), Variant::Total),
              (std::vector<double>{2, 0.5, 2, 0.5, 1.5, 2.5}));
}

TEST(Lagturnering, RelativeValueIsFortyTimesTheSumPerPlayer) {
    // Skolan 40 x (7+4) / 2 = 220, Annan 40 x 7 / 1 = 280, NEJ 40 x 8 = 320; "nej" and the empty
    // club are left out, "NEJ" is a club of that name.
    EXPECT_EQ(stallning(skolspelare(), skolpartier(), Variant::Relativ),
              (std::vector<Lagrad>{{"NEJ", 320}, {"Annan", 280}, {"Skolan", 220}}));
    // Truncated: A beats B and, as black, C: A 3+3, B 1, C 1; 40 x 8 / 3 = 106.67 -> 106.
    const std::vector<spelarstructtva> tre{
        {1, "A", "Lag", 0, 0, 0}, {2, "B", "Lag", 0, 0, 0}, {3, "C", "Lag", 0, 0, 0}};
    EXPECT_EQ(stallning(tre, {{1, 2, 1, 1, 1}, {3, 1, 2, 2, 2}}, Variant::Relativ),
              (std::vector<Lagrad>{{"Lag", 106}}));
}

TEST(Lagturnering, TotalValueIsTheSum) {
    // "nej" is a club here, and "NEJ" the same one: Dag 0.5 + Fia 2.5 = 3, shown as first spelled.
    EXPECT_EQ(stallning(skolspelare(), skolpartier(), Variant::Total),
              (std::vector<Lagrad>{{"nej", 3}, {"Skolan", 2.5}, {"Annan", 2}}));
}

TEST(Lagturnering, TeamsMatchWhateverTheLetterCase) {
    struct Fall {
        std::vector<std::string> klubbar; // players 1..n, each with 1 point (total variant)
        std::vector<Lagrad> lag;
        const char* varfor;
    };
    const Fall fall[] = {
        {{"Skåne SK", "SKÅNE sk", "skåne sk"}, {{"Skåne SK", 3}}, "Swedish letters fold too"},
        {{"Malmö AS", "Lund", "MALMÖ AS"}, {{"Malmö AS", 2}, {"Lund", 1}}, "first spelling, first place"},
        {{"Öst", "Ost"}, {{"Öst", 1}, {"Ost", 1}}, "ö is not o"},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.varfor);
        Lagtabell tabell(Variant::Total);
        for (const auto& k : f.klubbar)
            tabell.lagg(k, 1);
        EXPECT_EQ(rangordna(tabell.lag()), f.lag);
    }
    // Relative: "nej" never counts, also after a "NEJ" team exists.
    Lagtabell relativ(Variant::Relativ);
    relativ.lagg("NEJ", 4);
    relativ.lagg("nej", 2);
    relativ.skala();
    EXPECT_EQ(rangordna(relativ.lag()), (std::vector<Lagrad>{{"NEJ", 160}}));
}

TEST(Lagturnering, RankingListsPositiveValuesBestFirstAndKeepsTiesInOrderMet) {
    const std::vector<Lag> lag{{"Noll", 0, 2}, {"B", 3.5, 1}, {"C", 5, 1}, {"D", 3.5, 1}, {"Minus", -1, 1}};
    EXPECT_EQ(rangordna(lag), (std::vector<Lagrad>{{"C", 5}, {"B", 3.5}, {"D", 3.5}}));
    // There is no limit on the number of teams.
    Lagtabell manga(Variant::Total);
    for (int i = 0; i < 1000; ++i)
        manga.lagg("Klubb " + std::to_string(i), 1 + i % 7);
    EXPECT_EQ(rangordna(manga.lag()).size(), 1000u);
}

const char* const kHuvud =
    "<html><head><title>Skol&amp;cupen</title>"
    "<meta http-equiv='Content-Type' content='text/html; charset=windows-1252'>"
    "<meta name='GENERATOR' content='Microsoft FrontPage' 3.0>\n"
    "<meta name='Microsoft Border' content='none'>\n"
    "<base target='rbottom'></head>\n"
    "<body bgcolor='#FFFFFF' text='#000000' link='#FFFFFF' vlink='#FFFFFF' alink='#FFFFFF' >\n"
    "<div align='center'>\n"
    "<strong><big><big><big>Skol&amp;cupen\n"
    "</strong></big></big></big></font><div align='left'><p><table><font face='Helvetica'>\n"
    "<tr><td width='100' height='13'></td>\n"
    "<td width='150' height='13'><strong>Plats</strong></td>\n"
    "<td width='200' height='13'><strong>Skola</strong></td>\n"
    "<td width='300' height='13'><strong>Poäng</strong></td>\n"
    "<td width='50' height='13'>";

std::string rad(int plats, const std::string& lag, const std::string& varde) {
    return "<tr><td width='100' height='13'></td>\n<td width='150' height='13'><strong>" +
           std::to_string(plats) + "</strong></td>\n<td width='150' height='13'><strong>" + lag +
           "</strong></td>\n<td width='100' height='13'><strong>" + varde +
           "</strong></td>\n<td width='50' height='13'><strong></strong></td>\n</tr>\n";
}

TEST(Lagturnering, PageOfEachVariant) {
    const std::string slut = "</font></table></body></html>";
    EXPECT_EQ(lagsida("Skol&cupen", {{"NEJ", 320}, {"A<B", 280}}, Variant::Relativ),
              kHuvud + rad(1, "NEJ", "320") + rad(2, "A&lt;B", "280") + slut);
    EXPECT_EQ(lagsida("Skol&cupen", {{"Ö", 12.5}, {"Ä", 3.5}, {"Å", 21}, {"X", 0.5}}, Variant::Total),
              kHuvud + rad(1, "Ö", "12.5") + rad(2, "Ä", "3.5") + rad(3, "Å", "21") + rad(4, "X", "0.5") +
                  slut);
    EXPECT_EQ(lagsida("Skol&cupen", {}, Variant::Total), kHuvud + slut);
}

// A tournament directory with three tournaments; the third "TURN" record has number 7.
class LagturneringFiler : public ::testing::Test {
  protected:
    void SetUp() override {
        store::writeAll("TURN",
                        std::vector<turneringsstruct>{{1, "Ett", 3, 0}, {2, "Två", 3, 0}, {7, "Sju", 3, 0}});
        // 1: Ada (Skolan) beats Cid (Annan). 7: Ben (skolan) draws Dan (Annan).
        store::writeAll(
            "1.T", std::vector<spelarstructtva>{{1, "Ada", "Skolan", 0, 0, 0}, {2, "Cid", "Annan", 0, 0, 0}});
        store::writeAll("1.R", std::vector<partistruct>{{1, 2, 1, 1, 1}});
        store::writeAll(
            "7.T", std::vector<spelarstructtva>{{1, "Ben", "skolan", 0, 0, 0}, {2, "Dan", "Annan", 0, 0, 0}});
        store::writeAll("7.R", std::vector<partistruct>{{2, 1, 1, 3, 1}});
        // Tournament 3 is no tournament of this list: its files must not be read.
        store::writeAll("3.T", std::vector<spelarstructtva>{{1, "Eva", "Annan", 0, 0, 0}});
        store::writeAll("3.R", std::vector<partistruct>{{1, 1, 1, 1, 1}});
    }
    TempDir dir_;
};

TEST_F(LagturneringFiler, EachSelectedPositionReadsTheFilesOfItsTurnRecordsNumber) {
    // Relative: Skolan (Ada 3 + Ben 2) x 40 / 2 = 100; Annan (Cid 1 + Dan 2) x 40 / 2 = 60.
    EXPECT_EQ(lagstallning({0, 2}, Variant::Relativ), (std::vector<Lagrad>{{"Skolan", 100}, {"Annan", 60}}));
    // Total: Skolan 1 + 0.5, Annan 0 + 0.5.
    EXPECT_EQ(lagstallning({0, 2}, Variant::Total), (std::vector<Lagrad>{{"Skolan", 1.5}, {"Annan", 0.5}}));
    // Tournament 2 has no files: it adds nothing and nothing is created; a position past "TURN" neither.
    EXPECT_EQ(lagstallning({1, 5}, Variant::Total), std::vector<Lagrad>{});
    EXPECT_FALSE(store::exists("2.T"));
    EXPECT_FALSE(store::exists("2.R"));
    // A player in two chosen tournaments counts twice.
    EXPECT_EQ(lagstallning({0, 0}, Variant::Relativ), (std::vector<Lagrad>{{"Skolan", 120}, {"Annan", 40}}));
}

TEST_F(LagturneringFiler, ThePageGoesIntoLottutskrifterUnderASafeName) {
    struct Fall {
        std::vector<int> valda;
        std::string namn, fil;
        Lagutfall utfall;
        std::size_t rader;
    };
    const Fall fall[] = {
        // Tournament 1 alone: Skolan 1, Annan 0 (not listed).
        {{0}, "", "lottutskrifter/Inget_namn_lagsammanstallning.htm", Lagutfall::Klart, 1},
        {{0, 2}, "Vår/Höst", "lottutskrifter/Vår_Höst.htm", Lagutfall::Klart, 2},
        {{}, "Tom", "lottutskrifter/Tom.htm", Lagutfall::IngenTurneringVald, 0},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.fil);
        EXPECT_EQ(raknaUt(f.valda, f.namn, Variant::Total), f.utfall);
        const auto bytes = testbytes::fileBytes(f.fil);
        const std::string sida = store::fromCp1252(std::string(bytes.begin(), bytes.end()));
        const auto rader = lagstallning(f.valda, Variant::Total);
        EXPECT_EQ(rader.size(), f.rader);
        EXPECT_EQ(sida, lagsida(evenemangsnamn(f.namn), rader, Variant::Total));
    }
    // "Poäng" is Windows-1252 on disk.
    const auto bytes = testbytes::fileBytes("lottutskrifter/Tom.htm");
    EXPECT_NE(std::string(bytes.begin(), bytes.end()).find("Po\xe4ng"), std::string::npos);
}

} // namespace
