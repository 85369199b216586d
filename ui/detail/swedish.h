// Qt's own dialogs (print, page set-up, file choice, standard buttons) in Swedish, as the rest
// of every program: Qt's Swedish translation (Debian's qt6-translations-l10n) and the Swedish
// locale (millimetres and A4 in the page set-up), installed once when the application starts.
#pragma once

namespace ui::detail {

// Loads the translations into the running application; missing translation files leave Qt's
// own English texts. Returns whether Qt's Swedish translation was found.
bool installSwedish();

} // namespace ui::detail
