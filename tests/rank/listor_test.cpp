// The lines of the list window and how they are laid out: federation-list paging that prints every
// row once, the round texts and the font classes.
#include "rank/lists/listor.h"

#include <gtest/gtest.h>

#include "tests/support/rank_poster.h"

using namespace rank;
using namespace rankpost;

namespace {

// The texts of each line, joined by " | ", as a layout places them top to bottom.
std::vector<std::string> rader(const Sida& sida) {
    std::vector<std::string> ut;
    double y = -1;
    for (const auto& p : sida.texter) {
        if (p.y != y)
            ut.emplace_back();
        else
            ut.back() += " | ";
        ut.back() += p.text;
        y = p.y;
    }
    return ut;
}

TEST(Ssflista, EveryRowIsPrintedOnceFortyThenFiftyAPage) {
    const struct {
        std::size_t rader;
        std::vector<std::pair<std::size_t, std::size_t>> sidor;
    } fall[] = {
        {0, {{0, 0}}},
        {40, {{0, 40}}},
        {41, {{0, 40}, {40, 41}}},
        {90, {{0, 40}, {40, 90}}},
        {91, {{0, 40}, {40, 90}, {90, 91}}},
        {200, {{0, 40}, {40, 90}, {90, 140}, {140, 190}, {190, 200}}},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.rader);
        std::vector<std::pair<std::size_t, std::size_t>> sidor;
        for (auto s : ssfSidor(f.rader))
            sidor.emplace_back(s.fran, s.till);
        EXPECT_EQ(sidor, f.sidor);
    }
}

TEST(Ssflista, RoundTextsAndRows) {
    const SsfTexter var = ssfTexter(10), host = ssfTexter(11);
    EXPECT_EQ(var.omgang, "våromgången 2003");
    EXPECT_EQ(var.sasong, "våren 2003");
    EXPECT_EQ(var.datum, "1/1 2003");
    EXPECT_EQ(host.omgang, "höstomgången 2003");
    EXPECT_EQ(host.sasong, "hösten 2003");
    EXPECT_EQ(host.datum, "1/9 2003");

    spelarstruct ny = medlem("Bo", 1500);
    ny.fodelsedata = "1990";
    ny.nyspelare = 1;
    ny.gammalklubb = "SK Ek";
    const auto spelare = ssfSpelare({medlem("Anna", 1600), ny, medlem("Cecilia", 1400)}, {"Bo", "Anna"});
    const Listinnehall l = ssfInnehall(spelare, "SK R", 11, "S");
    const auto forsta = rader(layoutSida(l, {0, 2}, false, 1000, Typsnitt{}));
    EXPECT_EQ(forsta,
              (std::vector<std::string>{
                  "S", "SPELARFÖRTECKNING", "Inför allsvenska höstomgången 2003 innehållande de spelare",
                  "SK R kommer att använda under hösten 2003 och", "baserade på rankingen 1/9 2003.",
                  "Föreningen har lag med i följande div. och grupper.", std::string(51, '_'),
                  "Namn | Födelsedata | Rating 1/9 2003 | Ny | Moderklubb", "1 | Anna | 1600",
                  "2 | Bo | 1990 | 1500 | X | SK Ek"}));
    const auto senare = rader(layoutSida(l, {1, 2}, true, 1000, Typsnitt{}));
    EXPECT_EQ(senare, (std::vector<std::string>{"S", "SPELARFÖRTECKNING, FORTS",
                                                "Namn | Födelsedata | Rating 1/9 2003 | Ny | Moderklubb",
                                                "2 | Bo | 1990 | 1500 | X | SK Ek"}));
}

TEST(Rankinglista, TitleColumnsAndNumberedRows) {
    const auto vanlig =
        rankinglistaInnehall({medlem("Anna", 1600, "A"), medlem("Bo", 1500)}, "SK R", false, "S");
    EXPECT_EQ(rader(layoutSida(vanlig, {0, 2}, false, 800, skarmtypsnitt(Breddklass::Smal, 2, 50))),
              (std::vector<std::string>{"S", "Rankinglista SK R", "Nr | Namn | Ranking | Klass",
                                        "1 | Anna | 1600 | A", "2 | Bo | 1500"}));
    const auto flytande = rankinglistaInnehall({}, "SK R", true, "S");
    EXPECT_EQ(rader(layoutSida(flytande, {0, 0}, false, 800, skarmtypsnitt(Breddklass::Smal, 0, 50)))[1],
              "Flytande ranking i SK R");
}

TEST(Rapportlista, GamesThenTheTournamentChanges) {
    Rankingrapport r;
    r.namn = "Anna";
    r.partier = {parti("Anna", "Bo", 1500, 2, 17)};
    r.turneringar = {andring("Anna", "Cup", -4, 17)};
    const auto l = rapportInnehall(r, 17, "S");
    EXPECT_EQ(rader(layoutSida(l, {0, l.rader.size()}, false, 800, skarmtypsnitt(Breddklass::Smal, 3, 24))),
              (std::vector<std::string>{"S", "Rankingrapport för Anna", "rankingperioden 1/5-30/8 2003",
                                        "Till grund för ditt nya rankingtal låg följande resultat:",
                                        "Bo | Ej angiven | 1500 | Förlust",
                                        "och följande turneringsresutlat:", "Cup | -4"}));
}

TEST(Typsnitt, ClassesOfTheScreenWidthRoundedDownTo20) {
    const std::pair<int, Breddklass> fall[] = {{640, Breddklass::Smal},   {755, Breddklass::Smal},
                                               {760, Breddklass::Mellan}, {955, Breddklass::Mellan},
                                               {960, Breddklass::Bred},   {1920, Breddklass::Bred}};
    for (auto [bredd, klass] : fall) {
        SCOPED_TRACE(bredd);
        EXPECT_EQ(breddklass(bredd, true), klass);
        EXPECT_EQ(breddklass(bredd, false), Breddklass::Smal)
            << "without the larger text every class is narrow";
    }
}

TEST(Typsnitt, LongListsGetSmallerRowsInTheNarrowClassAndCloserRows) {
    EXPECT_EQ(skarmtypsnitt(Breddklass::Smal, 50, 50).rad, 11);
    EXPECT_EQ(skarmtypsnitt(Breddklass::Smal, 51, 50).rad, 10);
    EXPECT_EQ(skarmtypsnitt(Breddklass::Smal, 25, 24).rad, 10) << "a report of more than 24 games";
    EXPECT_EQ(skarmtypsnitt(Breddklass::Bred, 500, 50).rad, 16) << "only the narrow class shrinks";
    EXPECT_GT(skarmtypsnitt(Breddklass::Mellan, 40, 50).radsteg,
              skarmtypsnitt(Breddklass::Mellan, 41, 50).radsteg);
    EXPECT_GT(skarmtypsnitt(Breddklass::Mellan, 60, 50).radsteg,
              skarmtypsnitt(Breddklass::Mellan, 61, 50).radsteg);
}

} // namespace
