// The programs uiscript can start, by name: each entry creates the program's main window in the
// running application, as the program's own main does.
#pragma once
#include <string>
#include <vector>

namespace uiscript {

// Receives the program's own command-line arguments (those after its name on the `program` line).
using StartFunction = void (*)(const std::vector<std::string>& args);
// The start function of program `name`, or null when uiscript does not know it.
StartFunction findProgram(const std::string& name);

} // namespace uiscript
