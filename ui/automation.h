// Automation of a running program through its real windows, for uiscript and the scenario
// tests. Enabled, message boxes take queued answers instead of waiting for the user and
// printing writes "print-N.pdf" files in the working directory.
#pragma once
#include <string>
#include <vector>

namespace ui::automation {

// Receives the events uiscript prints.
struct Listener {
    virtual ~Listener() = default;
    virtual void windowShown(const std::string& caption) = 0;
    virtual void windowClosed(const std::string& caption) = 0;
    virtual void captionChanged(const std::string& caption) = 0;
    virtual void messageShown(int number) = 0;
    // A program asked to show a folder in the desktop's file manager (none is started).
    virtual void folderOpened(const std::string& /*path*/) {}
};

void enable(Listener* listener); // before the program starts
bool enabled();

// A control named by its numeric id, or by its exact caption.
struct ControlRef {
    int id = 0;
    std::string caption;
    bool byCaption = false;
};

// Every step returns an empty string when done, else the reason it could not be carried out.
std::string menu(const ControlRef& item); // menu of the active window, else the main window's
std::string setText(const ControlRef& control, const std::string& text);
std::string setChecked(const ControlRef& control, bool on);
std::string select(const ControlRef& control, const std::vector<int>& rows);
std::string doubleClick(const ControlRef& control, int row);
std::string press(const ControlRef& control);
std::string tick(int times);
std::string chooseDirectory(const std::string& path);
std::string closeActive();
// Presses a key (written as Qt writes it: "F1", "Shift+F1", "Ctrl+W", "Esc") in the active
// window: runs the menu item, button or window command it is bound to.
std::string key(const std::string& keys);
std::string dump(std::vector<std::string>& lines);
// Saves a picture of the active window, as drawn, to `path` (PNG).
std::string shot(const std::string& path);
void queueAnswers(const std::vector<int>& answers); // for the next message boxes (default 1)

// Runs everything pending: posted messages, closing windows, the toolkit's own events.
void settle();
// True while the program's window (its main window, or a tool's own window) is open.
bool programRunning();

} // namespace ui::automation
