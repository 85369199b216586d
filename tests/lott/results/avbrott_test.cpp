// The games of the adjourned-games dialog: completion of the result field, what is listed and
// shown, confirmed results kept until the commit, and the files the commit leaves.
#include "lott/results/avbrott.h"

#include "lott/results/stallning.h"
#include "store/filenames.h"
#include "tests/lott/pairing/andring_hjalp.h"

using namespace andringtest;

namespace {

class AvbrottTest : public ArbetsmappTest {};

TEST(AvbrottKomplettering, TheFirstCharacterDecidesAndAnythingElseLeavesTheGamePostponed) {
    const std::vector<std::pair<std::string, int>> fall = {
        {"1", resVitVinst},   {"1-0", resVitVinst}, {"0", resSvartVinst}, {"0.5", resSvartVinst},
        {"r", resRemi},       {"R", resRemi},       {"W", resVitWo},      {"w", resSvartWo},
        {"d", resDiskval},    {"D", resUppskjutet}, {"x", resUppskjutet}, {"", resUppskjutet},
        {"u", resUppskjutet}, {"a", resUppskjutet}};
    for (const auto& [typat, kod] : fall) {
        SCOPED_TRACE(typat);
        const auto k = avbrott::fullborda(typat);
        EXPECT_EQ(k.kod, kod);
        // Completed texts are stable: the next tick gives the same text and code.
        const auto igen = avbrott::fullborda(k.text);
        EXPECT_EQ(igen.text, k.text);
        EXPECT_EQ(igen.kod, k.kod);
    }
    EXPECT_EQ(avbrott::fullborda("x").text, "");
}

TEST(AvbrottKomplettering, AStoredResultShownAndConfirmedAgainKeepsItsCode) {
    // Every code with a text in the field survives selecting the line and confirming it unchanged;
    // postponed, adjourned and no result show an empty field, which confirms as postponed.
    for (int kod = 0; kod <= 8; ++kod) {
        SCOPED_TRACE(kod);
        const std::string visat = avbrott::visatResultat(kod);
        const bool oppen = kod == resIngen || kod == resUppskjutet || kod == resAvbrutet;
        EXPECT_EQ(visat.empty(), oppen);
        EXPECT_EQ(avbrott::fullborda(visat).kod, oppen ? resUppskjutet : kod);
    }
}

// Tournament 1: Ada 1, Bo 2, Cid 3, Dan 4, Eva 5 and the bye 6; round 1 boards 2-1 (1-0), 4-3
// (adjourned), 5-6 (bye); round 2 boards 1-3 (postponed), 2-5 (Remi), and 4 against 9, a bye
// whose record a late entry removed.
std::vector<partistruct> rundor() {
    return {parti(1, 2, 1, resVitVinst, 1),   parti(1, 4, 3, resAvbrutet, 2), parti(1, 5, 6, resVitVinst, 3),
            parti(2, 1, 3, resUppskjutet, 1), parti(2, 2, 5, resRemi, 2),     parti(2, 4, 9, resVitVinst, 3)};
}

void tvaRonder() {
    store::writeAll("1.T", std::vector<spelarstructtva>{sp(1, "Ada"), sp(2, "Bo"), sp(3, "Cid"), sp(4, "Dan"),
                                                        sp(5, "Eva"), fri(6)});
    store::writeAll("1.R", rundor());
}

TEST_F(AvbrottTest, ModeOneListsTheOpenGamesModeTwoEveryGame) {
    tvaRonder();
    // Lines run from the last stored game back, as the list is built by putting each in front.
    EXPECT_EQ(Avbrottslista(1, Avbrottslista::kOppnaPartier, false).rader(),
              (std::vector<std::string>{"2 1 Ada - 3 Cid", "1 4 Dan - 3 Cid"}));
    EXPECT_EQ(Avbrottslista(1, Avbrottslista::kAllaPartier, false).rader(),
              (std::vector<std::string>{"2 4 Dan - 9 Frirond", "2 2 Bo - 5 Eva", "2 1 Ada - 3 Cid",
                                        "1 5 Eva - 6 Frirond", "1 4 Dan - 3 Cid", "1 2 Bo - 1 Ada"}));
}

TEST_F(AvbrottTest, ASelectedLineShowsItsPlayersAndStoredResult) {
    tvaRonder();
    const Avbrottslista lista(1, Avbrottslista::kAllaPartier, false);
    struct Fall {
        const char* rad;
        const char* vit;
        const char* svart;
        const char* resultat;
    };
    const std::vector<Fall> fall = {{"1 2 Bo - 1 Ada", "Bo", "Ada", "1-0"},
                                    {"1 4 Dan - 3 Cid", "Dan", "Cid", ""},
                                    {"2 2 Bo - 5 Eva", "Bo", "Eva", "Remi"},
                                    {"2 4 Dan - 9 Frirond", "Dan", "Frirond", "1-0"}};
    for (const auto& f : fall) {
        SCOPED_TRACE(f.rad);
        const auto m = lista.markera(f.rad);
        ASSERT_TRUE(m);
        EXPECT_EQ(m->vit, f.vit);
        EXPECT_EQ(m->svart, f.svart);
        EXPECT_EQ(m->resultat, f.resultat);
    }
    EXPECT_FALSE(lista.markera("3 2 Bo - 1 Ada")); // no such game
    EXPECT_FALSE(lista.markera(""));
}

TEST_F(AvbrottTest, TheAdjournedGameGetsItsResultAndLeavesTheList) {
    tvaRonder();
    Avbrottslista lista(1, Avbrottslista::kOppnaPartier, false);
    ASSERT_TRUE(lista.bekrafta("1 4 Dan - 3 Cid", avbrott::fullborda("1").kod));
    // Typing x keeps the postponed game postponed.
    ASSERT_TRUE(lista.bekrafta("2 1 Ada - 3 Cid", avbrott::fullborda("x").kod));
    lista.verkstall();
    // The whole file rewritten, last stored game first.
    auto vantat = rundor();
    vantat[1].resultat = resVitVinst;
    EXPECT_FILE_BYTES("1.R", spelBild({vantat[5], vantat[4], vantat[3], vantat[2], vantat[1], vantat[0]}));
    EXPECT_EQ(Avbrottslista(1, Avbrottslista::kOppnaPartier, false).rader(),
              (std::vector<std::string>{"2 1 Ada - 3 Cid"}));
}

TEST_F(AvbrottTest, XTurnsAnAdjournedGameIntoAPostponedOne) {
    tvaRonder();
    Avbrottslista lista(1, Avbrottslista::kOppnaPartier, false);
    lista.bekrafta("1 4 Dan - 3 Cid", avbrott::fullborda("x").kod);
    lista.verkstall();
    EXPECT_EQ(store::readAll<partistruct>("1.R")[4].resultat, resUppskjutet);
}

TEST_F(AvbrottTest, NothingIsWrittenBeforeTheCommit) {
    tvaRonder();
    const Bytes fore = testbytes::fileBytes("1.R");
    {
        Avbrottslista lista(1, Avbrottslista::kAllaPartier, false);
        lista.bekrafta("1 2 Bo - 1 Ada", resSvartVinst);
    } // cancelled
    EXPECT_EQ(testbytes::fileBytes("1.R"), fore);
}

TEST_F(AvbrottTest, ACorrectedResultChangesTheStandings) {
    tvaRonder();
    const auto poang = [] {
        stallning::Indata in;
        in.spelare = store::readAll<spelarstructtva>("1.T");
        in.partier = store::readAll<partistruct>("1.R");
        std::vector<double> p(6);
        for (const auto& r : stallning::berakna(in).parslistac)
            p[static_cast<std::size_t>(r.nr) - 1] = r.poang;
        return p;
    };
    // Bo: 1-0 against Ada, Remi against Eva = 1.5; Ada 0 (her postponed game scores nothing).
    EXPECT_EQ(poang()[0], 0.0);
    EXPECT_EQ(poang()[1], 1.5);
    Avbrottslista lista(1, Avbrottslista::kAllaPartier, false);
    lista.bekrafta("1 2 Bo - 1 Ada", avbrott::fullborda("Remi").kod);
    lista.verkstall();
    // Round 1 now a draw: Ada 0.5, Bo 0.5 + 0.5 = 1.
    EXPECT_EQ(poang()[0], 0.5);
    EXPECT_EQ(poang()[1], 1.0);
}

// Tournaments 1 and 2 in one "VALFRI.DAT".
std::vector<valfristruct> valfria() {
    return {valfriParti(1, 1, 2, 1, 3, 1), valfriParti(2, 1, 2, 1, 2, 2), valfriParti(1, 1, 4, 3, 2, 2, 2),
            valfriParti(1, 2, 1, 4, 1.5, 2.5)};
}

TEST_F(AvbrottTest, CustomScoresAreShownAndOnlyTheConfirmedGameChangesAtTheCommit) {
    store::writeAll("1.T", registrerade(4));
    store::writeAll(store::fil::VALFRI, valfria());
    const Bytes fore = testbytes::fileBytes(store::fil::VALFRI);
    Avbrottslista lista(1, Avbrottslista::kAllaPartier, true);
    EXPECT_EQ(testbytes::fileBytes(store::fil::VFRITE), fore); // the backup copy
    // Mode 1 lists nothing: custom games have no open codes.
    EXPECT_TRUE(Avbrottslista(1, Avbrottslista::kOppnaPartier, true).rader().empty());
    EXPECT_EQ(lista.rader(), (std::vector<std::string>{"2 1 S1 - 4 S4", "1 4 S4 - 3 S3", "1 2 S2 - 1 S1"}));
    EXPECT_EQ(lista.markera("2 1 S1 - 4 S4")->resultat, "1.5-2.5");
    EXPECT_FALSE(lista.bekraftaValfritt("1 2 S2 - 1 S1", "2,5 1,5")); // without a "-" it does not parse
    EXPECT_TRUE(lista.bekraftaValfritt("1 2 S2 - 1 S1", "2,5-1,5"));
    EXPECT_EQ(lista.markera("1 2 S2 - 1 S1")->resultat, "2.5-1.5");
    EXPECT_EQ(testbytes::fileBytes(store::fil::VALFRI), fore); // kept in memory
    lista.verkstall();
    auto vantat = valfria();
    vantat[0].vitresultat = 2.5;
    vantat[0].svartresultat = 1.5;
    EXPECT_FILE_BYTES(store::fil::VALFRI, valfriBild(vantat));
    EXPECT_FILE_BYTES(store::fil::TVFRI, valfriBild(vantat));
    EXPECT_EQ(testbytes::fileBytes(store::fil::VFRITE), fore);
}

TEST_F(AvbrottTest, ACancelledCustomCorrectionLeavesValfriAsItWas) {
    store::writeAll("1.T", registrerade(4));
    store::writeAll(store::fil::VALFRI, valfria());
    const Bytes fore = testbytes::fileBytes(store::fil::VALFRI);
    {
        Avbrottslista lista(1, Avbrottslista::kAllaPartier, true);
        EXPECT_TRUE(lista.bekraftaValfritt("1 4 S4 - 3 S3", "2,5-1,5"));
    }
    EXPECT_EQ(testbytes::fileBytes(store::fil::VALFRI), fore);
    EXPECT_FALSE(store::exists(store::fil::TVFRI));
}

} // namespace
