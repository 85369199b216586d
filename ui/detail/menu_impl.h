// A window's menu bar built from a menu resource, with handlers bound by command id.
#pragma once
#include <QAction>
#include <QMenuBar>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/resource.h"

namespace ui::detail {

struct MenuImpl {
    MenuResource resource;
    std::map<int, std::function<void()>> handlers;
    std::map<int, QAction*> actions;

    // Fills `bar` with the popups; each item runs its bound handler.
    void build(QMenuBar* bar);
    void run(int id);
    // The id of the item with this id or caption (with or without its "&"), 0 when none.
    int find(int id, const std::string& caption, bool byCaption) const;
    // The menu as automation's dump prints it.
    void dump(std::vector<std::string>& lines) const;
};

} // namespace ui::detail
