// Every write-heavy command stopped before each of its file steps in turn (a write, a flush, a
// rename, a truncation, a removal): after the next start of the program (which finishes a
// journal left behind) every record file is whole, the files agree with each other, the files a
// command changes together are all old or all new, and the next command succeeds.
//
// Every stopping point is tried when CRASHPOINTS_ALL is set (scripts/crashpoints); otherwise
// every step of the small commands and a spread of the steps of the large ones, so that the test
// stays quick on a busy machine.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include "lott/pairing/inlankning.h"
#include "lott/pairing/lottning.h"
#include "lott/pairing/utlankning.h"
#include "lott/results/resultatinmatning.h"
#include "lott/results/ta_tillbaka.h"
#include "lott/setup/ny_turnering.h"
#include "lott/setup/registrering.h"
#include "rank/berakning/rankingberakna.h"
#include "rank/berakning/verkstallda_perioder.h"
#include "rank/results/resultatinmatning.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/journal.h"
#include "store/tournament.h"
#include "tests/support/bytes.h"
#include "tests/support/crash_sweep.h"
#include "tests/support/rank_poster.h"
#include "tests/durability/lott_steg.h"
#include "tests/support/temp_dir.h"
#include "tools/ratingbridge/exportera.h"

namespace fs = std::filesystem;
using testbytes::fileBytes;

namespace {

using lottsteg::inskrivna;
using lottsteg::nyTurnering;
using lottsteg::spelaRond;

constexpr int P = 20; // a rating period

// The first disagreement among lott's files, empty when they agree.
std::string lottFel() {
    const auto turn = store::decodeAll<turneringsstruct>(store::readBytesIfPresent(store::fil::TURN));
    for (std::size_t i = 0; i < turn.size(); ++i) {
        const int nr = turn[i].filnamnint;
        if (nr != static_cast<int>(i + 1)) return "TURN record " + std::to_string(i + 1) + " has number " + std::to_string(nr);
        const std::string tfil = store::tournamentFile(nr, 'T');
        if (!store::exists(tfil)) return "tournament " + std::to_string(nr) + " is in TURN without its start list";
        const auto spelare = store::readAll<spelarstructtva>(tfil);
        std::map<int, std::string> namn;
        for (const auto& sp : spelare)
            if (!namn.emplace(sp.nr, sp.namn).second) return tfil + ": start number " + std::to_string(sp.nr) + " twice";
        for (const auto& u : store::readAllIfPresent<spelarstructtva>(store::tournamentFile(nr, 'U')))
            if (namn[u.nr] != u.namn)
                return "withdrawn player " + std::to_string(u.nr) + " " + u.namn + " is " + namn[u.nr] + " in the start list";
        // Every round whole: as many games as the first round.
        std::map<int, int> perRond;
        for (const auto& g : store::readAllIfPresent<partistruct>(store::tournamentFile(nr, 'R')))
            ++perRond[g.rond];
        for (const auto& v : store::readAllIfPresent<valfristruct>(store::fil::VALFRI))
            if (v.turnnr == nr) ++perRond[v.rond];
        int rond = 0;
        for (const auto& [r, antal] : perRond) {
            if (r != ++rond) return "tournament " + std::to_string(nr) + " lacks round " + std::to_string(rond);
            if (antal != perRond.begin()->second) return "round " + std::to_string(r) + " holds " + std::to_string(antal) + " games";
        }
    }
    return "";
}

// --- rank ---

void rankRegister() {
    std::vector<rank::spelarstruct> spel;
    for (int i = 0; i < 40; ++i)
        spel.push_back(rankpost::medlem("Medlem " + std::to_string(i), 1300 + 23 * i));
    store::writeAll(rank::fil::SPEL, spel);
    std::vector<rank::allastruct> alla;
    for (int i = 0; i < 40; ++i)
        alla.push_back(rankpost::parti("Medlem " + std::to_string(i), "Gäst", 1500, 1 + i % 3, P));
    store::writeAll(rank::fil::ALLA, alla);
    store::writeAll(rank::fil::TALLA, std::vector<rank::tallastruct>{rankpost::andring("Medlem 1", "Cup", 12, P)});
}

// A result entry with games and tournament changes pending, as the dialog leaves them.
void rankInmatning() {
    rankRegister();
    rank::oppnaInmatning();
    for (int i = 0; i < 3; ++i)
        rank::noteraParti(rankpost::parti("Medlem 5", "Motståndare " + std::to_string(i), 1600, 1, P));
    rank::noteraTurnering(rankpost::andring("Medlem 5", "Vårcupen", 14, P));
}

// A rating directory with a tournament directory "turn" inside it.
void exportKatalog() {
    rankRegister();
    fs::create_directory("turn");
    fs::current_path("turn");
    nyTurnering(30);
    spelaRond(1);
    spelaRond(1);
    fs::current_path("..");
}

void exportera() {
    const auto rating = fs::current_path().string();
    fs::current_path("turn");
    ratingbridge::exportera(ratingbridge::Ratingfiler::i(rating), 0, P, 1);
    fs::current_path(rating);
}

// --- the sweep ---

const std::map<std::string, std::size_t>& postStorlekar() {
    static const std::map<std::string, std::size_t> m{
        {"TURN", turneringsstruct::size}, {"SELN", vilkenschweizerstruct::size}, {"POANGSYS", poangsystem::size},
        {"VILKV", vilkstruct::size},      {"VALFRI.DAT", valfristruct::size},   {"TILLB", tillbehorstruct::size},
        {"1.T", spelarstructtva::size},   {"1.R", partistruct::size},           {"1.U", spelarstructtva::size},
        {"SPEL", rank::spelarstruct::size}, {"ALLA", rank::allastruct::size},   {"TALLA", rank::tallastruct::size},
        {"VERKPER", rank::verkstalldperiodstruct::size}};
    return m;
}

std::string helaFiler() {
    for (const auto& [namn, storlek] : postStorlekar())
        for (const std::string& f : {namn, "turn/" + namn})
            if (store::exists(f) && fileBytes(f).size() % storlek != 0)
                return f + " ends in a partial record (" + std::to_string(fileBytes(f).size()) + " bytes)";
    return "";
}

struct Kommando {
    const char* namn;
    std::function<void()> forbered;     // builds the directory
    std::function<void()> kor;          // the command
    std::vector<std::string> tillsammans; // files it changes together: all old or all new
    std::function<void()> nasta;        // the next command, which must succeed
    std::function<std::string()> overens = lottFel;
    int glesast = 1;                    // without CRASHPOINTS_ALL, every n-th stopping point
};

std::map<std::string, std::vector<std::uint8_t>> bild(const std::vector<std::string>& filer) {
    std::map<std::string, std::vector<std::uint8_t>> b;
    for (const auto& f : filer)
        b[f] = fileBytes(f);
    return b;
}

void svep(const Kommando& c) {
    SCOPED_TRACE(c.namn);
    TempDir rot;
    const fs::path mall = rot.path() / "mall";
    fs::create_directory(mall);
    fs::current_path(mall);
    c.forbered();
    const auto fore = bild(c.tillsammans);

    // The reference: the command run to its end.
    crashsweep::kopiera(mall, rot.path() / "hel");
    fs::current_path(rot.path() / "hel");
    ASSERT_TRUE(crashsweep::lyckas(c.kor));
    const auto efter = bild(c.tillsammans);
    if (!c.tillsammans.empty()) {
        ASSERT_NE(fore, efter) << "the command changed nothing";
    }

    const int gles = std::getenv("CRASHPOINTS_ALL") ? 1 : c.glesast;
    int stopp = 0;
    for (int k = 1;; k += gles) {
        SCOPED_TRACE("stopped before step " + std::to_string(k));
        const fs::path dir = rot.path() / std::to_string(k);
        crashsweep::kopiera(mall, dir);
        fs::current_path(dir);
        const auto utfall = crashsweep::korStoppad(k, c.kor);
        ASSERT_NE(utfall, crashsweep::Utfall::Fel) << "the command itself failed";
        if (utfall == crashsweep::Utfall::Klar) break;
        ++stopp;

        store::finishJournal(); // the next start of the program
        EXPECT_EQ(helaFiler(), "");
        EXPECT_EQ(c.overens(), "");
        const auto nu = bild(c.tillsammans);
        EXPECT_TRUE(nu == fore || nu == efter) << "the files changed together are neither all old nor all new";
        EXPECT_TRUE(crashsweep::lyckas(c.nasta)) << "the next command failed";
        fs::current_path(rot.path());
        fs::remove_all(dir);
    }
    EXPECT_GT(stopp, 1);
}

} // namespace

TEST(Crashpoints, LottCommands) {
    const std::vector<Kommando> kommandon{
        {"registration of 200 players",
         [] {
             NyTurneringVal val;
             val.namn = "Höstturneringen";
             val.ronder = "7";
             val.klubb = val.ranking = true;
             nyTurneringCommit(val);
         },
         [] { registreraSpelare(inskrivna(200), store::readAll<lottcstruct>(store::fil::SKICKA).front(), false); },
         {},
         [] {
             // The user registers again when the tournament is not there, then plays its first round.
             if (store::readAll<turneringsstruct>(store::fil::TURN).empty())
                 registreraSpelare(inskrivna(200), store::readAll<lottcstruct>(store::fil::SKICKA).front(), false);
             spelaRond(1);
         }},
        {"pairing and result entry of a round of 900 players",
         [] {
             nyTurnering(900);
             spelaRond(1);
         },
         [] { spelaRond(1); }, {"1.R"}, [] { spelaRond(1); }},
        {"taking back round 1 after two withdrawals",
         [] {
             nyTurnering(20);
             spelaRond(1);
             spelareut(1, 4);
             spelareut(1, 9);
         },
         [] { TaTillbaka("1.R"); }, {"1.R", "1.T", "1.U"}, [] { spelaRond(1); }},
        {"taking back round 2",
         [] {
             nyTurnering(20);
             spelaRond(1);
             spelaRond(1);
         },
         [] { TaTillbaka("1.R"); }, {"1.R"}, [] { spelaRond(1); }},
        {"late entry",
         [] {
             nyTurnering(21);
             spelaRond(1);
         },
         [] { spelarein(1, lasInlankningslage(1, false), NySpelare{"Sen Spelare", "SK", "1500"}); }, {"1.T"},
         [] { spelaRond(1); }},
        {"withdrawal",
         [] {
             nyTurnering(20);
             spelaRond(1);
         },
         [] { spelareut(1, 7); }, {"1.U"}, [] { spelaRond(1); }},
        {"custom-score entry",
         [] {
             nyTurnering(40, 4);
             spelaRond(1);
         },
         [] { spelaRond(1); }, {"VALFRI.DAT"}, [] { spelaRond(1); }},
        {"taking back round 1 of custom scores",
         [] {
             nyTurnering(20, 4);
             spelaRond(1);
             spelareut(1, 2);
         },
         [] { tatillbakavalfrirond(1); }, {"VALFRI.DAT", "1.T", "1.U"}, [] { spelaRond(1); }},
    };
    for (const auto& c : kommandon)
        svep(c);
}

TEST(Crashpoints, RankAndRatingbridgeCommands) {
    const auto rankOverens = [] {
        // Every member still there once, every rating a rating.
        std::set<std::string> namn;
        for (const auto& s : store::readAllIfPresent<rank::spelarstruct>(rank::fil::SPEL))
            if (!namn.insert(s.namn).second) return "member " + s.namn + " twice";
        return namn.size() == 40 ? std::string() : "the register holds " + std::to_string(namn.size()) + " members";
    };
    const std::vector<Kommando> kommandon{
        {"rating recalculation and its commit", rankRegister,
         [] {
             rank::rankingberaknaFiler(P);
             rank::verkstallRankingberakning(P);
         },
         {rank::fil::SPEL, rank::fil::VERKPER},
         [] {
             rank::rankingberaknaFiler(P + 1);
             rank::verkstallRankingberakning(P + 1);
         },
         rankOverens},
        {"result entry", rankInmatning, [] { rank::verkstallResultat(); }, {rank::fil::ALLA, rank::fil::TALLA},
         [] {
             rank::oppnaInmatning();
             rank::noteraParti(rankpost::parti("Medlem 7", "Gäst", 1700, 3, P));
             rank::verkstallResultat();
             rank::rankingberaknaFiler(P);
         },
         rankOverens},
        {"ratingbridge export", exportKatalog, exportera, {rank::fil::TALLA}, exportera, rankOverens},
    };
    for (const auto& c : kommandon)
        svep(c);
}
