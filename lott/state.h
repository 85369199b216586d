// The process-wide state of lott: the variables that live as long as the program and pass
// between the main window, its dialogs and the steps they start. Owned by the main window and
// handed to whoever needs it; nothing else survives between user actions except files.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "lott/oversikt.h"
#include "lott/results/spelarstructc.h"
#include "store/records.h"

struct LottState {
    int vilkpaint = 0;      // action code of the command in progress
    int turnnr = 0;         // chosen tournament (list index + 1)
    int valdrond = 0;       // chosen round, or the largest round played
    int pstallningval = 0;  // standings variant: 0 plain, 1 with prizes, 2 with Elo and title
    std::string tnamn;      // name of the chosen tournament
    int systemc = 0;        // 0 Monrad, 1 Swiss-type
    int antalronder = 0;    // planned rounds of the chosen tournament
    std::string fnamnglob;  // games- or player-file name of the action ("12.R", "12.T")
    int medstartnummer = 0; // 1 when the round list shows start numbers
    int grans = 0;          // pairing outcome: success is grans < 2495 and ejronditurn == 0
    int ejronditurn = 0;    // 1: no further round is to be played
    int garej = 0;          // 1: a Swiss-type system was chosen without rankings
    int turnkatb = 0;       // player-data category of the tournament being set up (0..3)
    int globvanta = 0;      // value returned by the standings computation
    int schwanrop = 0;      // 1 while the pairing engine asks for its form of the standings
    int klubbfinns = 0;     // the last standings have a club column
    int rankingfinns = 0;   // the last standings have a rating column
    int hamtadfran = 0;     // the tournament whose players "&Hämta spelare" loaded
    int finnsutgadda = 0;   // the tournament of the last standings has withdrawn players
    LottadRond lottad;      // the round paired last, until its results are in (the overview)
    std::vector<std::pair<int, int>> lottadePar; // its boards: white's and black's start numbers

    // In-memory lists, freed by number through rensalistab.
    std::vector<spelarstructtva> slistab;  // player list (list 0/1), file order
    std::vector<partistruct> partilista;   // game list (list 3)
    std::vector<spelarstructc> parslistac; // standings, best first (lists 5, 6, 7, 10)

    // Frees lists by number: 0, 1 and 2 the player lists, 3 the games, 5, 6, 7 and 10 the standings.
    void rensalistab(int lista) {
        if (lista <= 2) slistab.clear();
        if (lista == 3) partilista.clear();
        if (lista == 5 || lista == 6 || lista == 7 || lista == 10) parslistac.clear();
    }
};

// Pairing outcome threshold: `grans` at or above this means the pairing failed.
inline constexpr int kGransLast = 2495;
