// The process-wide state of rank: the variables that live as long as the program and pass between
// the main window, its dialogs and the steps they start. Owned by the main window and handed to
// whoever needs it; nothing else survives between user actions except files.
#pragma once
#include <string>

#include "rank/rating/rank_records.h"

namespace rank {

// Which command opened the member choice, and so which message it posts when a member is chosen.
enum Spelarval { kUppdatera = 0, kNyaResultat = 1, kAngra = 2, kRapport = 3 };

struct RankState {
    // The member chosen last in the member choice.
    std::string globnamn;
    std::string globfodelsedata;
    int globranking = 0;
    std::string globklass;
    int globnyspelare = 0;
    std::string globgammalklubb;
    int globpalista = 0; // 1 when the member is on the federation list

    int rankingellerspelare = kUppdatera;
    int globperiod = 0; // the rating period of the command in progress
    int globindex = 0;  // the list entry chosen in the period dialog (federation list, reports)
    // 1: the next period dialog preselects the period just ended instead of the current one.
    int visaforegoendeperiod = 0;

    // Copies a member record into the current-member variables.
    void valjSpelare(const spelarstruct& s, bool palista) {
        globnamn = s.namn;
        globfodelsedata = s.fodelsedata;
        globranking = s.ranking;
        globklass = s.klass;
        globnyspelare = s.nyspelare;
        globgammalklubb = s.gammalklubb;
        globpalista = palista ? 1 : 0;
    }
};

} // namespace rank
