// Starting lott inside an application that is already set up: uiscript calls this before running
// the event loop, and lott's own main reaches the same set-up through FDemoApp.
#pragma once

// Creates lott's main window ("Turneringsverktyg") in the current directory and shows it.
void startLott();
