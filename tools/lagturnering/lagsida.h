// The team standings page of lagturnering, in "lottutskrifter".
#pragma once
#include <string>
#include <vector>

#include "tools/lagturnering/lagpoang.h"

namespace lagturnering {

// The name of a team event left without a name.
inline constexpr const char* kIngetNamn = "Inget_namn_lagsammanstallning";

// The event's name: the typed one, or kIngetNamn when the field is empty.
std::string evenemangsnamn(const std::string& namnfalt);

// A team's value as the page shows it: a whole number in the relative variant, three significant
// digits in the total one.
std::string vardetext(double varde, Variant v);
// The page: the event's name as title and heading, then a row per ranked team with its place
// (1, 2, 3 ... in list order), name and value: a whole number in the relative variant, three
// significant digits in the total one (12.5, 3.5, 21). Names are escaped as HTML text.
std::string lagsida(const std::string& namn, const std::vector<Lagrad>& rader, Variant v);

// Where the page of event `namn` goes: the folder, then the name made safe for a file, ".htm".
std::string lagsidaPath(const std::string& mapp, const std::string& namn);

} // namespace lagturnering
