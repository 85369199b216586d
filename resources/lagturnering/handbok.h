// How lagturnering explains itself: its command line and the guide's chapter for each of its windows.
#pragma once
#include "ui/command_line.h"
#include "ui/help.h"

namespace lagturneringres {

const ui::Usage& usage();
const ui::HelpTopics& helpTopics();

} // namespace lagturneringres
