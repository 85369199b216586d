#include "lott/pairing/inlankning.h"

#include <algorithm>

#include "lott/pairing/startlista_fil.h"
#include "lott/setup/inskrivning.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/text.h"
#include "store/tournament.h"

namespace {

// The players who lack the value do not make it required until there are four of them.
constexpr int kHogstUtanKrav = 3;
// Stored texts hold at most this many characters.
constexpr std::size_t kTextfalt = 29;

bool tom(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

Inlankningslage lasInlankningslage(int turnnr, bool valfri) {
    Inlankningslage lage;
    lage.spelare = store::readAll<spelarstructtva>(store::tournamentFile(turnnr, 'T'));
    turneringsstruct t;
    if (store::findTournament(turnnr, t)) lage.system = t.system;
    lage.valfri = valfri;
    lage.startad = store::tournamentStarted(turnnr);
    lage.hogstaNr = startlista::hogstaNummer(turnnr, valfri, lage.spelare);
    return lage;
}

std::string nyttStartnummer(const Inlankningslage& lage) {
    if (lage.startad) return std::to_string(lage.hogstaNr + 1);
    if (lage.system != 0) return "Ej best.";
    return std::to_string(startlista::utanFrirond(lage.spelare).size() + 1);
}

bool rankingKravs(const std::vector<spelarstructtva>& spelare, bool valfri) {
    const auto riktiga = startlista::utanFrirond(spelare);
    const auto saknar = std::count_if(riktiga.begin(), riktiga.end(), [&](const spelarstructtva& s) {
        const bool lagstorlek = valfri && s.ranking >= 1 && s.ranking <= 99;
        return !(s.ranking > 700 && s.ranking < 3200) && !lagstorlek;
    });
    return saknar <= kHogstUtanKrav;
}

bool klubbKravs(const std::vector<spelarstructtva>& spelare) {
    const auto riktiga = startlista::utanFrirond(spelare);
    const auto saknar = std::count_if(riktiga.begin(), riktiga.end(),
                                      [](const spelarstructtva& s) { return s.klubb == "nej"; });
    return saknar <= kHogstUtanKrav;
}

std::optional<spelarstructtva> nySpelarpost(const Inlankningslage& lage, const NySpelare& typat) {
    if (tom(typat.namn)) return std::nullopt;
    spelarstructtva ny;
    ny.namn = store::firstChars(typat.namn, kTextfalt);
    if (klubbKravs(lage.spelare)) {
        if (tom(typat.klubb)) return std::nullopt;
        ny.klubb = store::firstChars(typat.klubb, kTextfalt);
    } else {
        ny.klubb = "nej";
    }
    if (rankingKravs(lage.spelare, lage.valfri)) {
        ny.ranking = normaliseraRanking(typat.ranking, lage.valfri);
        if (ny.ranking == 0) return std::nullopt;
    }
    return ny;
}

Inlankning lankaIn(const Inlankningslage& lage, spelarstructtva ny) {
    Inlankning ut;
    auto riktiga = startlista::utanFrirond(lage.spelare);
    const bool fannsFrirond = riktiga.size() != lage.spelare.size();

    if (lage.startad) {
        // Numbers are the players' identities in the games: nobody is renumbered, and the new
        // number has never been used, not even by a bye whose record has since gone.
        if (fannsFrirond) ut.intemp = riktiga;
        ny.nr = lage.hogstaNr + 1;
        ut.tfil = riktiga;
        ut.tfil.push_back(ny);
        if (ut.tfil.size() % 2 == 1)
            ut.tfil.push_back(store::byeRecord(lage.hogstaNr + 2, store::ByeClub::Nej));
        return ut;
    }

    if (lage.system == 0) {
        if (fannsFrirond) ut.intemp = startlista::numrerade(riktiga);
        riktiga.push_back(ny);
    } else {
        // Placed after every player ranked at least as high, the bye not counted.
        const auto fore = std::count_if(riktiga.begin(), riktiga.end(),
                                        [&](const spelarstructtva& s) { return s.ranking >= ny.ranking; });
        riktiga.insert(riktiga.begin() + fore, ny);
        ut.intemp = startlista::numrerade(riktiga);
    }
    ut.tfil = store::startListWithBye(riktiga, store::ByeClub::Nej);
    return ut;
}

bool spelarein(int turnnr, const Inlankningslage& lage, const NySpelare& typat) {
    const auto ny = nySpelarpost(lage, typat);
    if (!ny) return false;
    const Inlankning in = lankaIn(lage, *ny);
    if (in.intemp) store::writeAll(store::fil::INTEMP, *in.intemp);
    store::writeAll(store::tournamentFile(turnnr, 'T'), in.tfil);
    return true;
}
