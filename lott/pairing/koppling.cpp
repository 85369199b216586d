#include "lott/pairing/koppling.h"

#include "lott/pairing/llotta.h"
#include "lott/results/stallningfunk.h"

namespace parning {

SchweizerKoppling& schweizerKoppling() {
    static SchweizerKoppling koppling = [] {
        SchweizerKoppling k;
        k.stallningfunk = [](LottState& st) { return ::stallningfunk(st); };
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
