// Rating periods: one third of a calendar year each. Index 0 is September-December 1997; from
// index 1 every year from 1998 has three consecutive indices (January-April, May-August,
// September-December).
#pragma once
#include <string>

namespace rating {

inline constexpr int kForstaAr = 1998;
// Entries of the period list offered to the user: index 0 to 100 (January-April 2031).
inline constexpr int kAntalPerioder = 101;

// Third of the year a month (1-12) falls in: 0 January-April, 1 May-August, 2 September-December.
int tertial(int manad);
// The period a date falls in (year, month 1-12). Dates before 1998 give index 0 or less.
int periodIndex(int ar, int manad);
// Calendar year and third of period p >= 1 (index 0 is 1997, third 2).
int periodAr(int p);
int periodTertial(int p);

// Text of entry p (0 .. kAntalPerioder-1) of the period list; only the January-April entries
// carry the year, and the trailing blanks belong to the texts.
std::string periodText(int p);
// Text of entry i (0 .. 99) of the federation-list choice: spring and autumn rounds from 1998.
std::string ssfPeriodText(int i);

} // namespace rating
