// The hand-over between lott's dialogs and its main window: the private messages a dialog posts
// to the main window when it is done, and the end of the command in progress. Only one command
// runs at a time; "STANGT" holds "1" while one is open.
#pragma once

// Private messages posted to the main window.
inline constexpr int MSG_REGISTRERING = 1001; // EvDialogClosed: start player registration
inline constexpr int MSG_TILLBEHOR = 1002;    // EvDialogClosedb: shuffle question, next option dialog
inline constexpr int MSG_UTFOR = 1003;        // EvDialogClosedc: carry out the action of vilkpaint
inline constexpr int MSG_LADDADE = 1004;      // EvDialogClosedd: modify the players just loaded

namespace kommando {

// Ends the command in progress: "0" to "STANGT", so that the next command may start.
void stang();

} // namespace kommando
