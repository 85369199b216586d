// The one printer of a program, shared by every report window and the page set-up dialog.
#pragma once
#include <QPrinter>

namespace ui::detail {
QPrinter& sharedPrinter();
}
