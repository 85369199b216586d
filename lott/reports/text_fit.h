// How much the texts of a drawn page must shrink so that none runs into the next one on its row.
// The columns of a report sit at fixed positions while the font height follows the screen, so a
// wide screen's large font can overlap a close column (a score and the quality beside it).
#pragma once
#include <functional>
#include <string>

#include "lott/reports/report_layout.h"

namespace reports {

// Width of `text` drawn at font height `height`, in the same units as the column unit.
using TextWidth = std::function<double(const std::string& text, int height)>;

// The factor (at most 1, at least kSmallestFit) by which every font height of `page` is scaled so
// that each text ends a small gap before the next text of its row starts; `u` is the column unit.
inline constexpr double kSmallestFit = 0.5;
double textFit(const DrawnPage& page, double u, const TextWidth& width);

} // namespace reports
