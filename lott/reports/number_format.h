// Number and date texts of the reports.
#pragma once
#include <ctime>
#include <string>

namespace reports {

// Every other decimal number of the reports is store::decimalText (store/decimal_text.h).

// Points in the standings window: 2 significant digits below 10.5, 3 from 10.5 (5.5, 10, 10.5, 11).
std::string pointsText(double poang);

// A player's rating change over the tournament, as the standings window shows it in parentheses:
// 3 significant digits when non-zero and strictly between -500 and 500, else "0"; a text longer
// than 5 characters also becomes "0".
std::string ratingChangeText(double rankingandring);

// The date stamp `docht` drawn at the top right of every report:
// "2001.03.07     19.05.02" (year.month.day, five blanks, hour.minute.second).
std::string docht(const std::tm& when);
// The stamp for the moment every program sees as now (store::localNow).
std::string dochtNow();

} // namespace reports
