#include "ui/window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QObject>
#include <QWindow>

#include "ui/automation.h"
#include "ui/detail/help_key.h"
#include "ui/detail/runtime.h"
#include "ui/detail/window_impl.h"
#include "ui/main_window.h"

namespace ui {
namespace detail {

QString toQ(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
std::string fromQ(const QString& s) {
    return s.toUtf8().toStdString();
}

std::string stripMnemonic(const std::string& caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i; // "&&" keeps one "&"
        out += caption[i];
    }
    return out;
}

namespace {
// Turns the frame's close button into the window's own closing rule.
class FrameCloseFilter : public QObject {
  public:
    FrameCloseFilter(QObject* parent, WindowImpl& impl) : QObject(parent), impl_(impl) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == impl_.widget && event->type() == QEvent::Close) {
            event->ignore();
            if (!impl_.closed) {
                if (impl_.frameClose)
                    impl_.frameClose();
                else
                    impl_.self->close();
            }
            return true;
        }
        return false;
    }

  private:
    WindowImpl& impl_;
};
} // namespace

void installFrameClose(WindowImpl& impl) {
    impl.widget->installEventFilter(new FrameCloseFilter(impl.widget, impl));
}

void WindowImpl::showWidget(bool maximized) {
    if (closed) return;
    // Every other window stays above the main window, without the toolkit owning it.
    const MainWindow* main = MainWindow::instance();
    if (main && main != self && main->impl().widget) {
        QWidget* frame = main->impl().widget;
        frame->winId();
        widget->winId();
        if (widget->windowHandle() && frame->windowHandle())
            widget->windowHandle()->setTransientParent(frame->windowHandle());
    }
    if (maximized)
        widget->showMaximized();
    else
        widget->show();
    widget->raise();
    widget->activateWindow();
    if (!shown) {
        shown = true;
        offerGuide(*this);
        opened(self);
        if (auto* l = listener()) l->windowShown(fromQ(widget->windowTitle()));
    }
}

void WindowImpl::closeWindow() {
    if (closed) return;
    closed = true;
    for (auto& [id, timer] : timers)
        timer.first->stop();
    widget->hide();
    const bool wasShown = shown;
    if (wasShown) {
        closedWindow(self);
        if (auto* l = listener()) l->windowClosed(fromQ(widget->windowTitle()));
    }
    if (modalLoop) modalLoop->quit();
    // A modal dialog belongs to the code that ran execute(); that code deletes it.
    const bool ownedByCaller = modalLoop != nullptr;
    Window* w = self;
    w->onDestroy();
    if (wasShown && !ownedByCaller) later([w] { delete w; });
    requestRefresh();
    // Closing the program's window ends the program (under automation the script decides).
    if (w == programWindow())
        later([] {
            if (!automation::enabled()) QCoreApplication::quit();
        });
}

} // namespace detail

Window::Window(Window* parent) : impl_(std::make_unique<detail::WindowImpl>()) {
    impl_->self = this;
    impl_->parent = parent;
}

Window::~Window() {
    for (auto& [id, timer] : impl_->timers)
        delete timer.first;
    impl_->timers.clear();
    if (!impl_->closed && impl_->shown) detail::closedWindow(this);
    if (detail::programWindow() == this) detail::setProgramWindow(nullptr);
    delete impl_->widget;
}

void Window::show() {
    impl_->showWidget(false);
}
void Window::close() {
    impl_->closeWindow();
}
bool Window::isOpen() const {
    return impl_->shown && !impl_->closed;
}
std::string Window::caption() const {
    return detail::fromQ(impl_->widget->windowTitle());
}

void Window::setCaption(const std::string& caption) {
    if (caption == this->caption()) return;
    impl_->widget->setWindowTitle(detail::toQ(caption));
    if (isOpen())
        if (auto* l = detail::listener()) l->captionChanged(caption);
}

Window* Window::parent() const {
    return impl_->parent;
}

void Window::startTimer(int id, int periodMs, std::function<void()> handler) {
    auto& slot = impl_->timers[id];
    if (!slot.first) {
        slot.first = new QTimer();
        QObject::connect(slot.first, &QTimer::timeout, [this, id] {
            auto it = impl_->timers.find(id);
            if (it != impl_->timers.end() && it->second.second) it->second.second();
        });
    }
    slot.second = std::move(handler);
    slot.first->start(periodMs);
}

void Window::stopTimer(int id) {
    auto it = impl_->timers.find(id);
    if (it != impl_->timers.end()) it->second.first->stop();
}

void Window::post(int message) {
    detail::later([message] { detail::dispatchMessage(message); });
}

} // namespace ui
