#include "lott/results/tillval.h"

#include <cctype>

#include "store/filenames.h"

namespace tillval {

int turnering() {
    const int tillb = store::readTillb(true).filnamnint;
    const auto turn = store::readTurn();
    for (const auto& t : turn)
        if (t.filnamnint == tillb) return tillb;
    return turn.empty() ? 0 : turn.back().filnamnint;
}

void rensaFlagga(Flagga f) {
    tillbehorstruct t = store::readTillb(true);
    switch (f) {
    case Flagga::Penningpriser:
        t.penningpriser = 0;
        break;
    case Flagga::Rankinggrupper:
        t.rankinggrupper = 0;
        break;
    case Flagga::Elotitel:
        t.elotitel = 0;
        break;
    case Flagga::Egenkategori:
        t.egenkategori = 0;
        break;
    }
    store::writeTillb(t);
}

std::vector<spelarstructtva> startlista(int turnnr) {
    return lasOmFinns<spelarstructtva>(turnnr, 'T');
}

std::int32_t talAvText(const std::string& text, std::int32_t max) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value >= max) return max;
    }
    return static_cast<std::int32_t>(value);
}

std::string baraSiffror(const std::string& text) {
    std::string out;
    for (char c : text)
        if (std::isdigit(static_cast<unsigned char>(c))) out += c;
    return out;
}

} // namespace tillval
