// The toolkit side of a dialog: its controls by id and its response table.
#pragma once
#include <QDialog>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/resource.h"
#include "ui/window.h"

namespace ui::detail {

struct ControlSlot {
    Control def;
    QWidget* widget = nullptr;
    std::string text; // statics, buttons, checks, radios: the caption as set (with "&")
};

struct DialogImpl {
    Dialog* self = nullptr;
    DialogResource resource;
    QDialog* dialog = nullptr;
    std::vector<ControlSlot> controls; // resource order
    std::map<int, std::function<void()>> buttons, doubleClicks, selectionChanges, textChanges;

    // Builds the widgets of every control into `dialog`.
    void build();
    ControlSlot* find(int id);
    const ControlSlot* find(int id) const;
    // The control with this id, or this caption (with or without its "&").
    ControlSlot* find(int id, const std::string& caption, bool byCaption);

    // What a user's action on a control runs.
    void clicked(int id);
    static void run(const std::map<int, std::function<void()>>& table, int id);
    void fillDirectory(ControlSlot& slot);
};

// Case-insensitive order of sorted lists.
bool sortsBefore(const std::string& a, const std::string& b);

} // namespace ui::detail
