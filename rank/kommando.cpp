#include "rank/kommando.h"

#include "rank/rating/rank_records.h"
#include "store/files.h"

namespace rank::kommando {

bool upptagen() {
    const std::string s = store::touchAndReadText(fil::STANGT);
    return !s.empty() && s[0] == '1';
}

void oppna() {
    store::writeText(fil::STANGT, "1");
}

void stang() {
    store::writeText(fil::STANGT, "0");
}

} // namespace rank::kommando
