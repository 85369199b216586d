// The hand-over between rank's dialogs and its main window: the private messages a dialog posts
// when it is done, and the one-window-at-a-time marker "STANGT" ("1" while a dialog of the
// register, the results or the rating calculation is open, "0" otherwise).
#pragma once

namespace rank {

// Private messages posted to the main window.
inline constexpr int MSG_UPPDATERA = 1001;       // a member was chosen for updating
inline constexpr int MSG_PERIOD_RESULTAT = 1002; // a member was chosen for new results: the period next
inline constexpr int MSG_RESULTAT = 1003;        // the period of new results was chosen
inline constexpr int MSG_ANGRA = 1004;           // a member was chosen for undoing results
inline constexpr int MSG_SSFLISTA = 1005;        // the round of the federation list was chosen
inline constexpr int MSG_PERIOD_RAPPORT = 1006;  // a member was chosen for a report: the period next
inline constexpr int MSG_RAPPORT = 1007;         // the period of one member's report was chosen
inline constexpr int MSG_ALLA_RAPPORTER = 1008;  // the period of all reports was chosen

namespace kommando {

// True while a dialog is open ("STANGT" starts with "1"); a missing file is created empty.
bool upptagen();
// Marks a dialog open: "1" to "STANGT".
void oppna();
// Marks the main window free again: "0" to "STANGT".
void stang();

} // namespace kommando
} // namespace rank
