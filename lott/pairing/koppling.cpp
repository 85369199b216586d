#include "lott/pairing/koppling.h"

#include "lott/pairing/llotta.h"

namespace parning {

SchweizerKoppling& schweizerKoppling() {
    // The standings in pairing form are plugged in here once they exist.
    static SchweizerKoppling koppling = [] {
        SchweizerKoppling k;
        k.schweizera = [](int valdrond, int frav, const std::string& fnamn) {
            return LLotta().schweizera(valdrond, frav, fnamn);
        };
        k.schweizerc = [](int valdrond, int turnnr, const std::string& fnamn) {
            return LLotta().schweizerc(valdrond, turnnr, fnamn);
        };
        k.schweizerb = [](int valdrond, int fgrans, int frav) {
            return LLotta().schweizerb(valdrond, fgrans, frav);
        };
        k.schweizerd = [](int valdrond, int fgrans) { return LLotta().schweizerd(valdrond, fgrans); };
        return k;
    }();
    return koppling;
}

} // namespace parning
