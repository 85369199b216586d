#include "lott/results/elotitel.h"

#include "lott/results/tillval.h"
#include "store/text.h"

namespace elotitel {

std::string spelarRad(const spelarstructtva& s) {
    return std::to_string(s.nr) + ".  " + s.namn;
}

std::int32_t eloAvText(const std::string& text) {
    const std::int32_t elo = tillval::talAvText(store::firstChars(text, kEloTecken));
    return elo >= kMinElo && elo <= kMaxElo ? elo : 0;
}

std::string titelAvText(const std::string& text) {
    return store::firstChars(text, kTitelTecken);
}

} // namespace elotitel
