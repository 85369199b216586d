// The two variants of lagturnering, chosen on its command line.
#pragma once
#include <string>
#include <vector>

namespace lagturnering {

enum class Variant {
    Relativ, // 3-2-1 per game; a team's value is 40 x its sum / its number of players
    Total,   // 1-1/2-0 per game; a team's value is its sum
};

// "--total" chooses the total variant; without it the program is the relative variant.
Variant variantAv(const std::vector<std::string>& args);

// The window caption of each variant.
const char* caption(Variant v);

} // namespace lagturnering
