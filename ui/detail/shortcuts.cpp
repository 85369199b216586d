#include "ui/detail/shortcuts.h"

#include "ui/detail/window_impl.h"

namespace ui::detail {

QKeySequence standardShortcut(const std::string& caption) {
    const std::string plain = stripMnemonic(caption);
    if (plain == "Skriv ut") return QKeySequence(Qt::CTRL | Qt::Key_P);
    if (plain == "Hjälp") return QKeySequence(Qt::Key_F1);
    return {};
}

} // namespace ui::detail
