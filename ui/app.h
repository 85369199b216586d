// The application: the toolkit's event loop and the few process-wide services of the ui layer.
#pragma once
#include <memory>
#include <string>

namespace ui {

class Window;

class Application {
  public:
    // Sets up the toolkit; `argc` and `argv` must outlive the application.
    Application(int& argc, char** argv);
    ~Application();
    int run(); // the event loop; returns when the program's window (main window or tool window) has closed

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

int screenWidth();  // full-screen width of the display in pixels
int screenHeight(); // full-screen height of the display in pixels

// Shows `path` in the desktop's file manager; false when there is none to ask. Automated, the
// request goes to the automation listener and no program is started.
bool openFolder(const std::string& path);

// The page set-up dialog of the shared printer (used by every report window).
void printerSetup(Window* parent);

} // namespace ui
