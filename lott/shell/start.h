// Starting lott inside an application that is already set up: its main window main.cpp and
// uiscript both call this before running the event loop.
#pragma once

// Creates lott's main window ("Turneringsverktyg") in the current directory and shows it.
void startLott();
