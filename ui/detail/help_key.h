// The key that opens the user guide in every window of a program: F1, or Shift+F1 where a
// documented "&Hjälp" button or menu item already answers F1.
#pragma once

namespace ui::detail {

struct WindowImpl;

// Binds the key in a window being shown for the first time (nothing until the program has set
// its help topics).
void offerGuide(WindowImpl& impl);

} // namespace ui::detail
