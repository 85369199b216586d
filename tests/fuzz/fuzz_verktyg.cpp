// Fuzz target: arbitrary bytes laid out as a tournament directory, then the Qt-free steps of the
// three tools run on it the way their windows run them: ratingbridge's export of a tournament to
// "TALLA", lagturnering's team standings page over chosen tournaments (both variants), and
// resultfix's correction of a stored game (both variants), its fields taken from the files.
//
// Input: four option bytes (list position, rating period, a variant, a game picked), then files as
// [name byte][length, 2 bytes little-endian][content]; the name byte picks one of kFiler, and later
// files of the same name append.
#include <cstdint>
#include <fstream>

#include "rank/rating/rank_records.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"
#include "tests/fuzz/fuzz_stod.h"
#include "tools/lagturnering/rakna_ut.h"
#include "tools/ratingbridge/exportera.h"
#include "tools/ratingbridge/rankingexport.h"
#include "tools/resultfix/korrigering.h"
#include "tools/resultfix/resultatord.h"

namespace {

constexpr const char* kFiler[] = {"TURN", "POANGSYS", "VALFRI.DAT", "1.T", "1.R", "2.T", "2.R",
                                  "3.T",  "3.R",      "TALLA",      "TEMPTALLA", "lottutskrifter",
                                  "RESTEMP"};

// What is typed into the round field of the export and the result field of resultfix.
constexpr const char* kRonder[] = {"", "1", "2", "0", "-5", "x", "99999999999", " 3"};
constexpr const char* kResultat[] = {"1", "0", "r", "u", "a", "W", "w", "Remi", "x",
                                     "2-0", "1,5-0,5", "-", "1.5.5-1", " 2 - 1 "};

void laggUt(fuzzstod::Lasare& las) {
    while (!las.slut()) {
        const char* namn = kFiler[las.byte() % std::size(kFiler)];
        const std::uint16_t langd = las.u16();
        std::ofstream(namn, std::ios::binary | std::ios::app) << las.bytes(langd);
    }
}

// The tournaments' list as the tools show it: every "TURN" record in file order.
std::vector<turneringsstruct> lista() {
    return store::exists(store::fil::TURN) ? store::readAll<turneringsstruct>(store::fil::TURN)
                                           : std::vector<turneringsstruct>{};
}

// resultfix's fields: an old game of the file (picked by `vald`), new players from the start list
// or the old pair with the colours swapped, and a typed result as completed.
template <class R>
resultfix::Falt falt(const std::vector<R>& partier, const std::vector<spelarstructtva>& spelare, int vald,
                     int variant) {
    resultfix::Falt f{"1", "2", "3", "4", kResultat[variant % std::size(kResultat)]};
    f.resultat = resultfix::komplettera(f.resultat);
    if (!partier.empty()) {
        const R& g = partier[static_cast<std::size_t>(vald) % partier.size()];
        f.gammalVit = std::to_string(g.vit);
        f.gammalSvart = std::to_string(g.svart);
        f.nyVit = f.gammalSvart;
        f.nySvart = f.gammalVit;
    }
    if (variant % 2 && spelare.size() >= 2) {
        f.nyVit = std::to_string(spelare[static_cast<std::size_t>(vald) % spelare.size()].nr);
        f.nySvart = std::to_string(spelare[static_cast<std::size_t>(vald + 1) % spelare.size()].nr);
    }
    return f;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzstod::arbetsmapp();
    fuzzstod::tomMappen();
    fuzzstod::Lasare las(data, size);
    const int position = las.byte() % 4;
    const int period = las.byte();
    const int variant = las.byte();
    const int vald = las.byte();
    laggUt(las);

    // ratingbridge: the export of the selected tournament into the rating program's "TALLA".
    fuzzstod::medFilfel([&] {
        const auto rond = ratingbridge::forstaRond(kRonder[variant % std::size(kRonder)]);
        ratingbridge::exportera(ratingbridge::Ratingfiler::i("."), position, period, rond.value_or(1));
        for (const auto& t : store::touchAndReadAll<rank::tallastruct>(rank::fil::TALLA)) {
            std::uint8_t ut[rank::tallastruct::size];
            t.encode(ut);
        }
    });

    // lagturnering: the page over the first tournaments of the list, one chosen twice, and over
    // positions that hold no record.
    fuzzstod::medFilfel([&] {
        const std::vector<int> valda{position, 0, 1, 2, position, -1, 1000};
        lagturnering::raknaUt(valda, variant % 3 ? "Lag" : "", lagturnering::Variant::Relativ);
        lagturnering::raknaUt({position}, "Totalt", lagturnering::Variant::Total);
        lagturnering::raknaUt({}, "", lagturnering::Variant::Relativ);
    });

    // resultfix: the plain variant on the tournament's game file, the team variant on its records
    // of "VALFRI.DAT".
    std::vector<turneringsstruct> turneringar;
    fuzzstod::medFilfel([&] { turneringar = lista(); });
    const std::string text =
        position < static_cast<int>(turneringar.size()) ? turneringar[static_cast<std::size_t>(position)].tnamn : "";
    fuzzstod::medFilfel([&] {
        const int turnnr = position + 1;
        const std::string partifil = store::tournamentFile(turnnr, 'R');
        const std::string spelarfil = store::tournamentFile(turnnr, 'T');
        const auto partier = store::exists(partifil) ? store::readAll<partistruct>(partifil)
                                                     : std::vector<partistruct>{};
        const auto spelare = store::exists(spelarfil) ? store::readAll<spelarstructtva>(spelarfil)
                                                      : std::vector<spelarstructtva>{};
        resultfix::bekrafta(resultfix::Variant::Vanlig, position, text, falt(partier, spelare, vald, variant));
    });
    fuzzstod::medFilfel([&] {
        const int turnnr = position + 1;
        const std::string spelarfil = store::tournamentFile(turnnr, 'T');
        const auto partier = store::readValfri(turnnr);
        const auto spelare = store::exists(spelarfil) ? store::readAll<spelarstructtva>(spelarfil)
                                                      : std::vector<spelarstructtva>{};
        auto f = falt(partier, spelare, vald, variant);
        f.resultat = kResultat[(variant + vald) % std::size(kResultat)];
        resultfix::bekrafta(resultfix::Variant::Lag, position, text, f);
        resultfix::bekrafta(resultfix::Variant::Lag, -1, text, f);
    });
    return 0;
}
