#include "ui/detail/menu_impl.h"

#include <QMenu>

#include "ui/detail/runtime.h"
#include "ui/detail/shortcuts.h"
#include "ui/detail/window_impl.h"

namespace ui::detail {

void MenuImpl::build(QMenuBar* bar) {
    for (const auto& popup : resource.popups) {
        QMenu* menu = bar->addMenu(toQ(popup.caption));
        for (const auto& item : popup.items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(toQ(item.caption));
            action->setStatusTip(toQ(item.hint));
            action->setShortcut(standardShortcut(item.caption));
            const int id = item.id;
            QObject::connect(action, &QAction::triggered, [this, id] { run(id); });
            actions[id] = action;
        }
    }
}

void MenuImpl::run(int id) {
    auto it = handlers.find(id);
    if (it == handlers.end()) return;
    auto handler = it->second; // a copy: the handler may close the window that owns the menu
    handler();
    requestRefresh();
}

int MenuImpl::find(int id, const std::string& caption, bool byCaption) const {
    for (int pass = 0; pass < 2; ++pass)
        for (const auto& popup : resource.popups)
            for (const auto& item : popup.items) {
                if (item.id == 0) continue;
                if (!byCaption && item.id == id) return id;
                if (byCaption &&
                    (pass == 0 ? item.caption == caption : stripMnemonic(item.caption) == caption))
                    return item.id;
            }
    return 0;
}

void MenuImpl::dump(std::vector<std::string>& lines) const {
    for (const auto& popup : resource.popups) {
        lines.push_back("menu \"" + popup.caption + "\"");
        for (const auto& item : popup.items)
            lines.push_back(item.id == 0 ? std::string("    -")
                                         : "    " + std::to_string(item.id) + " \"" + item.caption + "\"");
    }
}

} // namespace ui::detail
