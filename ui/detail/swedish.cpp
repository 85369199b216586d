#include "ui/detail/swedish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui::detail {

bool installSwedish() {
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    QLocale::setDefault(swedish);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool found = false;
    // "qtbase" holds the dialogs in newer translations; "qt" is the catalogue Debian ships for
    // Swedish. Whichever exists is loaded.
    for (const char* catalogue : {"qtbase", "qt"}) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(swedish, catalogue, "_", folder)) {
            QCoreApplication::installTranslator(translator);
            found = true;
        } else {
            delete translator;
        }
    }
    // Installed last, so consulted first: the texts of today's dialogs.
    QCoreApplication::installTranslator(swedishTexts(QCoreApplication::instance()));
    return found;
}

} // namespace ui::detail
