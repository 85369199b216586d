// Process-wide machinery of the ui layer: the queue of work that runs after the current handler
// has returned (posted messages, deletion of closed windows), the open windows in the order
// they appeared, and the automation listener.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace ui {
class Window;
namespace automation {
struct Listener;
}
} // namespace ui

namespace ui::detail {

// Queues `work` to run after the current handler has returned, in queueing order.
void later(std::function<void()> work);
// Runs queued work, one item at a time; returns how many items ran. Does nothing while an
// outer call is still running an item (a modal box inside a handler), so items never overlap.
int drain();
bool pending();

// While one exists, queued work waits: a message box shown inside a handler does not let posted
// messages run before that handler has returned.
class HoldQueue {
  public:
    HoldQueue();
    ~HoldQueue();
    HoldQueue(const HoldQueue&) = delete;
    HoldQueue& operator=(const HoldQueue&) = delete;
};

// Hands a posted private message to the main window's handler.
void dispatchMessage(int message);
// Queues one run of the main window's refresh handler (see MainWindow::onRefresh); several
// requests before it runs make one run.
void requestRefresh();

// Open windows, oldest first; the last is the active one.
void opened(Window* w);
void closedWindow(Window* w);
const std::vector<Window*>& openWindows();

// The window whose closing ends the program: one shown as the program's own window (a tool's only
// window), else the main window; null when there is neither.
void setProgramWindow(Window* w);
Window* programWindow();

automation::Listener* listener(); // null unless automated
void setListener(automation::Listener* l);
int nextAnswer(); // next queued message-box answer (1 when none)
void pushAnswers(const std::vector<int>& answers);
int nextPrintNumber(); // 1, 2, ... for "print-N.pdf"

} // namespace ui::detail
