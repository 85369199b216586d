#include "rank/register/register.h"

#include <algorithm>

#include "rank/register/namn.h"
#include "store/files.h"

namespace rank {

std::vector<std::string> spelarnamn() {
    std::vector<std::string> namn;
    for (const auto& s : store::touchAndReadAll<spelarstruct>(fil::SPEL))
        namn.push_back(s.namn);
    std::stable_sort(namn.begin(), namn.end(), namnFore);
    return namn;
}

std::optional<spelarstruct> hittaSpelare(const std::string& namn) {
    for (auto& s : store::touchAndReadAll<spelarstruct>(fil::SPEL))
        if (s.namn == namn) return s;
    return std::nullopt;
}

int finnsissflista(const std::string& jmfnamn) {
    for (const auto& m : store::touchAndReadAll<medpalistastruct>(fil::ILISTA))
        if (m.namn == jmfnamn) return 1;
    return 0;
}

Medlemstillagg lasTillagg(const std::string& namn) {
    Medlemstillagg t;
    for (const auto& e : store::touchAndReadAll<elostruct>(fil::ELO))
        if (e.namn == namn) t.elo = e.elo > 0 ? std::to_string(e.elo) : "";
    for (const auto& m : store::touchAndReadAll<mailstruct>(fil::MAIL))
        if (m.namn == namn) t.mail = m.mail;
    t.palista = finnsissflista(namn) == 1;
    return t;
}

void taBortSpelare(const std::string& namn) {
    auto spel = store::touchAndReadAll<spelarstruct>(fil::SPEL);
    std::erase_if(spel, [&](const spelarstruct& s) { return s.namn == namn; });
    store::rewriteThrough(fil::SPEL, fil::STEMP, spel);
}

} // namespace rank
