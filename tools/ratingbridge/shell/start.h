// Starting ratingbridge inside an application that is already set up: its own main and uiscript
// both call this before running the event loop.
#pragma once
#include <string>
#include <vector>

// Shows the window "Ranking från LOTT-turnering" as the program's window, in the current
// directory, whose "TALLA" the exports go to. The tool takes no arguments; any are ignored.
void startRatingbridge(const std::vector<std::string>& args);
