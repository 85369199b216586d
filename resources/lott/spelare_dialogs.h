// Dialog resources of the steps that work on a start list before and between tournaments: a new
// tournament from an earlier one's players, the start-list editor, the sort dialog and the
// player-data editor with its per-player form.
#pragma once
#include "ui/resource.h"

namespace lottres {

// Dialog 5, "Välj turnering": which earlier tournament's players to load.
inline constexpr int IDC_MALLAR = 101;
const ui::DialogResource& laddaTurneringResurs();

// Dialog 4, "Modifiera uppgifter": the loaded players, adding and removing.
inline constexpr int IDC_MALL_SPELARE = 1452;
inline constexpr int IDC_MALL_NAMN = 105;
inline constexpr int IDC_MALL_KLUBB = 106;
inline constexpr int IDC_MALL_RANKING = 107;
inline constexpr int IDC_MALL_TABORT = 108;
inline constexpr int IDC_MALL_LAGGTILL = 109;
inline constexpr int IDC_MALL_VERKSTALL = 102;
inline constexpr int IDC_MALL_HJALP = 104;
const ui::DialogResource& modifieraTurneringResurs();

// Dialog 47, "Modifiera lottningsstystem": "Ändra" (IDOK) or "Ändra inte" (IDCANCEL).
inline constexpr int IDC_MONRAD = 1101;
inline constexpr int IDC_NORDISK = 1102;
inline constexpr int IDC_SCHWEIZER = 1103;
inline constexpr int IDC_POANG1 = 101; // .. 103 for scoring codes 1..3
const ui::DialogResource& modifieraSystemResurs();

// Dialog 2347, the start-list editor: start numbers 2, 4, 6... on the left, 1, 3, 5... on the right.
inline constexpr int IDC_VANSTER = 101;
inline constexpr int IDC_HOGER = 102;
inline constexpr int IDC_START_HJALP = 401;
const ui::DialogResource& andraStartResurs();

// Dialog 2344, "Sortera deltarlista"; "&Stäng" is IDOK.
inline constexpr int IDC_SORTERAD = 1202;
inline constexpr int IDC_SORT_RANKING = 1106;
inline constexpr int IDC_SORT_NAMN = 1114;
inline constexpr int IDC_SORT_KLUBB = 1115;
inline constexpr int IDC_SKRIVUT = 1203;
const ui::DialogResource& andraSorteringResurs();

// Dialog 2348, "Ändra spelaruppgifter", and its per-player form, dialog 2339.
inline constexpr int IDC_UPPGIFTER = 325;
inline constexpr int IDC_UPPGIFTER_HJALP = 402;
inline constexpr int IDC_FORM_NAMN = 484;
inline constexpr int IDC_FORM_KLUBB = 485;
inline constexpr int IDC_FORM_RANKING = 486;
inline constexpr int IDC_FORM_HJALP = 487;
const ui::DialogResource& andraSpelarUppgifterResurs();
// Its title is followed by the start number when it is shown.
const ui::DialogResource& modifieraSpelarUppgifterResurs();

} // namespace lottres
