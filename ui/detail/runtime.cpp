#include "ui/detail/runtime.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <algorithm>
#include <deque>

#include "ui/automation.h"
#include "ui/main_window.h"

namespace ui::detail {
namespace {

struct Runtime {
    std::deque<std::function<void()>> queue;
    bool scheduled = false;
    bool running = false;
    int held = 0;
    std::vector<Window*> open;
    Window* program = nullptr;
    automation::Listener* listener = nullptr;
    std::deque<int> answers;
    int prints = 0;
};

Runtime& rt() {
    static Runtime r;
    return r;
}

void schedule() {
    if (rt().scheduled || !QCoreApplication::instance()) return;
    rt().scheduled = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            rt().scheduled = false;
            drain();
        },
        Qt::QueuedConnection);
}

} // namespace

void later(std::function<void()> work) {
    rt().queue.push_back(std::move(work));
    schedule();
}

int drain() {
    if (rt().running || rt().held > 0) return 0;
    int ran = 0;
    rt().running = true;
    while (!rt().queue.empty()) {
        auto work = std::move(rt().queue.front());
        rt().queue.pop_front();
        work();
        ++ran;
    }
    rt().running = false;
    return ran;
}

bool pending() {
    return !rt().queue.empty();
}

HoldQueue::HoldQueue() {
    ++rt().held;
}

HoldQueue::~HoldQueue() {
    if (--rt().held == 0 && !rt().queue.empty()) schedule();
}

void opened(Window* w) {
    rt().open.push_back(w);
}

void closedWindow(Window* w) {
    auto& open = rt().open;
    open.erase(std::remove(open.begin(), open.end(), w), open.end());
}

const std::vector<Window*>& openWindows() {
    return rt().open;
}

void setProgramWindow(Window* w) {
    rt().program = w;
}

Window* programWindow() {
    if (rt().program) return rt().program;
    return MainWindow::instance();
}

automation::Listener* listener() {
    return rt().listener;
}
void setListener(automation::Listener* l) {
    rt().listener = l;
}

int nextAnswer() {
    if (rt().answers.empty()) return 1;
    int a = rt().answers.front();
    rt().answers.pop_front();
    return a;
}

void pushAnswers(const std::vector<int>& answers) {
    rt().answers.insert(rt().answers.end(), answers.begin(), answers.end());
}

int nextPrintNumber() {
    return ++rt().prints;
}

} // namespace ui::detail
