// The Swiss-type entry points of the engine on the work files: read "SKICKAP" and "LSKICKA",
// pair with schweizer.h, write the pairing list back into "LSKICKA".
#include <algorithm>
#include <charconv>

#include "lott/pairing/llotta.h"
#include "lott/pairing/schweizer.h"
#include "store/filenames.h"
#include "store/files.h"

namespace parning {

namespace {

bool skrivUtfall(const std::optional<Parlista>& lista) {
    // Nothing paired: an empty list, so that no stale list of players can pass for pairs.
    skickatillbaks(lista ? *lista : Parlista{});
    return lista.has_value();
}

int turneringsnummer(const std::string& sfnamnglob) {
    int nr = 0;
    std::from_chars(sfnamnglob.data(), sfnamnglob.data() + sfnamnglob.size(), nr);
    return nr;
}

} // namespace

bool LLotta::schweizera(int /*valdrond*/, int frav, const std::string& sfnamnglob) {
    const bool riktigschweizer = frav == kSchweizerMarkering;
    return skrivUtfall(schweizerRunda1(lankaupp(), riktigschweizer, turneringsnummer(sfnamnglob)));
}

bool LLotta::schweizerc(int /*valdrond*/, int turnnr, const std::string& /*sfnamnglob*/) {
    return skrivUtfall(schweizerRunda1(lankaupp(), true, turnnr));
}

bool LLotta::schweizerb(int valdrond, int /*fgrans*/, int frav) {
    const auto partier = lasSkickap();
    // The round being paired follows the games; the standings may have lowered valdrond to the
    // last round played (custom scores), which must not decide the colour parity.
    int senaste = 0;
    for (const auto& p : partier)
        senaste = std::max(senaste, p.rond);
    const int rond = std::max(valdrond, senaste + 1);
    return skrivUtfall(schweizerSenare(lankauppMedPoang(), partier, rond, frav == kSchweizerMarkering));
}

bool LLotta::schweizerd(int valdrond, int fgrans) {
    return schweizerb(valdrond, fgrans, kSchweizerMarkering);
}

} // namespace parning
