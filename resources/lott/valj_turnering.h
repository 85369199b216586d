// The choose-tournament dialogs: 3 (tournament) and 795 (tournament and round).
#pragma once
#include "ui/resource.h"

namespace lottres {

inline constexpr int DLG_VALJ_TURNERING = 3;
inline constexpr int DLG_VALJ_TURNERING_ROND = 795;

// Control ids of both dialogs.
inline constexpr int IDC_TURNERINGAR = 101; // the tournament list
inline constexpr int IDC_RONDER = 102;      // the round list (dialog 795 only)

const ui::DialogResource& valjTurnering();     // dialog 3, "Välj turnering"
const ui::DialogResource& valjTurneringRond(); // dialog 795, "Välj turnering och rond"

} // namespace lottres
