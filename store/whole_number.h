// Whole numbers typed into a field (a round, a start number).
#pragma once
#include <optional>
#include <string_view>

namespace store {

// The integer a field holds: optional blanks around an optional sign and decimal digits, within
// the range of a 32-bit int. Anything else (empty, letters, "3.5", "12abc", too large) has none.
std::optional<int> wholeNumber(std::string_view text);

} // namespace store
