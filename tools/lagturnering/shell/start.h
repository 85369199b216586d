// Starting lagturnering inside an application that is already set up: its own main and uiscript
// both call this before running the event loop.
#pragma once
#include <string>
#include <vector>

// Shows the window of the variant the arguments choose ("--total": the total variant, else the
// relative one) as the program's window, in the current directory.
void startLagturnering(const std::vector<std::string>& args);
