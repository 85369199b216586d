// Member names as keys. Every file of rank refers to a member by the exact text of a 30-byte name
// field, so a typed name is compared in the form the field would store (at most 29 characters,
// Windows-1252, a character without a Windows-1252 form as "?").
#pragma once
#include <string>
#include <vector>

namespace rank {

// `typed` as a name field stores it and reads it back.
std::string lagratNamn(const std::string& typed);

// Alphabetical order of the choice lists: letters without regard to case, Swedish å, ä and ö after
// z in that order; names equal but for case by their bytes.
bool namnFore(const std::string& a, const std::string& b);

// Where `namn` goes into `sorterade` (kept in namnFore order): after every name that sorts
// before it or equal to it.
std::size_t sorteradPlats(const std::vector<std::string>& sorterade, const std::string& namn);

// The leading integer of a typed number, limited to the range of a stored int.
int heltal(const std::string& text);

} // namespace rank
