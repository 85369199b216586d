#include "lott/reports/report_data.h"

#include "lott/results/egenkategori.h"
#include "lott/results/rankinggrupper.h"
#include "store/safe_name.h"
#include "store/files.h"
#include "store/tournament.h"

namespace reports {
namespace {

// Reads a per-tournament file only when it exists, so that a report never leaves new files.
template <class R> std::vector<R> readIfPresent(const std::string& path) {
    return store::exists(path) ? store::readAll<R>(path) : std::vector<R>{};
}

} // namespace

bool resultatglob(int turnnr, int rond) {
    for (const auto& g : store::touchAndReadAll<partistruct>(store::tournamentFile(turnnr, 'R')))
        if (g.rond == rond) return true;
    return false;
}

bool resultatglob2(int turnnr, int rond) {
    for (const auto& g : store::readValfri(turnnr))
        if (g.rond == rond) return true;
    return false;
}

ReportInput reportInput(const LottState& state, const std::string& kategori) {
    ReportInput in;
    in.vilkpaint = state.vilkpaint;
    in.tnamn = state.tnamn;
    in.valdrond = state.valdrond;
    in.pstallningval = state.pstallningval;
    in.medstartnummer = state.medstartnummer;
    in.kategori = kategori;
    in.spelare = state.slistab;
    in.stallning = state.parslistac;
    const int kind = state.vilkpaint;
    if (kind == kDeltagare || kind == kLottning) return in;

    in.poangval = store::poangvalfunk(state.turnnr);
    if (kind == kResultat || kind == kSlutrapport) {
        if (valfritt(in))
            in.valfria = store::readValfri(state.turnnr);
        else
            in.partier = store::touchAndReadAll<partistruct>(store::tournamentFile(state.turnnr, 'R'));
    }
    if (kind == kStallning && state.pstallningval != 0)
        in.pengarfinns = !readIfPresent<penningstruct>(store::tournamentFile(state.turnnr, 'P')).empty();
    if (kind == kRankinggrupper) {
        if (const auto g = ranking::lasGrupper(state.turnnr)) in.grupper = *g;
    }
    return in;
}

ReportInput egenKategoriInput(const LottState& state, const std::vector<egenkategoriastruct>& poster,
                              const std::string& kategoritext) {
    const std::string namn = egenkat::kategoriNamn(kategoritext);
    ReportInput in = reportInput(state);
    in.tnamn = egenkat::rapportNamn(state.tnamn, namn);
    for (const auto& s : state.parslistac) {
        in.klubbfinns = in.klubbfinns || (!s.klubb.empty() && s.klubb != "nej");
        in.rankingfinns = in.rankingfinns || s.ranking > 0;
    }
    // Their own column set, whatever standings were shown before.
    in.pstallningval = 0;
    std::int32_t pris = 0;
    for (const auto& k : egenkat::kategorier(poster))
        if (k.text == kategoritext) pris = k.pris;
    const std::string prisText = egenkat::epris(pris);
    in.kategori = store::safeFileName(namn) + (prisText.empty() ? "" : " " + prisText);
    in.stallning = egenkat::ekat(state.parslistac, poster, kategoritext);
    return in;
}

} // namespace reports
