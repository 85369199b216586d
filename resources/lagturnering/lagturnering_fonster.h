// The one window of lagturnering (its caption names the variant) and its outcome texts.
#pragma once
#include <string>

#include "ui/resource.h"

namespace lagturneringres {

inline constexpr int DLG_LAGTURNERING = 1;

inline constexpr int IDC_KATALOGER = 101;   // directory list: the tournaments' directory
inline constexpr int IDC_TURNERINGAR = 102; // the tournaments of "TURN", several may be chosen
inline constexpr int IDC_STATUS = 103;      // "En html-fil skapas i \lottutskrifter"; shows the outcome
inline constexpr int IDC_NAMN = 104;        // the team event's name, also the page's file name
inline constexpr int IDC_RAKNA = 110;       // "Räkna ut"

inline constexpr const char* kKlart = "Klart!!";
inline constexpr const char* kIngenTurnering = "Ingen turnering vald";

// The window, titled `caption`.
ui::DialogResource lagturneringFonster(const std::string& caption);

} // namespace lagturneringres
