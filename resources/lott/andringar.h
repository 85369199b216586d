// The dialogs of changes during a tournament: 24 (adjourned games and single-result correction),
// 30 (withdrawal) and 31 (late entry).
#pragma once
#include "ui/resource.h"

namespace lottres {

inline constexpr int DLG_AVBRYT = 24;
inline constexpr int DLG_SPELARE_UT = 30;
inline constexpr int DLG_SPELARE_IN = 31;

// Dialog 24, "Uppskjutna och avbrutna partier".
inline constexpr int IDC_PARTIER = 101;  // the games, sorted as text
inline constexpr int IDC_VIT = 102;      // white's name (read-only)
inline constexpr int IDC_SVART = 103;    // black's name (read-only)
inline constexpr int IDC_RESULTAT = 104; // the result to confirm
inline constexpr int IDC_BEKRAFTA = 105; // "&Bekräfta"
inline constexpr int IDC_AVBRYT_HJALP = 106;

// Dialog 30, "Spelare som utgår".
inline constexpr int IDC_UTGAENDE = 101; // the players who can withdraw

// Dialog 31, "Ny spelare in i turneringen".
inline constexpr int IDC_NYNR = 101; // "&Nr." (read-only)
inline constexpr int IDC_NYNAMN = 102;
inline constexpr int IDC_NYKLUBB = 103;
inline constexpr int IDC_NYRANKING = 104; // digits and blanks only

const ui::DialogResource& avbrytResurs();
const ui::DialogResource& spelareUtResurs();
const ui::DialogResource& spelareInResurs();

} // namespace lottres
