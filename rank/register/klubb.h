// The club name in "AKLUBB": one line of at most 29 characters without a line end.
#pragma once
#include <string>

namespace rank {

inline constexpr std::size_t kKlubbnamnLangd = 29;

// The first line of "AKLUBB", at most 29 characters; a missing file is created empty.
std::string lasKlubbnamn();
// Replaces "AKLUBB" with `namn` (its first line, cut to 29 characters), without a line end.
void skrivKlubbnamn(const std::string& namn);

} // namespace rank
