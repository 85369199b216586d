#include "lott/fide/ascii_namn.h"

#include <cstdint>

namespace fide {
namespace {

// U+00C0..U+00FF, one entry per code point; "" where the character is not a letter.
const char* const kLatin1[64] = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",  // C0-CF
    "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "TH", "ss", // D0-DF
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",  // E0-EF
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y",  // F0-FF
};

// U+0100..U+017F (Latin Extended-A): base letters in order, upper and lower case alternating
// for most of the block.
const char* const kUtokadA[128] = {
    "A", "a", "A", "a", "A", "a", "C", "c", "C", "c", "C", "c", "C", "c", "D", "d", // 100
    "D", "d", "E", "e", "E", "e", "E", "e", "E", "e", "E", "e", "G", "g", "G", "g", // 110
    "G", "g", "G", "g", "H", "h", "H", "h", "I", "i", "I", "i", "I", "i", "I", "i", // 120
    "I", "i", "IJ", "ij", "J", "j", "K", "k", "k", "L", "l", "L", "l", "L", "l", "L", // 130
    "l", "L", "l", "N", "n", "N", "n", "N", "n", "n", "N", "n", "O", "o", "O", "o", // 140
    "O", "o", "OE", "oe", "R", "r", "R", "r", "R", "r", "S", "s", "S", "s", "S", "s", // 150
    "S", "s", "T", "t", "T", "t", "T", "t", "U", "u", "U", "u", "U", "u", "U", "u", // 160
    "U", "u", "U", "u", "W", "w", "Y", "y", "Y", "Z", "z", "Z", "z", "Z", "z", "s", // 170
};

} // namespace

std::string utanAccenter(std::string_view s) {
    std::string ut;
    ut.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<std::uint8_t>(s[i]);
        if (b < 0x80) {
            ut += static_cast<char>(b);
            ++i;
            continue;
        }
        std::uint32_t cp = 0;
        std::size_t len = 0;
        if ((b & 0xE0) == 0xC0) cp = b & 0x1F, len = 2;
        else if ((b & 0xF0) == 0xE0) cp = b & 0x0F, len = 3;
        else if ((b & 0xF8) == 0xF0) cp = b & 0x07, len = 4;
        bool ok = len > 0 && i + len <= s.size();
        for (std::size_t k = 1; ok && k < len; ++k) {
            const auto c = static_cast<std::uint8_t>(s[i + k]);
            ok = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        i += ok ? len : 1;
        const char* bas = "";
        if (ok && cp >= 0xC0 && cp <= 0xFF) bas = kLatin1[cp - 0xC0];
        else if (ok && cp >= 0x100 && cp <= 0x17F) bas = kUtokadA[cp - 0x100];
        ut += *bas ? bas : "?";
    }
    return ut;
}

} // namespace fide
