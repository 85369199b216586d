// The help window: the installed user guide in a text browser with back, forward and search.
// One per program; opening it again brings it forward at the new chapter.
#pragma once
#include <string>

namespace ui {
class Window;
}

namespace ui::detail {

// Shows the guide at the chapter headed `heading` (its start when no heading matches).
void openHelpWindow(const std::string& heading);
bool isHelpWindow(const Window* w);

} // namespace ui::detail
