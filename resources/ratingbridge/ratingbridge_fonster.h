// The one window of ratingbridge, "Ranking från LOTT-turnering", and its status texts.
#pragma once
#include "ui/resource.h"

namespace ratingbridgeres {

inline constexpr int DLG_RATINGBRIDGE = 1;

inline constexpr int IDC_KATALOGER = 101;   // directory list: the tournament's directory
inline constexpr int IDC_TURNERINGAR = 102; // the tournaments of "TURN"
inline constexpr int IDC_STATUS = 103;      // note "Om samma turnering tidigare"; shows each outcome
inline constexpr int IDC_NOT = 104;         // note "exporterats skrivs den över"; emptied by each outcome
inline constexpr int IDC_PERIODER = 105;    // the rating periods
inline constexpr int IDC_ROND = 106;        // first rated round
inline constexpr int IDC_EXPORTERA = 110;   // "Exportera"

// Outcomes of "Exportera", shown in IDC_STATUS.
inline constexpr const char* kKlart = "Klart!!";
inline constexpr const char* kIngenTurnering = "Ingen turnering vald";
inline constexpr const char* kTurneringenFinnsEj = "Turneringen finns ej";
inline constexpr const char* kOgiltigRond = "Rond ska anges med siffror";
inline constexpr const char* kIngenPeriod = "Ingen rankingperiod vald";

const ui::DialogResource& ratingbridgeFonster();

} // namespace ratingbridgeres
