// The main window of a program: a maximised frame with a menu and a status bar. Menu commands
// and posted private messages are bound to handlers by number. One main window per program.
//
// Its client area may show a read-only overview (a table of what the program's folder holds),
// which the program fills in its refresh handler: the ui layer calls that handler after every
// menu command, every posted message and every window that closes, so the overview follows
// each step of the user's work without the program tracking them.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/resource.h"
#include "ui/window.h"

namespace ui {

// What the main window's overview shows: a line above the table (where the program works), the
// column headings, the rows, and the text shown in place of the rows when there are none.
struct Overview {
    std::string place;
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
    std::string empty;
};

class MainWindow : public Window {
  public:
    // A frame titled `title` with the menu `menu` and a status bar; shown by showMaximized().
    MainWindow(const std::string& title, const MenuResource& menu);
    ~MainWindow() override;

    void showMaximized();                                       // shows the frame full-screen
    void onCommand(int id, std::function<void()> handler);      // menu command `id`
    void onMessage(int message, std::function<void()> handler); // private message posted by post()
    void setStatusText(const std::string& text);                // status bar text
    void setOverview(const Overview& overview);                 // the client area's overview
    void onRefresh(std::function<void()> handler);              // after every step (above)
    void refresh();                                             // runs the refresh handler now
    static MainWindow* instance();                              // the program's main window, or null
};

} // namespace ui
