// Performs a parsed script on the running program, one step at a time inside the event loop,
// so that a step that opens a modal window still lets the following steps reach it.
#pragma once
#include <string>
#include <vector>

#include "ui/automation.h"
#include "ui/automation_script.h"

namespace uiscript {

// Prints the program's events, one a line, as they happen.
class EventPrinter : public ui::automation::Listener {
  public:
    void windowShown(const std::string& caption) override;
    void windowClosed(const std::string& caption) override;
    void captionChanged(const std::string& caption) override;
    void messageShown(int number) override;
    void folderOpened(const std::string& path) override;
};

class Runner {
  public:
    explicit Runner(std::vector<ui::automation::Step> steps) : steps_(std::move(steps)) {}
    // Schedules the first step after `program`; the event loop then runs the script through.
    void start();

  private:
    void next();
    std::string perform(const ui::automation::Step& step);
    [[noreturn]] void finish(int status);

    std::vector<ui::automation::Step> steps_;
    std::size_t at_ = 1; // steps_[0] is the program step
};

} // namespace uiscript
