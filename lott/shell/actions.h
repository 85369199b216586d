// The steps after the choose-tournament dialog that the shell carries out itself.
#pragma once

class FDemoWin;

// Code 1: the participants list in the report window.
void visaDeltagarlista(FDemoWin& w);
// Code 2: pairs the next round and shows the round list, or message 27 or 20.
void visaRondlista(FDemoWin& w);
// Code 3: pairs the next round and opens result entry on it, or message 27 or 20.
void lottaForResultat(FDemoWin& w);
// After code 3 has paired the round: result entry on it.
void oppnaResultat(FDemoWin& w);
// Code 4: the standings of the chosen tournament in the report window, with money prizes or
// with Elo and titles as `pstallningval` asks.
void visaStallning(FDemoWin& w);
// Code 5: the results of the chosen round, or message 21 when it has no games.
void visaTidigareResultat(FDemoWin& w);
// Code 6: the standings within the ranking groups, or message 23 when there are none.
void visaRankinggrupper(FDemoWin& w);
// Code 9: the standings computed, then the choice of an own category for its standings.
void valjEgenKategori(FDemoWin& w);
// Code 12: the final report with its cross table.
void visaSlutrapport(FDemoWin& w);

// The option dialogs in the chain after registration; the own-category dialog also for code 15,
// on the chosen tournament. Each hands on to the next pending one (message 1002) when it closes.
void oppnaPenningpriser(FDemoWin& w);
void oppnaRankinggrupper(FDemoWin& w);
void oppnaElotitel(FDemoWin& w);
void oppnaEgenKategori(FDemoWin& w);
// "Ändra penningpriser" and "Ändra rankinggrupper": the same dialogs on their own, outside any
// command; nothing happens in a directory without tournaments.
void andraPenningpriser(FDemoWin& w);
void andraRankinggrupper(FDemoWin& w);
// Codes 7 and 71: the adjourned-games dialog, on the open games or on every game.
void oppnaAvbrott(FDemoWin& w);
void oppnaAngra(FDemoWin& w);
// Code 8: takes back the latest round of the chosen tournament and ends the command.
void taTillbakaRond(FDemoWin& w);
// Codes 10 and 11: the late-entry and withdrawal dialogs.
void oppnaSpelareIn(FDemoWin& w);
void oppnaSpelareUt(FDemoWin& w);
