// The one text of a decimal number that every screen, printout, page and file shows.
#pragma once
#include <string>

namespace store {

// `value` with at most `digits` significant digits, as the C library's gcvt writes it under the
// C locale: no trailing zeros and no trailing point (5.5, 21, 10.5); exponent form only when the
// value needs more integer digits than `digits` (1.23e+03). `digits` counts from 1 to 40 (0 is
// taken as 1, more as 40). Always a full stop, whatever locale
// the process runs under ("0.5" also on a Swedish desktop), and never "-0".
std::string decimalText(double value, int digits);

} // namespace store
