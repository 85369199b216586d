// How a typed game result reads as a draw when written as a number: both result fields, lott's
// and rank's, complete a first "0" followed by a decimal point ("0.5", and "0,5" as typed on a
// desktop set to Swedish) to "Remi" rather than to the loss "0-1" that a plain "0" gives.
#pragma once
#include <string_view>

namespace store {

bool remiSomDecimaltal(std::string_view typed);

} // namespace store
