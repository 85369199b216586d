// The main window of a program: a maximised frame with a menu and a status bar. Menu commands
// and posted private messages are bound to handlers by number. One main window per program.
#pragma once
#include <functional>
#include <string>

#include "ui/resource.h"
#include "ui/window.h"

namespace ui {

class MainWindow : public Window {
  public:
    // A frame titled `title` with the menu `menu` and a status bar; shown by showMaximized().
    MainWindow(const std::string& title, const MenuResource& menu);
    ~MainWindow() override;

    void showMaximized();                                       // shows the frame full-screen
    void onCommand(int id, std::function<void()> handler);      // menu command `id`
    void onMessage(int message, std::function<void()> handler); // private message posted by post()
    void setStatusText(const std::string& text);                // status bar text
    static MainWindow* instance();                              // the program's main window, or null
};

} // namespace ui
