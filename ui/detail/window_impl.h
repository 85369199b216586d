// The toolkit side of a window: its top-level widget, timers and closing.
#pragma once
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/window.h"

namespace ui::detail {

struct DialogImpl;
struct MenuImpl;

struct WindowImpl {
    Window* self = nullptr;
    Window* parent = nullptr;
    QWidget* widget = nullptr; // the top-level widget; deleted with the window
    bool shown = false;
    bool closed = false;
    std::map<int, std::pair<QTimer*, std::function<void()>>> timers;

    QEventLoop* modalLoop = nullptr; // while execute() runs
    int modalResult = IDCANCEL;

    DialogImpl* dialog = nullptr;     // set for dialogs
    MenuImpl* menu = nullptr;         // set for windows with a menu (main and report windows)
    std::function<void()> frameClose; // what closing by the frame does (default: close)
    std::function<void(std::vector<std::string>&)> dumpBody; // automation's dump of the contents

    // Shows the widget and announces it.
    void showWidget(bool maximized);
    // Hides the window, stops its timers, runs the destroy hook and queues its deletion.
    void closeWindow();
};

// A widget whose frame-close button goes through the owning window.
void installFrameClose(WindowImpl& impl);

QString toQ(const std::string& s);
std::string fromQ(const QString& s);
std::string stripMnemonic(const std::string& caption);

} // namespace ui::detail
