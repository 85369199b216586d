#include "tools/resultfix/korrigering.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "store/filenames.h"
#include "store/files.h"
#include "store/journal.h"
#include "store/tournament.h"
#include "store/whole_number.h"
#include "tools/resultfix/resultatord.h"

namespace resultfix {
namespace {

inline constexpr const char* RESTEMP = "RESTEMP"; // scratch copy of the edited file

template <class R> bool harParti(const std::vector<R>& partier, int vit, int svart) {
    return std::any_of(partier.begin(), partier.end(),
                       [&](const R& g) { return g.vit == vit && g.svart == svart; });
}

bool iStartlistan(const std::vector<spelarstructtva>& spelare, int nr) {
    return std::any_of(spelare.begin(), spelare.end(), [&](const spelarstructtva& p) { return p.nr == nr; });
}

// The checks after the old game's, in their order. The result field cannot be empty here: an
// empty field has already been refused with the other four.
template <class R>
Status kontrolleraPar(const Byte& b, const std::vector<spelarstructtva>& spelare,
                      const std::vector<R>& partier) {
    if (b.nyVit <= 0) return Status::VitSaknas;
    if (b.nySvart <= 0) return Status::SvartSaknas;
    if (!iStartlistan(spelare, b.nyVit)) return Status::NyVitFinnsEj;
    if (!iStartlistan(spelare, b.nySvart)) return Status::NySvartFinnsEj;
    // The old game counts as a meeting: a correction changes a player or swaps the colours.
    const bool fargbyte = b.nyVit == b.gammalSvart && b.nySvart == b.gammalVit;
    if (!fargbyte && (harParti(partier, b.nyVit, b.nySvart) || harParti(partier, b.nySvart, b.nyVit)))
        return Status::RedanMotts;
    if (b.nyVit == b.nySvart) return Status::MotSigSjalv;
    return Status::Andrad;
}

void satt(partistruct& g, const Byte& b, const NyttResultat& r) {
    g.vit = b.nyVit;
    g.svart = b.nySvart;
    g.resultat = r.kod;
}

void satt(valfristruct& g, const Byte& b, const NyttResultat& r) {
    g.vit = b.nyVit;
    g.svart = b.nySvart;
    g.vitresultat = r.vitresultat;
    g.svartresultat = r.svartresultat;
}

template <class R, class Egen>
std::vector<R> ersattEgna(std::vector<R> partier, Egen egen, const Byte& b, const NyttResultat& r) {
    for (auto& g : partier)
        if (egen(g) && g.vit == b.gammalVit && g.svart == b.gammalSvart) satt(g, b, r);
    return partier;
}

// Checks the correction against file `fil` (records R, this tournament's where `egen` says so)
// and the start list, reads the result with `tolka` and rewrites the file. The start list is read
// only once the old game has been found.
template <class R, class Egen, class Tolka>
Status korrigera(const std::string& fil, const std::string& spelarfil, const Byte& b, Egen egen,
                 Tolka tolka) {
    // A take-back that lott did not finish would otherwise overwrite this correction later.
    store::finishJournal();
    // Every whole record, damaged ones included, so that the rewrite keeps them.
    store::touch(fil);
    const auto alla = store::decodeAll<R>(store::readBytes(fil));
    std::vector<R> egna;
    std::copy_if(alla.begin(), alla.end(), std::back_inserter(egna), egen);
    if (!harParti(egna, b.gammalVit, b.gammalSvart)) return Status::PartiSaknas;
    const Status s = kontrolleraPar(b, store::readAll<spelarstructtva>(spelarfil), egna);
    if (s != Status::Andrad) return s;
    NyttResultat nytt;
    if (!tolka(nytt)) return Status::ResultatFel;
    store::rewriteThrough(fil, RESTEMP, ersattEgna(alla, egen, b, nytt));
    return Status::Andrad;
}

std::optional<Byte> spelarnummer(const Falt& f) {
    const auto gv = store::wholeNumber(f.gammalVit), gs = store::wholeNumber(f.gammalSvart);
    const auto nv = store::wholeNumber(f.nyVit), ns = store::wholeNumber(f.nySvart);
    if (!gv || !gs || !nv || !ns) return std::nullopt;
    return Byte{*gv, *gs, *nv, *ns};
}

// The tournament at `listposition` whose name is the selected text (team variant: and scored with
// custom points); none: 0.
int turnering(Variant v, int listposition, const std::string& valdText) {
    const int turnnr = listposition + 1;
    for (const auto& t : store::readTurn())
        if (t.filnamnint == turnnr && t.tnamn == valdText)
            return v == Variant::Lag && store::poangvalfunk(turnnr, 0) != 4 ? 0 : turnnr;
    return 0;
}

} // namespace

Status kontrollera(const Byte& b, const std::vector<spelarstructtva>& spelare,
                   const std::vector<partistruct>& partier) {
    if (!harParti(partier, b.gammalVit, b.gammalSvart)) return Status::PartiSaknas;
    return kontrolleraPar(b, spelare, partier);
}

Status kontrollera(const Byte& b, const std::vector<spelarstructtva>& spelare,
                   const std::vector<valfristruct>& partier) {
    if (!harParti(partier, b.gammalVit, b.gammalSvart)) return Status::PartiSaknas;
    return kontrolleraPar(b, spelare, partier);
}

std::vector<partistruct> ersatt(std::vector<partistruct> partier, const Byte& b, const NyttResultat& r) {
    return ersattEgna(
        std::move(partier), [](const partistruct&) { return true; }, b, r);
}

std::vector<valfristruct> ersatt(std::vector<valfristruct> partier, int turnnr, const Byte& b,
                                 const NyttResultat& r) {
    return ersattEgna(
        std::move(partier), [turnnr](const valfristruct& g) { return g.turnnr == turnnr; }, b, r);
}

Status bekrafta(Variant v, int listposition, const std::string& valdText, const Falt& falt) {
    if (listposition < 0) return Status::IngenTurneringVald;
    for (const std::string* f :
         {&falt.gammalVit, &falt.gammalSvart, &falt.nyVit, &falt.nySvart, &falt.resultat})
        if (f->empty()) return Status::FyllIAllaFalt;
    const auto byte = spelarnummer(falt);
    if (!byte) return Status::InteHeltal;
    const int turnnr = turnering(v, listposition, valdText);
    if (turnnr == 0) return Status::TurneringenSaknas;

    const std::string spelarfil = store::tournamentFile(turnnr, 'T');
    if (v == Variant::Vanlig)
        return korrigera<partistruct>(
            store::tournamentFile(turnnr, 'R'), spelarfil, *byte, [](const partistruct&) { return true; },
            [&](NyttResultat& r) { return (r.kod = resultatkod(falt.resultat)) != 0; });
    return korrigera<valfristruct>(
        store::fil::VALFRI, spelarfil, *byte, [turnnr](const valfristruct& g) { return g.turnnr == turnnr; },
        [&](NyttResultat& r) { return lagpoang(falt.resultat, r.vitresultat, r.svartresultat); });
}

} // namespace resultfix
