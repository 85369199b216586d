// The texts of the result codes as typed and shown in result entry, the completion of shorthand
// input, and the parsing of a freely chosen score.
#pragma once
#include <string>

namespace resultat {

// "1-0", "0-1", "Remi", "uppskj.", "avbrutet", "diskval.", "W.O(1-0)", "w.o(0-1)" for codes 1..8;
// empty for 0 and for any unknown code.
std::string text(int kod);
// The code of an exact text; 0 for every other text ("0-0" included).
int kod(const std::string& text);

// Where the bye sits on a board: 0 no bye, 1 "Frirond" plays white, 2 "Frirond" plays black.
enum Frirondfarg { ingenFrirond = 0, frirondVit = 1, frirondSvart = 2 };

// Completes what was typed into a result field. The bye board always shows the win of the real
// player. Every completed text maps to itself, so repeated completion is stable.
std::string foradla(const std::string& t, bool frirondbord, int frirondfarg);

// A freely chosen score "W-B": digits and "." on either side of the first "-" (at most four
// characters a side, everything else skipped; an empty side is 0). Returns 1 and the two scores
// when the text holds exactly one "-", else 0 with both scores -1.
int testavvalfrittresultat(const std::string& t, double& vitresultat, double& svartresultat);

// A number as typed: leading digits, at most one decimal point ("2.5", ".5", "3."); independent
// of the process locale.
double decimaltal(const std::string& siffror);

} // namespace resultat
