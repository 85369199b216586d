#include "lott/setup/ny_turnering.h"

#include <cctype>

#include "store/filenames.h"
#include "store/files.h"
#include "store/records.h"
#include "store/text.h"
#include "store/tournament.h"

namespace {
constexpr std::size_t kNamnMax = 29;
constexpr int kRonderMax = 999; // the field holds three digits
} // namespace

int ronderAvText(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    int value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kRonderMax) return kRonderMax; // a pasted long number cannot overflow
    }
    return value;
}

int turnkategori(bool klubb, bool ranking) {
    if (klubb && ranking) return 3;
    if (klubb) return 1;
    if (ranking) return 2;
    return 0;
}

NyTurneringUtfall nyTurneringCommit(const NyTurneringVal& val) {
    NyTurneringUtfall utfall;
    // A Swiss-type pairing orders the field by ranking, so it cannot start without rankings.
    if (val.systemc == 1 && !val.ranking) {
        utfall.garej = true;
        return utfall;
    }
    // A tournament of no rounds could never be paired, nor removed again: it is refused.
    const int ronder = ronderAvText(val.ronder);
    if (ronder == 0) {
        utfall.ingaRonder = true;
        return utfall;
    }

    utfall.tnamn = store::firstChars(val.namn, kNamnMax);
    if (utfall.tnamn.empty()) utfall.tnamn = "Inget namn";
    utfall.turnkatb = turnkategori(val.klubb, val.ranking);

    lottcstruct skicka;
    skicka.turnkat = utfall.turnkatb;
    skicka.tnamn = utfall.tnamn;
    skicka.antalronder = ronder;
    skicka.system = val.systemc;
    store::writeOne(store::fil::SKICKA, skicka);

    // Ranking groups need rankings; the message below still mentions them when only they were chosen.
    utfall.meddelande16 = val.penningpriser || val.rankinggrupper || val.elotitel || val.egenkategori;

    utfall.turnnr = store::nextTournamentNumber();
    tillbehorstruct tillb;
    tillb.filnamnint = utfall.turnnr;
    tillb.penningpriser = val.penningpriser ? 1 : 0;
    tillb.rankinggrupper = val.rankinggrupper && val.ranking ? 1 : 0;
    tillb.egenkategori = val.egenkategori ? 1 : 0;
    tillb.elotitel = val.elotitel ? 1 : 0;
    store::writeTillb(tillb);

    // Written for Monrad too; only Swiss-type tournaments ever look it up.
    store::appendOne(store::fil::SELN, vilkenschweizerstruct{val.vilken, utfall.turnnr});
    store::writeText(store::fil::POANGSY, val.poang == 4 ? "1" : "0");
    store::appendOne(store::fil::POANGSYS, poangsystem{val.poang, utfall.turnnr});
    // Last: a "VILKV" record counts by its presence alone, so a command stopped before the end
    // must not leave one behind for the number that the next new tournament receives again.
    if (val.kvalitet == 1) store::appendOne(store::fil::VILKV, vilkstruct{utfall.turnnr});
    return utfall;
}
