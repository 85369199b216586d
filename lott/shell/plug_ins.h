// Where the dialogs and windows of lott's other parts join the shell. Each entry is a plain
// function; an entry that is still null belongs to a part not built yet, and the shell then
// ends the command ("0" to "STANGT") without doing anything.
#pragma once
#include <map>
#include <string>

class FDemoWin;

using ShellStep = void (*)(FDemoWin&);
using ReportOpener = void (*)(FDemoWin&, const std::string& caption);

struct PlugIns {
    ShellStep nyTurnering = nullptr;    // 615: create and show the new-tournament dialog
    ShellStep laddaTurnering = nullptr; // 319: create and show the load-players dialog
    ShellStep registrering = nullptr;   // 1001: the player-registration dialog for the layout in "SKICKA"
    ShellStep slumpa = nullptr;         // 1002: reshuffle the start order of the tournament in "TILLB"
    ShellStep penningpriser = nullptr;  // money-prize dialog (option chain)
    ShellStep rankinggrupper = nullptr; // ranking-group dialog (option chain)
    ShellStep elotitel = nullptr;       // Elo and title dialog (option chain)
    ShellStep egenkategori = nullptr;   // own-category dialog (option chain)
    ShellStep modifiera = nullptr;      // 1004: the modify-tournament dialog on "LADDAS"
    ReportOpener rapport = nullptr;     // opens the report window UtskrifterWin with a caption
    ShellStep resultat = nullptr;       // 3: result entry for turnnr on the round just paired
    // 1985 and 1984: the money-prize and ranking-group dialogs on their own, outside any command.
    ShellStep andraPenningpriser = nullptr;
    ShellStep andraRankinggrupper = nullptr;
    // 1003: the step of each action code (vilkpaint) after the choose-tournament dialog.
    std::map<int, ShellStep> efterVal;
};

const PlugIns& plugIns();

// Opens the report window on the report of the command in progress (state().vilkpaint), with
// that report's caption, or ends the command when the report part is not built.
void oppnaRapport(FDemoWin& w);
