// Qt's own dialogs (print, page set-up, print preview, file choice, standard buttons) in Swedish,
// as the rest of every program: Qt's Swedish translation (Debian's qt6-translations-l10n), our
// own Swedish for the texts of today's dialogs that it lacks, and the Swedish locale
// (millimetres in the page set-up), installed once when the application starts.
#pragma once

class QObject;
class QTranslator;

namespace ui::detail {

// Loads the translations into the running application. Without Qt's translation file only the
// texts of our own table are Swedish. Returns whether Qt's Swedish translation was found.
bool installSwedish();
// The Swedish texts of Qt's dialogs that Qt's own Swedish translation lacks; consulted first.
QTranslator* swedishTexts(QObject* parent);

} // namespace ui::detail
