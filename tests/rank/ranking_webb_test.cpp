// rank's lists on the web site: the rows of the list window as a table, e-mail addresses only
// when asked for, and no birth data on the published federation list.
#include <gtest/gtest.h>

#include <fstream>

#include "rank/lists/listor.h"
#include "rank/lists/ranking_webb.h"
#include "store/files.h"
#include "tests/lott/webb/html_tabell.h"
#include "tests/support/rank_poster.h"
#include "tests/support/temp_dir.h"

namespace {

std::vector<rank::spelarstruct> medlemmar() {
    auto anna = rankpost::medlem("Anna <Ek>", 1850, "A");
    anna.fodelsedata = "1970-01-02";
    auto bo = rankpost::medlem("Bo Lind", 1720, "B");
    bo.fodelsedata = "1991-12-24";
    bo.nyspelare = 1;
    bo.gammalklubb = "SK Ek";
    return {anna, bo};
}

} // namespace

// The ranking list with and without e-mail: the table holds the same rows either way, the
// address only when ticked, and a member without an address gets an empty cell.
TEST(RankingWebb, EmailOnlyWhenAskedFor) {
    const auto lista = rank::rankinglistaInnehall(medlemmar(), "SK R&R", false, "stämpel");
    const std::vector<rank::mailstruct> mail{{"Anna <Ek>", "anna@ek.se"}};
    struct Fall {
        bool epost;
        std::size_t kolumner;
    };
    for (const Fall f : {Fall{false, 4}, Fall{true, 5}}) {
        SCOPED_TRACE(f.epost ? "med e-post" : "utan e-post");
        const std::string sida = rank::webbListsida(rank::WebbLista::Ranking, lista, "maj–augusti 2024",
                                                    f.epost ? &mail : nullptr);
        EXPECT_EQ(sida.find('@') != std::string::npos, f.epost);
        EXPECT_NE(sida.find("<title>Rankinglista maj–augusti 2024</title>"), std::string::npos);
        const auto tab = webbtest::tabeller(sida).at(0);
        ASSERT_EQ(tab.size(), 3u);
        EXPECT_EQ(tab[0].size(), f.kolumner);
        EXPECT_EQ(tab[1][0], "1");
        EXPECT_EQ(tab[1][1], "Anna <Ek>");
        EXPECT_EQ(tab[1][2], "1850");
        EXPECT_EQ(tab[2][3], "B");
        if (f.epost) {
            EXPECT_EQ(tab[1][4], "anna@ek.se");
            EXPECT_EQ(tab[2][4], "");
        }
        EXPECT_EQ(sida.find("<Ek>"), std::string::npos) << "the name is escaped";
    }
}

// The federation list keeps number, name, rating and the new player's club, never birth data.
TEST(RankingWebb, FederationListWithoutBirthData) {
    const auto lista = rank::ssfInnehall(medlemmar(), "SK R&R", 10, "stämpel");
    const std::string sida = rank::webbListsida(rank::WebbLista::Federation, lista, "våren 2003", nullptr);
    EXPECT_EQ(sida.find("1970"), std::string::npos);
    EXPECT_EQ(sida.find("Födelsedata"), std::string::npos);
    const auto tab = webbtest::tabeller(sida).at(0);
    ASSERT_EQ(tab.size(), 3u);
    EXPECT_EQ(tab[0][0], "Nr");
    EXPECT_EQ(tab[2], (std::vector<std::string>{"2", "Bo Lind", "1720", "X", "SK Ek"}));
}

class RankingWebbFiler : public ArbetsmappTest {};

// Written into webb/: the list page, the style sheet and a front page linking the lists there
// are; by default without the addresses in "MAIL".
TEST_F(RankingWebbFiler, WritesTheSiteWithoutAddressesByDefault) {
    store::writeAll(rank::fil::MAIL, std::vector<rank::mailstruct>{{"Bo Lind", "bo@lind.se"}});
    const auto lista = rank::rankinglistaInnehall(medlemmar(), "SK", false, "");
    rank::skrivWebbLista(rank::WebbLista::Ranking, lista, "maj–augusti 2024", false);
    std::ifstream in("webb/rankinglista.html");
    const std::string sida{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(sida.find("Bo Lind"), std::string::npos);
    EXPECT_EQ(sida.find("bo@lind.se"), std::string::npos);
    std::ifstream index("webb/index.html");
    const std::string framsida{std::istreambuf_iterator<char>(index), std::istreambuf_iterator<char>()};
    EXPECT_NE(framsida.find("href=\"rankinglista.html\""), std::string::npos);
    EXPECT_EQ(framsida.find("flytande.html"), std::string::npos);
    rank::skrivWebbLista(rank::WebbLista::Ranking, lista, "maj–augusti 2024", true);
    std::ifstream in2("webb/rankinglista.html");
    const std::string med{std::istreambuf_iterator<char>(in2), std::istreambuf_iterator<char>()};
    EXPECT_NE(med.find("bo@lind.se"), std::string::npos);
}
