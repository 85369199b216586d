// The steps after the choose-tournament dialog that the shell carries out itself.
#pragma once

class FDemoWin;

// Code 1: the participants list in the report window.
void visaDeltagarlista(FDemoWin& w);
// Code 5: the results of the chosen round, or message 21 when it has no games.
void visaTidigareResultat(FDemoWin& w);
