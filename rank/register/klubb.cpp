#include "rank/register/klubb.h"

#include "rank/rating/rank_records.h"
#include "store/files.h"
#include "store/text.h"

namespace rank {

namespace {
std::string forstaRaden(const std::string& text) {
    return store::firstChars(text.substr(0, text.find_first_of("\r\n")), kKlubbnamnLangd);
}
} // namespace

std::string lasKlubbnamn() {
    return forstaRaden(store::touchAndReadText(fil::AKLUBB));
}

void skrivKlubbnamn(const std::string& namn) {
    store::writeText(fil::AKLUBB, forstaRaden(namn));
}

} // namespace rank
