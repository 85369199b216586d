#include "ui/main_window.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QStatusBar>
#include <map>

#include "ui/detail/menu_impl.h"
#include "ui/detail/runtime.h"
#include "ui/detail/window_impl.h"

namespace ui {
namespace {
MainWindow* theMain = nullptr;
std::map<int, std::function<void()>> messageHandlers;
} // namespace

namespace detail {
void dispatchMessage(int message) {
    if (!theMain || theMain->impl().closed) return;
    auto it = messageHandlers.find(message);
    if (it == messageHandlers.end()) return;
    auto handler = it->second;
    handler();
}
} // namespace detail

MainWindow::MainWindow(const std::string& title, const MenuResource& menu) : Window(nullptr) {
    auto* frame = new QMainWindow();
    frame->setWindowTitle(detail::toQ(title));
    frame->setCentralWidget(new QWidget());
    frame->statusBar()->showMessage(QString());
    impl().widget = frame;
    impl().menu = new detail::MenuImpl{menu, {}, {}};
    impl().menu->build(frame->menuBar());
    detail::installFrameClose(impl());
    impl().dumpBody = [this](std::vector<std::string>& lines) { impl().menu->dump(lines); };
    theMain = this;
}

MainWindow::~MainWindow() {
    if (theMain == this) theMain = nullptr;
    messageHandlers.clear();
    delete impl().menu;
}

void MainWindow::showMaximized() {
    impl().showWidget(true);
}

void MainWindow::onCommand(int id, std::function<void()> handler) {
    impl().menu->handlers[id] = std::move(handler);
}

void MainWindow::onMessage(int message, std::function<void()> handler) {
    messageHandlers[message] = std::move(handler);
}

void MainWindow::setStatusText(const std::string& text) {
    static_cast<QMainWindow*>(impl().widget)->statusBar()->showMessage(detail::toQ(text));
}

MainWindow* MainWindow::instance() {
    return theMain;
}

} // namespace ui
