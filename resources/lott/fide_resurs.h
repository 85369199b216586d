// Dialogs of the federation report: the export dialog and the details editor (ids 9300-9399).
#pragma once
#include "ui/resource.h"

namespace lottres {

// Menu commands (in "&Turnering") and the action codes of the choose-tournament step.
inline constexpr int CM_FIDERAPPORT = 9300;   // "Exportera FIDE-rapport (TRF)"
inline constexpr int CM_FIDEUPPGIFTER = 9301; // "FIDE-uppgifter"

// Export dialog 9302.
inline constexpr int IDC_TRF_ROND = 9310;
inline constexpr int IDC_TRF_UTAN_ACCENTER = 9311;
inline constexpr int IDC_TRF_MEDDELANDEN = 9312;

// Details editor 9303.
inline constexpr int IDC_FU_SOK = 9320;
inline constexpr int IDC_FU_SORT_NR = 9321;
inline constexpr int IDC_FU_SORT_NAMN = 9322;
inline constexpr int IDC_FU_SORT_ELO = 9323;
inline constexpr int IDC_FU_LISTA = 9324;
inline constexpr int IDC_FU_RAPPORTNAMN = 9330;
inline constexpr int IDC_FU_KON = 9331;
inline constexpr int IDC_FU_TITEL = 9332;
inline constexpr int IDC_FU_ELO = 9333;
inline constexpr int IDC_FU_FED = 9334;
inline constexpr int IDC_FU_ID = 9335;
inline constexpr int IDC_FU_FODD = 9336;
inline constexpr int IDC_FU_ANDRA = 9337;
inline constexpr int IDC_FU_FEL = 9338;
inline constexpr int IDC_FU_STAD = 9340;
inline constexpr int IDC_FU_TFED = 9341;
inline constexpr int IDC_FU_START = 9342;
inline constexpr int IDC_FU_SLUT = 9343;
inline constexpr int IDC_FU_DOMARE = 9344;
inline constexpr int IDC_FU_DOMARE_ID = 9345;
inline constexpr int IDC_FU_BIDOMARE = 9346;
inline constexpr int IDC_FU_BIDOMARE_ID = 9347;
inline constexpr int IDC_FU_TID = 9348;
inline constexpr int IDC_FU_TYP = 9349;
inline constexpr int IDC_FU_RONDER = 9350;

const ui::DialogResource& trfExportResurs();
const ui::DialogResource& fideUppgifterResurs();

} // namespace lottres
