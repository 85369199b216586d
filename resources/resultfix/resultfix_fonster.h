// The one window of resultfix (its caption names the variant) and its status texts.
#pragma once
#include <string>

#include "ui/resource.h"

namespace resultfixres {

inline constexpr int DLG_RESULTFIX = 1;

inline constexpr int IDC_TURNERINGAR = 101;  // the tournaments of "TURN"
inline constexpr int IDC_GAMMAL_VIT = 102;   // the game to replace: white's start number
inline constexpr int IDC_GAMMAL_SVART = 103; // ... and black's
inline constexpr int IDC_NY_VIT = 104;       // the new game: white's start number
inline constexpr int IDC_NY_SVART = 105;     // ... and black's
inline constexpr int IDC_RESULTAT = 106;     // result word, or points "white-black"
inline constexpr int IDC_STATUS = 107;       // "Status": shows the outcome
inline constexpr int IDC_BEKRAFTA = 110;     // "Bekräfta"

// Outcomes of "Bekräfta", shown in IDC_STATUS.
inline constexpr const char* kIngenTurnering = "Ingen turnering vald";
inline constexpr const char* kFyllIAllaFalt = "Fyll i alla fält!";
inline constexpr const char* kInteHeltal = "Spelarnummer ska anges med siffror";
inline constexpr const char* kTurneringenSaknas = "Turneringen kunde ej hittas";
inline constexpr const char* kPartiSaknas = "Parti som ska ersättas finns ej";
inline constexpr const char* kVitSaknas = "Vitspelare saknas";
inline constexpr const char* kSvartSaknas = "Svartspelare saknas";
inline constexpr const char* kNyVitFinnsEj = "Den nye vitspelaren finns ej";
inline constexpr const char* kNySvartFinnsEj = "Den nye svartpelaren finns ej";
inline constexpr const char* kRedanMotts = "Spelarna har redan mötts med dessa färger";
inline constexpr const char* kMotSigSjalv = "Man kan inte möta sig själv!!";
inline constexpr const char* kResultatFel = "Resultat ej korrekt angivet";
inline constexpr const char* kAndrad = "Partifilen ändrad som du ville";

// The window, titled `caption`.
ui::DialogResource resultfixFonster(const std::string& caption);

} // namespace resultfixres
