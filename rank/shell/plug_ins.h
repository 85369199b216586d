// Where rank's dialogs and list windows join the shell: each entry is a plain function that opens
// one window (or carries out one step) for the main window.
#pragma once

namespace rank {

class FDemoWin;

using ShellStep = void (*)(FDemoWin&);
using ShellModeStep = void (*)(FDemoWin&, int mode);

struct PlugIns {
    ShellModeStep spelare = nullptr;      // "Spelaruppgifter": mode 0 a new member, 1 the chosen one
    ShellStep valjSpelare = nullptr;      // "Välj spelare" for state().rankingellerspelare
    ShellStep taBortSpelare = nullptr;    // "Ta bort spelare ur registret"
    ShellModeStep valjPeriod = nullptr;   // "Välj rankingperiod" in mode 0..4
    ShellStep resultat = nullptr;         // result entry for the chosen member and period
    ShellStep angra = nullptr;            // undo for the chosen member
    ShellStep klubb = nullptr;            // the club name
    ShellModeStep rankinglista = nullptr; // mode 0 the ranking list, 1 the floating one
    ShellStep ssflista = nullptr;         // the federation list of state().globindex
    ShellStep rapport = nullptr;          // the chosen member's report for state().globperiod
    ShellStep allaRapporter = nullptr;    // every member's report file for state().globperiod
};

const PlugIns& plugIns();

} // namespace rank
