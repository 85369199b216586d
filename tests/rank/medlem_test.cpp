// The member dialog's commit: which files change for a new member and for an update, which entries
// are refused, and that a refused entry leaves every file byte for byte as it was.
#include "rank/register/medlem.h"

#include <gtest/gtest.h>

#include <map>

#include "rank/register/namn.h"
#include "rank/register/register.h"
#include "store/files.h"
#include "tests/support/bytes.h"
#include "tests/support/rank_poster.h"
#include "tests/support/temp_dir.h"

using namespace rank;
using namespace rankpost;

namespace {

const char* const kFiler[] = {fil::SPEL, fil::ELO, fil::MAIL, fil::ILISTA};

std::map<std::string, std::vector<std::uint8_t>> bilder() {
    std::map<std::string, std::vector<std::uint8_t>> b;
    for (const char* f : kFiler)
        b[f] = testbytes::fileBytes(f);
    return b;
}

Medlemsfalt falt(const std::string& namn, const std::string& ranking) {
    Medlemsfalt f;
    f.namn = namn;
    f.ranking = ranking;
    return f;
}

class Medlem : public ArbetsmappTest {
  protected:
    // Anna and Bo are registered; Anna has an Elo number, an address and is on the list.
    void SetUp() override {
        ArbetsmappTest::SetUp();
        store::writeAll(fil::SPEL, std::vector<spelarstruct>{medlem("Anna", 1600), medlem("Bo", 1500)});
        store::writeAll(fil::ELO, std::vector<elostruct>{{"Anna", 2100}});
        store::writeAll(fil::MAIL, std::vector<mailstruct>{{"Anna", "anna@x.se"}});
        store::writeAll(fil::ILISTA, std::vector<medpalistastruct>{{"Anna"}});
    }
    std::vector<std::string> namnISpel() {
        std::vector<std::string> n;
        for (const auto& s : store::readAll<spelarstruct>(fil::SPEL))
            n.push_back(s.namn);
        return n;
    }
};

TEST_F(Medlem, RatingsOf701To3199AreAcceptedForANewMember) {
    const std::pair<const char*, bool> fall[] = {{"700", false},  {"701", true}, {"3199", true},
                                                 {"3200", false}, {"", false},   {"abc", false},
                                                 {"1500x", true}};
    for (auto [ranking, giltig] : fall) {
        SCOPED_TRACE(ranking);
        const std::string namn = std::string("Ny ") + ranking;
        EXPECT_EQ(sparaMedlem(false, "", falt(namn, ranking)),
                  giltig ? Medlemsutfall::Sparad : Medlemsutfall::OgiltigRanking);
        EXPECT_EQ(hittaSpelare(namn).has_value(), giltig);
    }
}

TEST_F(Medlem, ANewMemberGoesToTheEndWithItsExtraRecords) {
    Medlemsfalt f = falt("Cecilia", "1750");
    f.fodelsedata = "1980-02-03";
    f.klass = "A";
    f.elo = "1900";
    f.epost = "c@x.se";
    f.nySpelare = true;
    f.tidigareKlubb = "SK Ek";
    f.palista = true;
    ASSERT_EQ(sparaMedlem(false, "", f), Medlemsutfall::Sparad);
    EXPECT_EQ(namnISpel(), (std::vector<std::string>{"Anna", "Bo", "Cecilia"}));
    EXPECT_EQ(*hittaSpelare("Cecilia"), (spelarstruct{"Cecilia", "1980-02-03", 1750, "A", 1, "SK Ek"}));
    EXPECT_EQ(store::readAll<elostruct>(fil::ELO),
              (std::vector<elostruct>{{"Anna", 2100}, {"Cecilia", 1900}}));
    EXPECT_EQ(store::readAll<elostruct>(fil::ELOTEMP), (std::vector<elostruct>{{"Anna", 2100}}))
        << "the scratch file holds the records kept";
    EXPECT_EQ(store::readAll<mailstruct>(fil::MAIL),
              (std::vector<mailstruct>{{"Anna", "anna@x.se"}, {"Cecilia", "c@x.se"}}));
    EXPECT_EQ(finnsissflista("Cecilia"), 1);
}

TEST_F(Medlem, NoEloForEmptyOrZeroAndNoPreviousClubWithoutTheNewPlayerMark) {
    for (const char* elo : {"", "0"}) {
        SCOPED_TRACE(elo);
        Medlemsfalt f = falt(std::string("E") + elo, "1500");
        f.elo = elo;
        f.tidigareKlubb = "SK Ek";
        ASSERT_EQ(sparaMedlem(false, "", f), Medlemsutfall::Sparad);
        EXPECT_EQ(store::readAll<elostruct>(fil::ELO).size(), 1u);
        EXPECT_EQ(hittaSpelare(f.namn)->gammalklubb, "");
        EXPECT_EQ(hittaSpelare(f.namn)->nyspelare, 0);
    }
}

TEST_F(Medlem, RefusedEntriesLeaveEveryFileAsItWas) {
    struct Fall {
        bool uppdatering;
        Medlemsfalt f;
        Medlemsutfall utfall;
        const char* varfor;
    };
    Medlemsfalt samma = falt("Anna", "1700");
    samma.epost = ""; // would remove Anna's address if stored
    Medlemsfalt andrat = falt("Anna B", "1700");
    andrat.palista = true;
    const Fall fall[] = {
        {false, falt("", "1500"), Medlemsutfall::TomtNamn, "new member without a name"},
        {true, falt("", "1500"), Medlemsutfall::TomtNamn, "update without a name"},
        {false, samma, Medlemsutfall::SammaNamn, "a new member named like Anna"},
        {false, falt("Cecilia", "3200"), Medlemsutfall::OgiltigRanking, "a new member with rating 3200"},
        {true, andrat, Medlemsutfall::NamnetAndrat, "Anna's update under another name"},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.varfor);
        const auto fore = bilder();
        EXPECT_EQ(sparaMedlem(f.uppdatering, "Anna", f.f), f.utfall);
        EXPECT_EQ(bilder(), fore);
    }
}

TEST_F(Medlem, AnUpdateMovesTheMemberToTheEnd) {
    Medlemsfalt f = falt("Anna", "1650");
    f.klass = "Senior";
    f.epost = "ny@x.se";
    ASSERT_EQ(sparaMedlem(true, "Anna", f), Medlemsutfall::Sparad);
    EXPECT_EQ(namnISpel(), (std::vector<std::string>{"Bo", "Anna"}));
    EXPECT_EQ(hittaSpelare("Anna")->ranking, 1650);
    EXPECT_EQ(store::readAll<spelarstruct>(fil::TSPEL), (std::vector<spelarstruct>{medlem("Bo", 1500)}));
    EXPECT_TRUE(store::readAll<elostruct>(fil::ELO).empty()) << "the Elo field was empty";
    EXPECT_EQ(store::readAll<mailstruct>(fil::MAIL), (std::vector<mailstruct>{{"Anna", "ny@x.se"}}));
    EXPECT_EQ(finnsissflista("Anna"), 0);
}

TEST_F(Medlem, AnUpdateWithAnInvalidRatingKeepsTheRegisterButStoresTheRest) {
    const auto spelFore = testbytes::fileBytes(fil::SPEL);
    Medlemsfalt f = falt("Anna", "650");
    f.elo = "2150";
    f.palista = true;
    EXPECT_EQ(sparaMedlem(true, "Anna", f), Medlemsutfall::OgiltigRanking);
    EXPECT_EQ(testbytes::fileBytes(fil::SPEL), spelFore);
    EXPECT_EQ(store::readAll<elostruct>(fil::ELO), (std::vector<elostruct>{{"Anna", 2150}}));
    EXPECT_EQ(finnsissflista("Anna"), 1);
}

TEST_F(Medlem, RemovalKeepsTheMembersOtherRecordsAndTheChoiceListIsAlphabetical) {
    store::writeAll(fil::SPEL,
                    std::vector<spelarstruct>{medlem("örjan", 1), medlem("Åsa", 2), medlem("bo", 3),
                                              medlem("Anna", 4), medlem("Ärla", 5), medlem("Zeta", 6)});
    EXPECT_EQ(spelarnamn(), (std::vector<std::string>{"Anna", "bo", "Zeta", "Åsa", "Ärla", "örjan"}));
    taBortSpelare("Anna");
    EXPECT_FALSE(hittaSpelare("Anna"));
    EXPECT_EQ(store::readAll<spelarstruct>(fil::STEMP).size(), 5u);
    EXPECT_EQ(lasTillagg("Anna").mail, "anna@x.se");
    EXPECT_EQ(lasTillagg("Anna").elo, "2100");
    EXPECT_TRUE(lasTillagg("Anna").palista);
}

TEST(Namn, TypedNamesAreComparedAsTheFieldStoresThem) {
    EXPECT_EQ(lagratNamn("Karl-Johan Andersson-Lindqvist"), "Karl-Johan Andersson-Lindqvis")
        << "29 characters";
    EXPECT_EQ(lagratNamn("Łukasz"), "?ukasz") << "no Windows-1252 form";
    EXPECT_EQ(lagratNamn("Åsa Öberg"), "Åsa Öberg");
    EXPECT_EQ(heltal("  -400"), -400);
    EXPECT_EQ(heltal("99999999999999"), 2147483647);
}

} // namespace
