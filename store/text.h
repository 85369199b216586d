// Text at the file boundary. Inside the programs text is UTF-8; every file holds Windows-1252.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace store {

// UTF-8 to Windows-1252 bytes. A character without a Windows-1252 form becomes '?';
// malformed UTF-8 bytes become '?' as well.
std::string toCp1252(std::string_view utf8);

// Windows-1252 bytes to UTF-8. The five undefined code points (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// map to the C1 control of the same value, so every byte survives a round trip.
std::string fromCp1252(std::string_view bytes);

// Number of characters (code points) in a UTF-8 string.
std::size_t charCount(std::string_view utf8);

// The first n characters of a UTF-8 string.
std::string firstChars(std::string_view utf8, std::size_t n);

// The leading decimal integer of a typed text, read as the C library's atoi reads it (blanks and
// one sign allowed first, anything after the digits ignored); 0 when there is none. Long digit
// runs saturate at INT_MAX (or -INT_MAX) instead of overflowing.
long long ledandeHeltal(std::string_view text);

} // namespace store
