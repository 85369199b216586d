// rank's application object: creates the main window and runs the event loop.
#pragma once
#include "ui/app.h"

namespace rank {

class FDemoApp {
  public:
    FDemoApp(int& argc, char** argv) : app_(argc, argv) {}
    // The frame "Rankingverktyg" with menu and status bar, shown maximised.
    static void InitMainWindow();
    int Run();

  private:
    ui::Application app_;
};

} // namespace rank
