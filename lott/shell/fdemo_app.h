// lott's application object: creates the main window and runs the event loop.
#pragma once
#include "ui/app.h"

class FDemoApp {
  public:
    FDemoApp(int& argc, char** argv) : app_(argc, argv) {}
    // The frame "Turneringsverktyg" with menu and status bar, shown maximised.
    static void InitMainWindow();
    int Run();

  private:
    ui::Application app_;
};
