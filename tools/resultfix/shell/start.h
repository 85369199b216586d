// Starting resultfix inside an application that is already set up: its own main and uiscript
// both call this before running the event loop.
#pragma once
#include <string>
#include <vector>

// Shows the window of the variant the arguments choose ("--lag": the team variant, else the
// plain one) as the program's window, on the tournaments of the current directory.
void startResultfix(const std::vector<std::string>& args);
