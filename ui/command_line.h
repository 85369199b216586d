// The command line every program answers before it opens a window: --help, --version and a wrong
// argument. Qt-free, so that a program's main asks it before the toolkit is set up (no display is
// needed to read the usage).
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace ui {

// What a program says about itself on its command line.
struct Usage {
    struct Option {
        std::string flag; // "--total"
        std::string text; // what it chooses
    };
    std::string program;            // "lott"
    std::vector<std::string> about; // what the program does and the directory it works in
    std::vector<Option> options;    // the program's own options (a tool's variant)
};

// Answers `args` (argv without the program name). Writes the usage or the version to `out` and
// returns 0; writes why a wrong argument is wrong to `err` and returns 2; returns -1 when the
// program should start (no arguments, or only its own options).
int answerCommandLine(const std::vector<std::string>& args, const Usage& usage, std::ostream& out,
                      std::ostream& err);

} // namespace ui
