// Starting rank inside an application that is already set up: uiscript calls this before running
// the event loop, and rank's own main reaches the same set-up through rank::FDemoApp.
#pragma once

// Creates rank's main window ("Rankingverktyg") in the current directory and shows it.
void startRank();
