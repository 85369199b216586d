// The result as typed into resultfix: a word in the plain variant, points "white-black" in the
// team variant.
#pragma once
#include <string>

namespace resultfix {

// The word's result code: "1-0" 1, "0-1" 2, "Remi" 3, "uppskjutet" 4, "avbrutet" 5, "WO(1-0)" 7,
// "wo(0-1)" 8; 0 for every other text (code 6 has no word).
int resultatkod(const std::string& ord);

// What the once-a-second completion makes of the field: by its first character "1" gives "1-0",
// "0" "0-1", "r"/"R" "Remi", "a"/"A" "avbrutet", "u"/"U" "uppskjutet", "W" "WO(1-0)", "w"
// "wo(0-1)"; other texts, and an empty field, stay as typed. Every word maps to itself.
std::string komplettera(const std::string& text);

// Points "white-black": the text before the first "-" (its first 20 characters) and after it
// (its first 16), each a decimal number of 0 or more ("2", "1.5", "2,5"; blanks around allowed).
// False, with the points untouched, for a text without "-" or with a side that is no such number.
bool lagpoang(const std::string& text, double& vitresultat, double& svartresultat);

} // namespace resultfix
