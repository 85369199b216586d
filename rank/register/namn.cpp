#include "rank/register/namn.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "rank/rating/rank_records.h"
#include "store/text.h"

namespace rank {

std::string lagratNamn(const std::string& typed) {
    std::uint8_t falt[medpalistastruct::size];
    medpalistastruct{typed}.encode(falt);
    return medpalistastruct::decode(falt).namn;
}

namespace {

// The collation weight of one Windows-1252 byte: case folded, å ä ö (and Å Ä Ö) right after z.
int vikt(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A' + 'a';
    switch (c) {
    case 0xE5:
    case 0xC5:
        return 'z' + 1; // å
    case 0xE4:
    case 0xC4:
        return 'z' + 2; // ä
    case 0xF6:
    case 0xD6:
        return 'z' + 3; // ö
    default:
        break;
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20 + 0x100; // other capitals as small letters
    if (c >= 0x80) return c + 0x100; // other letters and signs after the Swedish ones
    return c;
}

} // namespace

bool namnFore(const std::string& a, const std::string& b) {
    const std::string x = store::toCp1252(a), y = store::toCp1252(b);
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int va = vikt(static_cast<unsigned char>(x[i])), vb = vikt(static_cast<unsigned char>(y[i]));
        if (va != vb) return va < vb;
    }
    if (x.size() != y.size()) return x.size() < y.size();
    return a < b;
}

std::size_t sorteradPlats(const std::vector<std::string>& sorterade, const std::string& namn) {
    return static_cast<std::size_t>(std::upper_bound(sorterade.begin(), sorterade.end(), namn, namnFore) -
                                    sorterade.begin());
}

int heltal(const std::string& text) {
    const long long v = store::ledandeHeltal(text);
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

} // namespace rank
