// The local date and time every program sees: the system clock, unless automation has fixed a
// moment (uiscript's `today` step), so that date-dependent behaviour (period choice, date stamps,
// file names with dates) can be tested.
#pragma once
#include <ctime>
#include <string>

namespace store {

// The current local date and time, or the fixed moment when one is set.
std::tm localNow();
// From now on localNow() returns `moment` (its date and time fields; the rest is normalised).
void fixLocalNow(const std::tm& moment);
// Parses "YYYY-MM-DD HH:MM:SS" into `out`; false when the text is not such a valid moment.
bool parseMoment(const std::string& text, std::tm& out);

// The date stamp at the top right of every printed list and report: year.month.day, five blanks,
// hour.minute.second, each part below 10 with a leading "0" ("2001.03.07     19.05.02").
std::string dateStamp(const std::tm& when);

} // namespace store
