// What a report is drawn from: values prepared by the main window before it opens the report
// window (players, games, standings), and the settings that choose columns and texts.
#pragma once
#include <string>
#include <vector>

#include "lott/results/spelarstructc.h"
#include "store/records.h"

namespace reports {

// Report kinds, the values of `vilkpaint` that open a report window.
enum Kind : int {
    kDeltagare = 1,
    kLottning = 2,
    kStallning = 4,
    kResultat = 5,
    kRankinggrupper = 6,
    kEgenKategori = 9,
    kSlutrapport = 12,
};

struct ReportInput {
    int vilkpaint = kDeltagare;
    std::string tnamn;     // for kind 9 already carrying the category ("Vårcup_Junior")
    int valdrond = 0;      // round shown (the round paired, for kind 2)
    int poangval = 1;      // scoring code; 4 is "Valfritt"
    int pstallningval = 0; // 0 plain, 1 with prizes, 2 with Elo and title
    bool pengarfinns = false;
    int medstartnummer = 0; // kind 2: show start numbers

    // Kind 1: the start list; kind 2: the pairing list (white, black, white, ...); kinds 5 and
    // 12: the players, looked up by start number.
    std::vector<spelarstructtva> spelare;
    std::vector<partistruct> partier;     // the tournament's games, every round
    std::vector<valfristruct> valfria;    // this tournament's "Valfritt" games, every round
    std::vector<spelarstructc> stallning; // standings, best first (kinds 4, 6, 9, 12)
    std::string kategori;                 // kind 9: the chosen own category's name
    // The whole standings have a club, a rating (`klubbfinns`, `rankingfinns`): kind 9 shows the
    // columns of the whole tournament, also when the category's own players lack them.
    bool klubbfinns = false;
    bool rankingfinns = false;
    rankingstruct grupper;                // kind 6: the ranking-group settings
};

// The tie-break column of the standings and the custom-score system.
inline bool valfritt(const ReportInput& in) {
    return in.poangval == 4;
}

} // namespace reports
