// Shared set-up of the ui layer's tests: one application on the offscreen platform, automation
// on, and the events it reports collected for the test to inspect.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/app.h"
#include "ui/automation.h"
#include "ui/main_window.h"

namespace uitest {

struct Recorder : ui::automation::Listener {
    std::vector<std::string> events;
    void windowShown(const std::string& c) override { events.push_back("window " + c); }
    void windowClosed(const std::string& c) override { events.push_back("closed " + c); }
    void captionChanged(const std::string& c) override { events.push_back("caption " + c); }
    void messageShown(int n) override { events.push_back("message " + std::to_string(n)); }
};

Recorder& recorder();
// The application, created on first use, with a main window titled "Main" whose command 10 and
// message 1000 are free for tests to bind.
ui::MainWindow& mainWindow();

class UiTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace uitest
