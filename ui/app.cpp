#include "ui/app.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QPageSetupDialog>
#include <QScreen>
#include <QUrl>

#include "ui/automation.h"
#include "ui/detail/printer.h"
#include "ui/detail/runtime.h"
#include "ui/detail/swedish.h"
#include "ui/detail/window_impl.h"
#include "ui/main_window.h"
#include "ui/window.h"

namespace ui {

struct Application::Impl {
    Impl(int& argc, char** argv) : app(argc, argv) {}
    QApplication app;
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>(argc, argv)) {
    QApplication::setQuitOnLastWindowClosed(false); // the program ends when its main window closes
    detail::installSwedish();
}

Application::~Application() = default;

int Application::run() {
    if (!detail::programWindow()) return 0;
    return QApplication::exec();
}

int screenWidth() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 1024;
}

int screenHeight() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() : 768;
}

namespace detail {
QPrinter& sharedPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}
} // namespace detail

bool openFolder(const std::string& path) {
    if (automation::enabled()) {
        if (auto* l = detail::listener()) l->folderOpened(path);
        return true;
    }
    if (QGuiApplication::platformName() == "offscreen") return false;
    const QString absolute = QDir(QString::fromStdString(path)).absolutePath();
    return QDesktopServices::openUrl(QUrl::fromLocalFile(absolute));
}

void printerSetup(Window* parent) {
    if (automation::enabled()) return;
    QPageSetupDialog dialog(&detail::sharedPrinter(),
                            parent && parent->isOpen() ? parent->impl().widget : nullptr);
    dialog.exec();
}

} // namespace ui
