// The result of one game as the member's side sees it: code 1 win ("1-0"), 2 loss ("0-1"),
// 3 draw ("Remi"), as the result dialog takes it and the reports name it.
#pragma once
#include <string>

namespace rank {

// The result field after the completion timer: a text starting with "0" becomes "0-1" (but "0."
// and "0," a draw, "Remi", as in lott), with "1" "1-0", with "R" or "r" "Remi"; anything else is
// emptied.
std::string foradlaResultat(const std::string& typed);

// The code of "1-0", "0-1" or "Remi"; 0 for any other text.
int resultatkod(const std::string& text);

// "1-0", "0-1" or "Remi" for codes 1, 2 and 3; empty for any other code (a damaged record).
std::string resultattext(int kod);

// "Vinst", "Förlust" or "Remi" for codes 1, 2 and 3, as the rating reports write them; empty for
// any other code.
std::string rapporttext(int kod);

} // namespace rank
