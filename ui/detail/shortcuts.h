// The keys every program answers the same way, bound by caption: a menu item or button captioned
// "&Skriv ut" prints on Ctrl+P, one captioned "&Hjälp" opens help on F1.
#pragma once
#include <QKeySequence>
#include <string>

namespace ui::detail {

// The standard key of a command with this caption (with or without its "&"), or an empty key.
QKeySequence standardShortcut(const std::string& caption);

} // namespace ui::detail
