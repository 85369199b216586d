// The user guide inside the programs: "Handbok" opens the installed guide in a help window at
// the chapter for the window in focus. Qt-free, so that resource tables name the chapters.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace ui {

// Which chapter of the guide explains which window of a program. Chapters are named by their
// heading as written in the guide.
struct HelpTopics {
    std::string start; // the chapter of the main window, and of any window not listed
    // A window's caption, or the beginning of it (report captions carry a tournament's name),
    // with its chapter; the longest matching caption wins.
    std::vector<std::pair<std::string, std::string>> windows;
};

// The program's chapters; set once at start. Until set, no window offers the guide.
void setHelpTopics(const HelpTopics& topics);
// The chapter for a window with this caption.
std::string helpChapter(const std::string& caption);

// Opens the help window (or brings it forward) at the chapter of the window in focus.
void showGuide();
// Opens it at the chapter with this heading.
void showGuide(const std::string& heading);

} // namespace ui
