// A uiscript script: one step a line; a line whose first non-blank character is "#" is a
// comment (so "#" may appear inside texts); controls are named by numeric id or by exact caption
// in double quotes.
#pragma once
#include <string>
#include <vector>

#include "ui/automation.h"

namespace ui::automation {

struct Step {
    int line = 0; // 1-based line number in the script
    // program, today, menu, set, check, uncheck, select, dblclick, press, answer, tick, dir, close,
    // dump, shot, key
    std::string verb;
    ControlRef control;       // menu, set, check, uncheck, select, dblclick, press
    std::vector<int> numbers; // select rows, dblclick row, answer buttons, tick count
    std::string text;         // program name, set text, dir path, shot file, today's moment, key
    std::vector<std::string> args; // program: the program's own command-line arguments
};

// Parses a whole script; on a malformed line returns false with `error` naming the line.
bool parseScript(const std::string& source, std::vector<Step>& steps, std::string& error);

} // namespace ui::automation
