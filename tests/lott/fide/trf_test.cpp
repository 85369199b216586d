// The federation report: a hand-written fixture compared byte for byte, every refusal, and the
// reports of generated tournaments read back by the tests' own reader and checked against the
// games and the standings.
#include "lott/fide/trf_fil.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

#include "lott/fide/uppgifter.h"
#include "lott/pairing/inlankning.h"
#include "lott/pairing/lottning.h"
#include "lott/pairing/utlankning.h"
#include "lott/results/stallningfunk.h"
#include "lott/results/ta_tillbaka.h"
#include "store/files.h"
#include "store/tournament.h"
#include "tests/lott/fide/trf_lasare.h"
#include "tests/support/temp_dir.h"

namespace {

std::string lasFil(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

spelarstructtva spelare(int nr, const std::string& namn) {
    spelarstructtva s;
    s.nr = nr;
    s.namn = namn;
    s.klubb = "SK";
    return s;
}

fide::SpelarUppgift uppgift(int nr, const std::string& namn, const std::string& rapport, const std::string& kon,
                            const std::string& titel, int elo, const std::string& fed, const std::string& id,
                            const std::string& fodd) {
    return {nr, namn, rapport, kon, titel, elo, fed, id, fodd};
}

fide::TurneringsUppgift vaxjo() {
    fide::TurneringsUppgift t;
    t.stad = "Växjö";
    t.startdatum = "2024-03-01";
    t.slutdatum = "2024-03-03";
    t.huvuddomare = "Lars Nilsson";
    t.huvuddomareId = "1712345";
    t.biddomare = "Åsa Holm; Per Ek";
    t.biddomareId = "1798765;";
    t.betanketid = "90 min + 30 s";
    t.typ = "Monrad";
    t.ronddatum = {{1, "2024-03-01"}, {2, "2024-03-02"}, {3, "2024-03-03"}};
    return t;
}

// Six players, three rounds: every kind of result once or more (see the fixture's lines).
void sexSpelare() {
    store::writeAll("TURN", std::vector<turneringsstruct>{{1, "Vårturnering 2024", 3, 0}});
    store::writeAll("POANGSYS", std::vector<poangsystem>{{1, 1}});
    store::writeAll("1.T", std::vector<spelarstructtva>{spelare(1, "Anna Ek"), spelare(2, "Bo Åberg"),
                                                       spelare(3, "Cecilia Öst"), spelare(4, "David Lind"),
                                                       spelare(5, "Eva Stål"), spelare(6, "Fredrik Berg")});
    store::writeAll("1.R", std::vector<partistruct>{
                               {1, 2, 1, resVitVinst, 1}, {3, 4, 2, resRemi, 1}, {5, 6, 3, resSvartVinst, 1},
                               {6, 1, 1, resSvartVinst, 2}, {2, 3, 2, resVitWo, 2}, {4, 5, 3, resDiskval, 2},
                               {1, 4, 1, resVitVinst, 3}, {3, 6, 2, resSvartVinst, 3}, {5, 2, 3, resRemi, 3}});
    fide::skrivSpelaruppgifter(
        1, {uppgift(1, "Anna Ek", "Ek, Anna", "w", "WFM", 2105, "SWE", "1700001", "1990-05-17"),
            uppgift(2, "Bo Åberg", "Åberg, Bo", "m", "", 0, "SWE", "", "2008"),
            uppgift(3, "Cecilia Öst", "Öst, Cecilia", "w", "", 1850, "SWE", "1700003", "1985-01-02"),
            uppgift(4, "David Lind", "Lind, David", "m", "FM", 2301, "NOR", "1500004", "1979-12-31"),
            uppgift(5, "Eva Stål", "Stål, Eva", "w", "", 0, "SWE", "", "2011-07-07"),
            uppgift(6, "Fredrik Berg", "Berg, Fredrik", "m", "IM", 2412, "SWE", "1700006", "1970-06-06")});
    fide::skrivTurneringsuppgift(1, vaxjo());
}

class TrfTest : public ArbetsmappTest {};

TEST_F(TrfTest, SixPlayersThreeRoundsMatchTheHandWrittenFile) {
    sexSpelare();
    EXPECT_EQ(fide::standardRond(1), 3);
    const auto ut = fide::exporteraTrf(1, 3, true);
    ASSERT_TRUE(ut.fel.empty()) << ut.fel.front();
    EXPECT_EQ(ut.fil, "lottutskrifter/Vårturnering 2024.trf");
    const std::string vantat = lasFil(std::string(TEST_DATA_DIR) + "/fide/sex_spelare.trf");
    const std::string fatt = lasFil(ut.fil);
    std::size_t i = 0;
    while (i < vantat.size() && i < fatt.size() && vantat[i] == fatt[i])
        ++i;
    EXPECT_EQ(fatt, vantat) << "first difference at byte " << i;
}

TEST_F(TrfTest, WithAccentsTheNamesAreWrittenInWindows1252) {
    sexSpelare();
    const auto ut = fide::exporteraTrf(1, 3, false);
    ASSERT_TRUE(ut.fel.empty());
    const std::string text = lasFil(ut.fil);
    EXPECT_NE(text.find("001    2 m    \xC5" "berg, Bo"), std::string::npos);
    EXPECT_NE(text.find("022 V\xE4xj\xF6\r\n"), std::string::npos);
}

TEST_F(TrfTest, EveryRefusalWritesNothingAndNamesWhatToFix) {
    struct Fall {
        const char* namn;
        std::function<void()> forstor;
        int rond;
        const char* sagt;
    };
    const std::vector<Fall> fall = {
        {"an adjourned game", [] { store::appendOne("1.R", partistruct{1, 5, 4, resAvbrutet, 3}); }, 3,
         "Rond 3, bord 4: partiet saknar slutresultat."},
        {"custom scores", [] { store::appendOne("POANGSYS", poangsystem{4, 1}); }, 3, "\"Valfritt\""},
        {"no FIDE ID nor birth date",
         [] {
             auto u = fide::lasSpelaruppgifter(1);
             u[1].fodd.clear();
             fide::skrivSpelaruppgifter(1, u);
         },
         3, "2 Bo Åberg: FIDE-id eller födelsedatum saknas."},
        {"a malformed FIDE ID",
         [] {
             auto u = fide::lasSpelaruppgifter(1);
             u[0].fideid = "17x";
             fide::skrivSpelaruppgifter(1, u);
         },
         3, "1 Anna Ek: FIDE-id får bara innehålla siffror."},
        {"no city",
         [] {
             auto t = vaxjo();
             t.stad.clear();
             fide::skrivTurneringsuppgift(1, t);
         },
         3, "Turneringen saknar ort."},
        {"a round without a date",
         [] {
             auto t = vaxjo();
             t.ronddatum.erase(2);
             fide::skrivTurneringsuppgift(1, t);
         },
         3, "Rond 2 saknar datum."},
        {"a round not played", [] {}, 4, "Rond 4 är inte spelad."},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.namn);
        sexSpelare();
        f.forstor();
        const auto ut = fide::exporteraTrf(1, f.rond, true);
        std::string alla;
        for (const auto& s : ut.fel)
            alla += s + "\n";
        EXPECT_NE(alla.find(f.sagt), std::string::npos) << alla;
        EXPECT_TRUE(ut.fil.empty());
        EXPECT_FALSE(std::filesystem::exists("lottutskrifter"));
        std::filesystem::remove("POANGSYS");
    }
}

// --- generated tournaments ---------------------------------------------------------------------

struct Upplagg {
    const char* namn;
    int system; // 0 Monrad, 1 Swiss-type
    int vilken; // 0 Nordic Swiss, 1 Swiss
    int antal;
    unsigned fro;
};

int slumpat(std::mt19937& slump) {
    const int t = std::uniform_int_distribution<int>(0, 99)(slump);
    if (t < 38) return resVitVinst;
    if (t < 72) return resSvartVinst;
    if (t < 90) return resRemi;
    if (t < 94) return resVitWo;
    if (t < 97) return resSvartWo;
    return resDiskval;
}

// Pairs round after round with the program's own driver and plays it with random results; after
// round 2 a player withdraws and another enters late; round 3 is played, taken back and played
// again.
void spela(const Upplagg& u, int ronder) {
    std::vector<turneringsstruct> turn = {{1, u.namn, ronder, u.system}};
    store::writeAll("TURN", turn);
    store::writeAll("POANGSYS", std::vector<poangsystem>{{1, 1}});
    store::writeAll("SELN", std::vector<vilkenschweizerstruct>{{u.vilken, 1}});
    std::vector<spelarstructtva> start;
    for (int i = 1; i <= u.antal; ++i) {
        auto s = spelare(i, "Spelare " + std::string(1, static_cast<char>('A' + (i - 1) % 26)) + std::to_string(i));
        s.ranking = 2200 - 10 * i;
        start.push_back(s);
    }
    store::writeAll("1.T", store::startListWithBye(start, store::ByeClub::Tom));
    std::mt19937 slump(u.fro);
    for (int rond = 1; rond <= ronder; ++rond) {
        for (int gang = 0; gang < (rond == 3 ? 2 : 1); ++gang) {
            if (gang == 1) TaTillbaka("1.R");
            LottState st;
            st.turnnr = 1;
            st.fnamnglob = "1";
            st.slistab = store::readAll<spelarstructtva>("1.T");
            st.antalronder = ronder;
            st.systemc = u.system;
            st.vilkpaint = 2;
            parning::lottning(st);
            ASSERT_EQ(st.valdrond, rond);
            std::vector<partistruct> partier;
            for (std::size_t i = 0; i + 1 < st.slistab.size(); i += 2) {
                const bool fri = store::isBye(st.slistab[i + 1].namn);
                partier.push_back({st.slistab[i].nr, st.slistab[i + 1].nr, static_cast<int>(i / 2 + 1),
                                   fri ? resVitVinst : slumpat(slump), rond});
            }
            store::append("1.R", partier);
        }
        if (rond == 2) {
            spelareut(1, 2);
            ASSERT_TRUE(spelarein(1, lasInlankningslage(1, false), NySpelare{"Sen Ankomling", "SK", "1500"}));
        }
    }
    // Details for everyone; the FIDE ID is 1000 + start number, so a line names its player.
    std::vector<fide::SpelarUppgift> upp;
    for (const auto& s : store::readAll<spelarstructtva>("1.T"))
        if (!store::isBye(s.namn))
            upp.push_back(uppgift(s.nr, s.namn, fide::rapportnamnAv(s.namn), "m", "", 0, "SWE",
                                  std::to_string(1000 + s.nr), ""));
    fide::skrivSpelaruppgifter(1, upp);
    auto t = vaxjo();
    for (int r = 1; r <= ronder; ++r)
        t.ronddatum[r] = "2024-03-" + std::string(r < 10 ? "0" : "") + std::to_string(r);
    fide::skrivTurneringsuppgift(1, t);
}

char motsatt(char resultat) {
    switch (resultat) {
    case '1': return '0';
    case '0': return '1';
    case '+': return '-';
    case '=': return '=';
    default: return '?';
    }
}

TEST_F(TrfTest, GeneratedTournamentsReadBackAgreeWithTheirGamesAndStandings) {
    const std::vector<Upplagg> upplagg = {
        {"Monrad udda", 0, 0, 11, 1}, {"Monrad jamn", 0, 0, 14, 2},  {"Nordisk", 1, 0, 17, 3},
        {"Schweizer", 1, 1, 20, 4},   {"Schweizer udda", 1, 1, 13, 5},
    };
    const int ronder = 5;
    std::set<char> sedda; // every kind of round the generated tournaments gave
    for (const auto& u : upplagg) {
        SCOPED_TRACE(u.namn);
        TempDir mapp;
        spela(u, ronder);
        const auto ut = fide::exporteraTrf(1, ronder, true);
        ASSERT_TRUE(ut.fel.empty()) << ut.fel.front();
        const trftest::Trf trf = trftest::lasTrf(lasFil(ut.fil));
        for (const auto& f : trf.fel)
            ADD_FAILURE() << f;

        const auto start = store::readAll<spelarstructtva>("1.T");
        std::map<int, int> trfNr; // start number -> line number, from the FIDE ID
        for (std::size_t i = 0; i < trf.spelare.size(); ++i) {
            EXPECT_EQ(trf.spelare[i].nr, static_cast<int>(i + 1));
            trfNr[std::stoi(trf.spelare[i].fideid) - 1000] = static_cast<int>(i + 1);
        }
        int riktiga = 0;
        for (const auto& s : start)
            riktiga += store::isBye(s.namn) ? 0 : 1;
        EXPECT_EQ(static_cast<int>(trf.spelare.size()), riktiga);
        EXPECT_EQ(trf.huvud.find("062")->second, std::to_string(riktiga));
        ASSERT_EQ(trf.ronddatum.size(), static_cast<std::size_t>(ronder));
        EXPECT_EQ(trf.ronddatum[4], "24/03/05");

        // Every line: its rounds against the other lines, its points against its rounds.
        for (const auto& s : trf.spelare) {
            ASSERT_EQ(s.ronder.size(), static_cast<std::size_t>(ronder)) << s.rad;
            int halvor = 0;
            for (int r = 0; r < ronder; ++r) {
                const auto& ru = s.ronder[static_cast<std::size_t>(r)];
                sedda.insert(ru.resultat);
                halvor += std::string("1+U").find(ru.resultat) != std::string::npos ? 2
                          : std::string("=H").find(ru.resultat) != std::string::npos ? 1 : 0;
                if (ru.motstandare == 0) {
                    EXPECT_EQ(ru.farg, '-') << s.rad;
                    EXPECT_NE(std::string("UHZ").find(ru.resultat), std::string::npos) << s.rad;
                    continue;
                }
                const auto& m = trf.spelare.at(static_cast<std::size_t>(ru.motstandare - 1));
                const auto& mr = m.ronder[static_cast<std::size_t>(r)];
                EXPECT_EQ(mr.motstandare, s.nr) << s.rad << "\n" << m.rad;
                EXPECT_EQ(mr.farg, ru.farg == 'w' ? 'b' : 'w') << s.rad << "\n" << m.rad;
                if (ru.resultat == '-')
                    EXPECT_TRUE(mr.resultat == '+' || mr.resultat == '-') << s.rad << "\n" << m.rad;
                else
                    EXPECT_EQ(mr.resultat, motsatt(ru.resultat)) << s.rad << "\n" << m.rad;
            }
            EXPECT_EQ(s.halvor, halvor) << s.rad;
        }

        // Every stored game between two players is in white's line as the format codes it.
        const std::map<int, std::pair<char, char>> kod = {{resVitVinst, {'1', '0'}}, {resSvartVinst, {'0', '1'}},
                                                          {resRemi, {'=', '='}},     {resVitWo, {'+', '-'}},
                                                          {resSvartWo, {'-', '+'}},  {resDiskval, {'-', '-'}}};
        int spelade = 0;
        for (const auto& p : store::readAll<partistruct>("1.R")) {
            if (!trfNr.count(p.vit) || !trfNr.count(p.svart)) continue;
            ++spelade;
            const auto& ru = trf.spelare[static_cast<std::size_t>(trfNr[p.vit] - 1)].ronder[static_cast<std::size_t>(p.rond - 1)];
            EXPECT_EQ(ru.motstandare, trfNr[p.svart]);
            EXPECT_EQ(ru.farg, 'w');
            EXPECT_EQ(ru.resultat, kod.at(p.resultat).first);
        }
        int iTrf = 0;
        for (const auto& s : trf.spelare)
            for (const auto& ru : s.ronder)
                iTrf += ru.motstandare > 0 ? 1 : 0;
        EXPECT_EQ(iTrf, 2 * spelade);

        // The late entrant has no game in rounds 1 and 2; the withdrawn player none after round 2.
        const auto& sen = trf.spelare.at(static_cast<std::size_t>(trfNr.rbegin()->second - 1));
        EXPECT_EQ(sen.ronder[0].resultat, 'Z');
        EXPECT_EQ(sen.ronder[1].resultat, 'Z');
        EXPECT_EQ(trf.spelare.at(static_cast<std::size_t>(trfNr[2] - 1)).ronder[3].resultat, 'Z');

        // Ranks are the tournament's own placement.
        LottState st;
        st.turnnr = 1;
        st.slistab = start;
        stallningfunk(st);
        int plats = 0;
        for (const auto& rad : st.parslistac) {
            if (store::isBye(rad.namn) || !trfNr.count(rad.nr)) continue;
            EXPECT_EQ(trf.spelare[static_cast<std::size_t>(trfNr[rad.nr] - 1)].placering, ++plats) << rad.namn;
        }
    }
    EXPECT_EQ(sedda, (std::set<char>{'0', '1', '=', '+', '-', 'U', 'Z'}));
}

} // namespace
