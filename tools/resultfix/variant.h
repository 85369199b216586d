// The two variants of resultfix, chosen on its command line.
#pragma once
#include <string>
#include <vector>

namespace resultfix {

enum class Variant {
    Vanlig, // the tournament's game file, results as words
    Lag,    // the tournament's records of "VALFRI.DAT" (custom scores), points "white-black"
};

// "--lag" chooses the team variant; without it the program is the plain variant.
Variant variantAv(const std::vector<std::string>& args);

// The window caption of each variant.
const char* caption(Variant v);

} // namespace resultfix
