// Fuzz target: arbitrary bytes laid out as a tournament directory, then the commands of lott run
// on it through the Qt-free core, the way the main window runs them after the choose-tournament
// step: the standings and every report kind (window rows, pages, HTML and text files), pairing
// the next round and its round list, result entry of the round with typed texts, and the
// start-order draw.
//
// Input: four option bytes (tournament, scoring code asked for result entry, a round, a variant),
// then files as [name byte][length, 2 bytes little-endian][content]; the name byte picks one of
// kFiler, and later files of the same name append.
#include <cstdint>
#include <fstream>

#include "lott/pairing/lottning.h"
#include "lott/pairing/slumpa.h"
#include "lott/reports/html_report.h"
#include "lott/reports/report_content.h"
#include "lott/reports/report_data.h"
#include "lott/results/resultatinmatning.h"
#include "lott/results/resultattext.h"
#include "lott/results/stallningfunk.h"
#include "lott/state.h"
#include "store/files.h"
#include "store/tournament.h"
#include "tests/fuzz/fuzz_stod.h"

namespace {

constexpr const char* kFiler[] = {"TURN",    "TILLB",   "POANGSYS", "SELN",   "VILKV", "VALFRI.DAT",
                                  "LSKICKA", "SKICKAP", "VALDR",    "VILKSY", "FONTS", "STANGT",
                                  "1.T",     "1.R",     "1.U",      "1.P",    "1.G",   "1.E",
                                  "1.K",     "2.T",     "2.R",      "2.U",    "2.G",   "SLUMPT"};

// The texts result entry is typed: each completed and then committed like the timer and OK do.
constexpr const char* kTexter[] = {"1", "0",   "r", "u",   "a",       "d", "W",
                                   "w", "0-0", "",  "3-1", "2,5-1,5", "-", "1-1-1"};

void laggUt(fuzzstod::Lasare& las) {
    while (!las.slut()) {
        const char* namn = kFiler[las.byte() % std::size(kFiler)];
        const std::uint16_t langd = las.u16();
        std::ofstream(namn, std::ios::binary | std::ios::app) << las.bytes(langd);
    }
}

// The choose-tournament step: the player file, the planned rounds and the system from "TURN".
void valjTurnering(LottState& st, int turnnr) {
    st = LottState{};
    st.turnnr = turnnr;
    st.slistab = store::readAll<spelarstructtva>(store::tournamentFile(turnnr, 'T'));
    turneringsstruct t;
    if (store::findTournament(turnnr, t)) {
        st.tnamn = t.tnamn;
        st.antalronder = t.antalronder;
        st.systemc = t.system;
    }
    st.valdrond = store::lastRoundPlayed(turnnr);
}

void rapport(LottState& st, int kind, int variant) {
    st.vilkpaint = kind;
    st.pstallningval = variant % 3;
    const auto in = reports::reportInput(st, variant % 2 ? "Junior" : "");
    const auto innehall = reports::reportContent(in, static_cast<reports::Band>(variant % 3));
    for (int sida = -1; sida < static_cast<int>(innehall.pages.size()); ++sida)
        reports::layoutPage(innehall, sida, reports::Band::Small);
    reports::htmlPage(in);
    if (kind == reports::kSlutrapport) reports::finalReportText(in);
    reports::writeReportFiles(in);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzstod::arbetsmapp();
    fuzzstod::tomMappen();
    fuzzstod::Lasare las(data, size);
    const int turnnr = 1 + las.byte() % 2;
    const int poangval = las.byte();
    const int rond = las.byte();
    const int variant = las.byte();
    laggUt(las);

    LottState st;
    // The standings and every report kind that reads them.
    fuzzstod::medFilfel([&] {
        for (int kind : {reports::kDeltagare, reports::kStallning, reports::kResultat,
                         reports::kRankinggrupper, reports::kEgenKategori, reports::kSlutrapport}) {
            valjTurnering(st, turnnr);
            if (kind == reports::kResultat) st.valdrond = rond;
            if (kind != reports::kDeltagare && kind != reports::kResultat) stallningfunk(st);
            rapport(st, kind, variant);
        }
    });
    // "&Rondlista": pair the next round and show it.
    fuzzstod::medFilfel([&] {
        valjTurnering(st, turnnr);
        st.vilkpaint = reports::kLottning;
        parning::lottning(st);
        if (st.grans < kGransLast && st.ejronditurn == 0) rapport(st, reports::kLottning, variant);
    });
    // "&Resultat senaste rond": pair, then enter a page of results and commit.
    fuzzstod::medFilfel([&] {
        valjTurnering(st, turnnr);
        st.vilkpaint = 3;
        parning::lottning(st);
        if (st.grans >= kGransLast || st.ejronditurn != 0) return;
        auto inmatning = Resultatinmatning::franLskicka(store::poangvalfunk(turnnr, 0) == 4 || poangval == 4);
        for (int forsta = 1; forsta <= inmatning.antalBord(); forsta += Resultatinmatning::kRaderPerSida) {
            Resultatinmatning::Sidtexter texter;
            for (int i = 0; i < Resultatinmatning::kRaderPerSida; ++i) {
                const std::string typat = kTexter[(variant + forsta + i) % std::size(kTexter)];
                texter[static_cast<std::size_t>(i)] =
                    inmatning.valfritt() ? typat : inmatning.foradla(forsta + i, typat);
                inmatning.sattstrang(forsta + i, 0);
                inmatning.resultatfalt(forsta + i);
            }
            inmatning.gorlista(forsta, texter);
        }
        inmatning.spara(turnnr);
    });
    // The start-order draw of the tournament in "TILLB".
    fuzzstod::medFilfel([] { SlumpaKlass().slumpa(); });
    return 0;
}
