// Swiss-type tournaments through the pairing driver and its work files, from round 1 to the
// planned last round, results written back the way result entry stores them.
#include <gtest/gtest.h>

#include <random>

#include "lott/pairing/lottning.h"
#include "store/filenames.h"
#include "store/files.h"
#include "tests/lott/pairing/schweizer_simulering.h"
#include "tests/lott/pairing/schweizer_test_hjalp.h"
#include "tests/support/temp_dir.h"

using namespace parning;
using namespace schweizertest;

namespace {

class SchweizerLottning : public ArbetsmappTest {
  protected:
    LottState st;

    void skapa(const std::vector<spelarstructtva>& startlista, int vilken, int poangval, int antalronder) {
        store::writeOne(store::fil::TURN, turneringsstruct{1, "Klubbmästerskap", antalronder, 1});
        store::writeOne(store::fil::SELN, vilkenschweizerstruct{vilken, 1});
        store::writeOne(store::fil::POANGSYS, poangsystem{poangval, 1});
        store::writeAll("1.T", startlista);
        st.turnnr = 1;
        st.antalronder = antalronder;
    }

    // Chooses the tournament again and pairs "&Rondlista".
    void lotta() {
        st.slistab = store::readAll<spelarstructtva>("1.T");
        st.systemc = 1;
        st.vilkpaint = 2;
        lottning(st);
    }
};

spelarstructtva spelare(int nr, const std::string& namn) {
    spelarstructtva s;
    s.nr = nr;
    s.namn = namn;
    s.klubb = "SK Kamraterna";
    s.ranking = 1500 + 10 * nr;
    s.elo = 2100;
    s.egenkategori = 1;
    return s;
}

std::vector<spelarstructtva> attaSpelare() {
    std::vector<spelarstructtva> lista;
    for (int nr = 1; nr <= 7; ++nr)
        lista.push_back(spelare(nr, "Spelare " + std::to_string(nr)));
    lista.push_back(store::byeRecord(8, store::ByeClub::Tom));
    return lista;
}

TEST_F(SchweizerLottning, FirstSwissRoundWritesTheListByteForByte) {
    skapa(attaSpelare(), 1, 1, 5);
    lotta();
    ASSERT_EQ(st.ejronditurn, 0);
    ASSERT_LT(st.grans, kGransLast);
    EXPECT_EQ(st.valdrond, 1);
    // Tournament 1 is odd: boards 2 and 4 turned round, then the bye back to "Frirond" black.
    std::vector<spelarstructtva> vantat;
    for (int nr : {4, 1, 2, 5, 6, 3, 7}) {
        vantat.push_back(spelare(nr, "Spelare " + std::to_string(nr)));
        vantat.back().elo = 0;
        vantat.back().egenkategori = 0;
    }
    vantat.push_back(store::byeRecord(8, store::ByeClub::Tom));
    EXPECT_EQ(store::readBytes(store::fil::LSKICKA), store::encodeAll(vantat));
    EXPECT_EQ(store::readText(store::fil::VILKSY), "0");
}

TEST_F(SchweizerLottning, SecondNordicRoundPairsScoreGroupsFromTheStandings) {
    skapa(attaSpelare(), 0, 1, 5);
    lotta();
    EXPECT_EQ(nummer(st.slistab), (std::vector<std::int32_t>{4, 1, 5, 2, 6, 3, 7, 8}));
    // 4, 5, 6 win as white, 7 takes the bye: winners 4 5 6 7, losers 1 2 3 and "Frirond".
    store::append<partistruct>("1.R", {{4, 1, 1, resVitVinst, 1},
                                       {5, 2, 2, resVitVinst, 1},
                                       {6, 3, 3, resVitVinst, 1},
                                       {7, 8, 4, resVitVinst, 1}});
    lotta();
    ASSERT_LT(st.grans, kGransLast);
    EXPECT_EQ(st.valdrond, 2);
    // Winners [7 6 5 4]: 4-6 and 5-7; losers 1 2 3 with "Frirond" 8 and 3 the 0-point player
    // with the highest number: 3 gets the bye, 1-2 meet. An even round with equal white counts:
    // the upper-half player has white.
    EXPECT_EQ(nummer(st.slistab), (std::vector<std::int32_t>{4, 6, 5, 7, 1, 2, 3, 8}));
    EXPECT_EQ(store::readAll<vrstruct>(store::fil::VALDR).back().valdrond, 2);
    // The answer replaces the 88-byte standings with 76-byte pairing records, byte for byte.
    std::vector<spelarstructtva> vantat;
    for (int nr : {4, 6, 5, 7, 1, 2, 3}) {
        vantat.push_back(spelare(nr, "Spelare " + std::to_string(nr)));
        vantat.back().elo = 0;
        vantat.back().egenkategori = 0;
    }
    vantat.push_back(store::byeRecord(8, store::ByeClub::Tom));
    EXPECT_EQ(store::readBytes(store::fil::LSKICKA), store::encodeAll(vantat));
}

// Results of a "Valfritt" round as result entry stores them.
void spelaValfrittRond(const Parlista& lista, int rond, std::mt19937& slump) {
    std::vector<valfristruct> ut;
    for (std::size_t i = 0; i + 1 < lista.size(); i += 2) {
        valfristruct v;
        v.turnnr = 1;
        v.vit = lista[i].nr;
        v.svart = lista[i + 1].nr;
        v.bord = static_cast<int>(i / 2 + 1);
        v.rond = rond;
        v.vitresultat = store::isBye(lista[i + 1].namn) ? 2.0 : 0.5 * static_cast<double>(slump() % 5);
        v.svartresultat = store::isBye(lista[i + 1].namn) ? 0.0 : 2.0 - v.vitresultat;
        ut.push_back(v);
    }
    store::append(store::fil::VALFRI, ut);
}

TEST_F(SchweizerLottning, GeneratedTournamentsPairFromRoundOneToThePlannedLastRound) {
    int rondlistor = 0;
    int monradronder = 0;
    int monradMisslyckade = 0;
    int uttrade = 0;
    for (unsigned fro = 1; fro <= 25; ++fro) {
        std::mt19937 slump(fro);
        const int n = 3 + static_cast<int>(fro * 3 % 38);
        const auto startlista = genereradStartlista(n, slump);
        const int antalronder = 4 + static_cast<int>(slump() % 8);
        const int poangval = 1 + static_cast<int>(fro % 4);
        std::filesystem::remove("1.R");
        std::filesystem::remove("1.U");
        std::filesystem::remove(store::fil::VALFRI);
        skapa(startlista, static_cast<int>(fro % 2), poangval, antalronder);
        std::set<int> aktiva;
        for (const auto& s : startlista)
            if (!store::isBye(s.namn)) aktiva.insert(s.nr);

        for (int rond = 1;; ++rond) {
            if (rond > 2 && aktiva.size() > 4 && slump() % 6 == 0) {
                // A withdrawal recorded before this round, as the withdrawal dialog stores it.
                auto it = aktiva.begin();
                std::advance(it, static_cast<long>(slump() % aktiva.size()));
                store::appendOne("1.U", startlista[static_cast<std::size_t>(*it - 1)]);
                aktiva.erase(it);
                ++uttrade;
            }
            std::vector<partistruct> partier;
            if (poangval != 4) partier = store::touchAndReadAll<partistruct>("1.R");
            for (const auto& v : store::touchAndReadAll<valfristruct>(store::fil::VALFRI))
                partier.push_back(partistruct{v.vit, v.svart, v.bord, v.resultatkod(), v.rond});
            lotta();
            if (st.ejronditurn) {
                EXPECT_EQ(rond, std::min(antalronder, static_cast<int>(startlista.size()) - 1) + 1)
                    << "seed " << fro;
                break;
            }
            ASSERT_EQ(st.valdrond, rond);
            const bool schweizerMotor = st.systemc == 1;
            if (st.grans >= kGransLast) {
                // Only the Monrad engine may run out of new opponents, late in a small field.
                ASSERT_FALSE(schweizerMotor) << "seed " << fro << " round " << rond;
                ++monradMisslyckade;
                break;
            }
            if (!schweizerMotor) ++monradronder;
            const std::string fel = felILista(st.slistab, aktiva, PartiIndex(partier), schweizerMotor);
            ASSERT_EQ(fel, "") << "seed " << fro << ", " << n << " players, round " << rond;
            ++rondlistor;
            if (poangval == 4) {
                spelaValfrittRond(st.slistab, rond, slump);
            } else {
                std::vector<partistruct> nya;
                spelaRond(st.slistab, rond, nya, slump);
                store::append("1.R", nya);
            }
        }
    }
    EXPECT_GT(rondlistor, 100);
    EXPECT_GT(monradronder, 10);
    EXPECT_LT(monradMisslyckade, 20);
    EXPECT_GT(uttrade, 5);
    std::cout << "[ info ] round lists " << rondlistor << ", by Monrad " << monradronder
              << ", Monrad failures " << monradMisslyckade << "\n";
}

} // namespace
