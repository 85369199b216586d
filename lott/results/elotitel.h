// Elo ratings and titles as the Elo dialog takes them and lists its players.
#pragma once
#include <cstdint>
#include <string>

#include "store/records.h"

namespace elotitel {

inline constexpr std::size_t kEloTecken = 7;   // the Elo field is read this far
inline constexpr std::size_t kTitelTecken = 7; // a title holds at most this many characters
inline constexpr std::int32_t kMinElo = 801;
inline constexpr std::int32_t kMaxElo = 3199;

// A player as the Elo dialog lists him: start number, ".  " and name.
std::string spelarRad(const spelarstructtva& s);
// A typed Elo: its first 7 characters as a number, kept when it lies from 801 to 3199, else 0.
std::int32_t eloAvText(const std::string& text);
// A typed title: at most its first 7 characters.
std::string titelAvText(const std::string& text);

} // namespace elotitel
