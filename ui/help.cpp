#include "ui/help.h"

#include <QAction>
#include <QKeySequence>

#include "ui/detail/dialog_impl.h"
#include "ui/detail/help_key.h"
#include "ui/detail/help_window.h"
#include "ui/detail/menu_impl.h"
#include "ui/detail/runtime.h"
#include "ui/detail/shortcuts.h"
#include "ui/detail/window_impl.h"

namespace ui {
namespace {
HelpTopics topics;
bool topicsSet = false;

// The window the user is in: the newest open window that is not the help window itself.
Window* windowInFocus() {
    const auto& open = detail::openWindows();
    for (auto it = open.rbegin(); it != open.rend(); ++it)
        if (!detail::isHelpWindow(*it)) return *it;
    return nullptr;
}

// Whether a documented help button or menu item of the window already answers F1.
bool f1Taken(const detail::WindowImpl& impl) {
    const QKeySequence f1(Qt::Key_F1);
    if (impl.dialog)
        for (const auto& slot : impl.dialog->controls)
            if (detail::standardShortcut(slot.def.caption) == f1) return true;
    if (impl.menu)
        for (const auto& popup : impl.menu->resource.popups)
            for (const auto& item : popup.items)
                if (item.id && detail::standardShortcut(item.caption) == f1) return true;
    return false;
}
} // namespace

void setHelpTopics(const HelpTopics& t) {
    topics = t;
    topicsSet = true;
}

std::string helpChapter(const std::string& caption) {
    std::string best = topics.start;
    std::size_t bestLength = 0;
    for (const auto& [window, chapter] : topics.windows)
        if (caption.rfind(window, 0) == 0 && window.size() > bestLength) {
            best = chapter;
            bestLength = window.size();
        }
    return best;
}

void showGuide() {
    Window* w = windowInFocus();
    showGuide(w ? helpChapter(w->caption()) : topics.start);
}

void showGuide(const std::string& heading) {
    detail::openHelpWindow(heading);
}

namespace detail {
void offerGuide(WindowImpl& impl) {
    if (!topicsSet || isHelpWindow(impl.self)) return;
    const QKeySequence key = f1Taken(impl) ? QKeySequence(Qt::SHIFT | Qt::Key_F1) : QKeySequence(Qt::Key_F1);
    // A "Handbok" menu item carries the key itself, so that the menu shows it.
    if (impl.menu)
        for (const auto& popup : impl.menu->resource.popups)
            for (const auto& item : popup.items)
                if (item.id && stripMnemonic(item.caption) == "Handbok") {
                    if (auto it = impl.menu->actions.find(item.id); it != impl.menu->actions.end())
                        it->second->setShortcut(key);
                    return;
                }
    auto* action = new QAction(impl.widget);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, [] { showGuide(); });
    impl.widget->addAction(action);
}
} // namespace detail

} // namespace ui
