// Own categories: the texts of the dialog, the distinct categories of ".K", the standings of one
// category, its prize text and the name its report goes under.
#include "lott/results/egenkategori.h"

#include <gtest/gtest.h>

#include "tests/lott/reports/report_fixtures.h"

using reports::testing::player;
using reports::testing::row;

namespace {

TEST(EgenKategori, ListTextsAndWhatIsReadBackFromThem) {
    const struct {
        const char* typat;
        const char* namn;
    } namn[] = {{"Junior", "Junior"},
                {"  Veteraner   över  60 ", "Veteraner över 60"},
                {"\tDamer\t", "Damer"},
                {"   ", ""}};
    for (const auto& n : namn) {
        SCOPED_TRACE(n.typat);
        const std::string rensat = egenkat::rensaNamn(n.typat);
        EXPECT_EQ(n.namn, rensat);
        // A cleaned name comes back whole from its list text, prize or not.
        EXPECT_EQ(rensat, egenkat::kategoriNamn(egenkat::kategoriText(rensat, "500")));
        EXPECT_EQ(rensat, egenkat::kategoriNamn(egenkat::kategoriText(rensat, "")));
    }
    EXPECT_EQ("Junior   500", egenkat::kategoriText("Junior", "500"));

    const std::string rad = egenkat::spelarRad(player(12, "Anna B. Berg", "nej"));
    EXPECT_EQ("12.Anna B. Berg", rad);
    EXPECT_EQ(12, egenkat::nrAvSpelarRad(rad));
    EXPECT_EQ("12.Anna B. Berg  Junior   500", egenkat::valdRad(rad, "Junior   500"));
}

TEST(EgenKategori, EachCategoryOnceInTheOrderFirstMet) {
    const std::vector<egenkategoriastruct> poster = {
        {"Junior   500", 2, 500}, {"Damer   ", 1, 0}, {"Junior   500", 5, 500}, {"Junior   300", 7, 300}};
    const auto k = egenkat::kategorier(poster);
    ASSERT_EQ(3u, k.size());
    EXPECT_EQ("Junior   500", k[0].text);
    EXPECT_EQ(500, k[0].pris);
    EXPECT_EQ("Damer   ", k[1].text);
    EXPECT_EQ("Junior   300", k[2].text);
    EXPECT_TRUE(egenkat::kategorier({}).empty());
}

TEST(EgenKategori, CategoryStandingsKeepItsPlayersInStandingsOrder) {
    const std::vector<spelarstructc> stallning = {row(4, "D", "", 3, 0), row(9, "Frirond", "", 2, 0),
                                                  row(1, "A", "", 2, 0), row(3, "C", "", 1, 0),
                                                  row(2, "B", "", 0, 0)};
    // B and D juniors, picked in that order; A a junior of another prize; the bye and a number
    // no longer in the field picked too.
    const std::vector<egenkategoriastruct> poster = {{"Junior   500", 2, 500},
                                                     {"Junior   500", 4, 500},
                                                     {"Junior   300", 1, 300},
                                                     {"Junior   500", 9, 500},
                                                     {"Junior   500", 17, 500}};
    const auto junior = egenkat::ekat(stallning, poster, "Junior   500");
    ASSERT_EQ(2u, junior.size());
    EXPECT_EQ(4, junior[0].nr);
    EXPECT_EQ(2, junior[1].nr);
    EXPECT_TRUE(egenkat::ekat(stallning, poster, "Damer   ").empty());
}

TEST(EgenKategori, PrizeTextAndReportName) {
    EXPECT_EQ("", egenkat::epris(0));
    EXPECT_EQ("(500 kr)", egenkat::epris(500));

    const struct {
        const char *tnamn, *kategori, *namn;
    } fall[] = {
        {"Vårcup", "Junior", "Vårcup_Junior"},
        // 29 + 8 = 37 characters: joined; 29 + 9 = 38: the category alone.
        {"Klubbmästerskapet i Lund 2024", "Veteraner", "Veteraner"},
        {"Klubbmästerskapet i Lund 2024", "Veterane", "Klubbmästerskapet i Lund 2024_Veterane"},
        // Characters, not bytes: 3 + 34 letters are joined, though their UTF-8 takes 75 bytes.
        {"Vår", "ÅÄÖåäöÅÄÖåäöÅÄÖåäöÅÄÖåäöÅÄÖåäöÅÄÖå", "Vår_ÅÄÖåäöÅÄÖåäöÅÄÖåäöÅÄÖåäöÅÄÖåäöÅÄÖå"},
        // A category name goes into a file name: no path separators.
        {"Vårcup", "U/16", "Vårcup_U_16"},
        {"Vårcup", "..", "Vårcup_namnlos"},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.kategori);
        EXPECT_EQ(f.namn, egenkat::rapportNamn(f.tnamn, f.kategori));
    }
}

} // namespace
