// Fuzz target: every reader and lookup of the tournament store on arbitrary bytes. The first four
// bytes are the tournament number asked for (any int); the rest is the content of every store
// file at once, each reader taking it as its own record type.
#include <cstdint>
#include <fstream>

#include "store/filenames.h"
#include "store/files.h"
#include "store/html.h"
#include "store/records.h"
#include "store/safe_name.h"
#include "store/text.h"
#include "store/tournament.h"
#include "tests/fuzz/fuzz_stod.h"

namespace {

template <class R> void lasPost(const std::string& fil) {
    for (const R& r : store::readAll<R>(fil)) {
        std::uint8_t ut[R::size];
        r.encode(ut); // every decoded record encodes again
    }
}

void skriv(const std::string& fil, const std::string& innehall) {
    std::ofstream(fil, std::ios::binary) << innehall;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzstod::arbetsmapp();
    fuzzstod::tomMappen();
    fuzzstod::Lasare las(data, size);
    const auto turnnr = static_cast<int>(static_cast<std::uint32_t>(las.u16()) |
                                         (static_cast<std::uint32_t>(las.u16()) << 16));
    const std::string innehall = las.bytes(size);

    for (const char* fil : {store::fil::TURN, store::fil::TILLB, store::fil::POANGSYS, store::fil::SELN,
                            store::fil::VILKV, store::fil::VALFRI, store::fil::SKICKA, store::fil::LSKICKA,
                            store::fil::VALDR, store::fil::STANGT, store::fil::FONTS})
        skriv(fil, innehall);
    for (char ext : {'T', 'R', 'U', 'P', 'G', 'E', 'K'})
        skriv(store::tournamentFile(turnnr, ext), innehall);

    fuzzstod::medFilfel([&] {
        lasPost<turneringsstruct>(store::fil::TURN);
        lasPost<lottcstruct>(store::fil::SKICKA);
        lasPost<tillbehorstruct>(store::fil::TILLB);
        lasPost<poangsystem>(store::fil::POANGSYS);
        lasPost<vilkenschweizerstruct>(store::fil::SELN);
        lasPost<vilkstruct>(store::fil::VILKV);
        lasPost<vrstruct>(store::fil::VALDR);
        lasPost<spelarstructtva>(store::tournamentFile(turnnr, 'T'));
        lasPost<spelarstructtvac>(store::fil::LSKICKA);
        lasPost<partistruct>(store::tournamentFile(turnnr, 'R'));
        lasPost<valfristruct>(store::fil::VALFRI);
        lasPost<penningstruct>(store::tournamentFile(turnnr, 'P'));
        lasPost<rankingstruct>(store::tournamentFile(turnnr, 'G'));
        lasPost<elostructab>(store::tournamentFile(turnnr, 'E'));
        lasPost<egenkategoriastruct>(store::tournamentFile(turnnr, 'K'));
    });
    fuzzstod::medFilfel([&] {
        store::readTurn();
        turneringsstruct t;
        store::findTournament(turnnr, t);
        store::nextTournamentNumber();
        store::poangvalfunk(turnnr);
        store::poangvalfunk(turnnr, 0);
        store::vilkenSchweizer(turnnr);
        store::readValfri(turnnr);
        store::progressivKvalitet(turnnr);
        store::readTillb(true);
        store::readTillb(false);
        store::lastRoundPlayed(turnnr);
        store::startListWithBye(store::readAll<spelarstructtva>(store::tournamentFile(turnnr, 'T')),
                                store::ByeClub::Nej);
    });
    fuzzstod::medFilfel([&] {
        const std::string text = store::readText(store::fil::STANGT);
        store::toCp1252(text);
        store::charCount(text);
        store::firstChars(text, 29);
        store::htmlEscape(text);
        store::safePathIn(store::fil::LOTTUTSKRIFTER, text, ".htm");
        store::safeFileName(store::fromCp1252(innehall));
        store::toCp1252(innehall); // malformed UTF-8 as well
    });
    return 0;
}
