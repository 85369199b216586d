// lott's message catalogue: every fixed message, warning, question and help box, by number.
#pragma once
#include <vector>

#include "ui/resource.h"

namespace lottres {

inline constexpr int ABOUT = 993; // "Om programmet"
inline constexpr int FRAGA_TA_TILLBAKA = 9400; // "Ta tillbaka rond N i <turnering>?"
inline constexpr int WEBB_PUBLICERAD = 9200; // the site is written; no file manager to show it

const std::vector<ui::Message>& messages();

} // namespace lottres
