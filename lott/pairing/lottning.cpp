#include "lott/pairing/lottning.h"

#include <algorithm>

#include "lott/pairing/frirondnummer.h"
#include "lott/pairing/llotta.h"
#include "lott/pairing/parningsform.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"

namespace parning {

namespace {

// Every game of the tournament: its ".R" file, or under custom scores its records of
// "VALFRI.DAT" with the result code their scores stand for.
std::vector<partistruct> turneringensPartier(int turnnr, int poangval) {
    if (poangval != 4) return store::touchAndReadAll<partistruct>(store::tournamentFile(turnnr, 'R'));
    std::vector<partistruct> partier;
    for (const auto& v : store::readValfri(turnnr)) {
        partistruct p;
        p.vit = v.vit;
        p.svart = v.svart;
        p.bord = v.bord;
        p.rond = v.rond;
        p.resultat = v.resultatkod();
        partier.push_back(p);
    }
    return partier;
}

// The size rule: rows of (n greater than, n smaller than factor * r + addend).
struct Storleksrad {
    int over;
    int faktor;
    int tillagg;
};
constexpr Storleksrad kStorleksrader[] = {
    {119, 17, 0}, {104, 16, 0}, {90, 15, 0}, {83, 13, 0}, {65, 12, 0}, {49, 11, 0}, {40, 10, 0},
    {31, 9, 0},   {27, 8, 0},   {13, 7, 0},  {9, 3, 4},   {7, 3, 1},   {5, 1, 3},
};

// Later Swiss-type rounds: the standings in pairing form, with white counts, written to
// "LSKICKA" as 88-byte records from last place to first.
bool forberedSchweizerStallning(LottState& st, const SchweizerKoppling& k,
                                const std::vector<partistruct>& partier) {
    if (!k.stallningfunk) return false;
    st.schwanrop = 1;
    st.globvanta = k.stallningfunk(st);
    st.schwanrop = 0;
    st.partilista = partier;
    const auto slistac = parningsform(st.parslistac, PartiIndex(partier));
    store::writeWorkFile(store::fil::LSKICKA, slistac);
    // The engine meets the bye under this round's number: games against an earlier bye number
    // (whose record a late entry removed) are handed over as games against it.
    const auto bye = std::find_if(slistac.begin(), slistac.end(),
                                  [](const spelarstructtvac& s) { return store::isBye(s.namn); });
    if (bye != slistac.end()) {
        const auto somDennaFrirond = frironderSom(partier, st.slistab, bye->nr);
        if (somDennaFrirond != partier) store::writeAll(store::fil::SKICKAP, somDennaFrirond);
    }
    return true;
}

// Runs the engine routine for the round; false when it found no pairing or is not available.
bool korMotor(LottState& st, const SchweizerKoppling& k, int poangval,
              const std::vector<partistruct>& partier) {
    const std::string fnamn = std::to_string(st.turnnr);
    if (st.systemc == 0) {
        LLotta motor;
        if (st.valdrond == 1) {
            motor.monrada(st.valdrond);
            return true;
        }
        return motor.monradb(st.valdrond, st.grans, fnamn, poangval, st.turnnr);
    }
    const bool schweizer = store::vilkenSchweizer(st.turnnr) == 1;
    if (st.valdrond == 1) {
        if (schweizer) return k.schweizerc && k.schweizerc(st.valdrond, st.turnnr, fnamn);
        return k.schweizera && k.schweizera(st.valdrond, kNordiskMarkering, fnamn);
    }
    if (!forberedSchweizerStallning(st, k, partier)) return false;
    if (schweizer) return k.schweizerd && k.schweizerd(st.valdrond, st.grans);
    return k.schweizerb && k.schweizerb(st.valdrond, st.grans, kNordiskMarkering);
}

void lasParlistan(LottState& st) {
    st.slistab = lankaupp();
    // Result entry walks the list from its front, which holds the last board first.
    if (st.vilkpaint != 2) std::reverse(st.slistab.begin(), st.slistab.end());
}

} // namespace

bool monradStorlek(int n, int r) {
    return std::any_of(std::begin(kStorleksrader), std::end(kStorleksrader), [&](const Storleksrad& rad) {
        return n > rad.over && n < rad.faktor * r + rad.tillagg;
    });
}

void lottning(LottState& st, const SchweizerKoppling& koppling) {
    // Outcome, scoring and the size of the player file.
    st.ejronditurn = 0;
    st.grans = 0;
    const int poangval = store::poangvalfunk(st.turnnr);
    const int n = static_cast<int>(st.slistab.size());
    st.partilista.clear();

    // The games, and the round to pair.
    const auto partier = turneringensPartier(st.turnnr, poangval);
    store::writeAll(store::fil::SKICKAP, partier);
    int storstaRond = 0;
    for (const auto& p : partier)
        storstaRond = std::max(storstaRond, p.rond);
    st.valdrond = storstaRond + 1;

    // Whether the Monrad engine takes the round, and with which colour rule.
    if (monradStorlek(n, st.valdrond)) {
        const char* vilksy = "0";
        if (st.systemc == 1) vilksy = store::vilkenSchweizer(st.turnnr) == 1 ? "2" : "1";
        store::writeText(store::fil::VILKSY, vilksy);
        st.systemc = 0;
    } else {
        store::writeText(store::fil::VILKSY, "0");
    }

    // The round being paired.
    store::writeOne(store::fil::VALDR, vrstruct{st.valdrond});

    // The player list for the engine (later Swiss-type rounds get the standings instead).
    if (!(st.systemc == 1 && st.valdrond >= 2)) skickatillbaks(st.slistab);

    // No round past the planned ones, nor more rounds than the field can hold.
    if (st.valdrond > st.antalronder || n <= st.valdrond) {
        st.ejronditurn = 1;
    } else {
        // Pair, then read the pairing list back.
        if (!korMotor(st, koppling, poangval, partier)) st.grans = kGransLast;
        lasParlistan(st);
    }

    // Work lists emptied; the round as "VALDR" holds it.
    st.partilista.clear();
    const auto valdr = store::readAll<vrstruct>(store::fil::VALDR);
    if (!valdr.empty()) st.valdrond = valdr.back().valdrond;
}

} // namespace parning
