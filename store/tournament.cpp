#include "store/tournament.h"

#include <algorithm>

#include "store/filenames.h"
#include "store/files.h"

namespace store {

std::string tournamentFile(int turnnr, char extension) {
    return std::to_string(turnnr) + "." + extension;
}

std::vector<turneringsstruct> readTurn() {
    return touchAndReadAll<turneringsstruct>(fil::TURN);
}

bool findTournament(int turnnr, turneringsstruct& out) {
    for (const auto& t : readTurn()) {
        if (t.filnamnint == turnnr) {
            out = t;
            return true;
        }
    }
    return false;
}

int nextTournamentNumber() {
    // The k-th record holds number k, so the largest number and the record count agree. A damaged
    // number (outside 1..kStorstaTurneringsnummer) is left out of the maximum, and the count keeps
    // the new number equal to the list position the new record will have.
    const auto turn = readTurn();
    int largest = static_cast<int>(std::min<std::size_t>(turn.size(), kStorstaTurneringsnummer));
    for (const auto& t : turn)
        if (t.filnamnint >= 1 && t.filnamnint <= kStorstaTurneringsnummer)
            largest = std::max(largest, t.filnamnint);
    return largest + 1;
}

int poangval(const std::vector<poangsystem>& poangsys, int turnnr, int fallback) {
    int code = fallback;
    for (const auto& p : poangsys)
        if (p.turn == turnnr) code = p.poang;
    return code;
}

int poangvalfunk(int turnnr, int fallback) {
    return poangval(touchAndReadAll<poangsystem>(fil::POANGSYS), turnnr, fallback);
}

int vilkenSchweizer(const std::vector<vilkenschweizerstruct>& seln, int turnnr) {
    int vilken = 0;
    for (const auto& v : seln)
        if (v.turnnr == turnnr) vilken = v.vilken;
    return vilken;
}

int vilkenSchweizer(int turnnr) {
    return vilkenSchweizer(touchAndReadAll<vilkenschweizerstruct>(fil::SELN), turnnr);
}

bool progressivKvalitet(int turnnr) {
    const auto all = touchAndReadAll<vilkstruct>(fil::VILKV);
    return std::any_of(all.begin(), all.end(), [&](const vilkstruct& v) { return v.intnr == turnnr; });
}

tillbehorstruct readTillb(bool touchFirst) {
    const auto all =
        touchFirst ? touchAndReadAll<tillbehorstruct>(fil::TILLB) : readAll<tillbehorstruct>(fil::TILLB);
    return all.empty() ? tillbehorstruct{} : all.front();
}

void writeTillb(const tillbehorstruct& t) {
    writeOne(fil::TILLB, t);
}

bool isBye(const std::string& namn) {
    return namn == "Frirond" || namn == "frirond";
}

spelarstructtva byeRecord(int nr, ByeClub club) {
    spelarstructtva bye;
    bye.nr = nr;
    bye.namn = kFrirond;
    bye.klubb = club == ByeClub::Nej ? "nej" : "";
    return bye;
}

std::vector<spelarstructtva> startListWithBye(const std::vector<spelarstructtva>& players, ByeClub club) {
    std::vector<spelarstructtva> out;
    out.reserve(players.size() + 1);
    for (const auto& p : players) {
        if (isBye(p.namn)) continue;
        out.push_back(p);
        out.back().nr = static_cast<int>(out.size());
    }
    if (out.size() % 2 == 1) out.push_back(byeRecord(static_cast<int>(out.size()) + 1, club));
    return out;
}

std::vector<valfristruct> readValfri(int turnnr) {
    std::vector<valfristruct> out;
    for (const auto& v : touchAndReadAll<valfristruct>(fil::VALFRI))
        if (v.turnnr == turnnr) out.push_back(v);
    return out;
}

int lastRoundPlayed(int turnnr) {
    if (poangvalfunk(turnnr) == 4) return largestRound(readValfri(turnnr));
    return largestRound(touchAndReadAll<partistruct>(tournamentFile(turnnr, 'R')));
}

bool tournamentStarted(int turnnr) {
    return lastRoundPlayed(turnnr) > 0;
}

} // namespace store
