// What every program gets from the ui layer alike: Ctrl+P and F1 on the commands captioned for
// them, and Qt's own dialogs in Swedish.
#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include "tests/ui/ui_fixture.h"
#include "ui/detail/window_impl.h"
#include "ui/report_window.h"
#include "ui/window.h"

namespace {

class StandardKeys : public uitest::UiTest {};

const ui::DialogResource& helpDialog() {
    static const ui::DialogResource r{
        901,
        "Med hjälp",
        1,
        {{ui::IDOK, ui::Kind::DefaultButton, "&Kör", 0, 0}, {77, ui::Kind::Button, "&Hjälp", 1, 0}}};
    return r;
}

TEST_F(StandardKeys, AMenuItemOrButtonCaptionedForItAnswersItsKey) {
    // A report window's "&Skriv ut" and a main-window-like menu's "&Hjälp".
    static const ui::MenuResource menu{
        "M",
        {{"&Alternativ", {{1, "&Skriv ut", ""}, {2, "Stäng fönster", ""}}}, {"&Hjälp", {{3, "&Hjälp", ""}}}}};
    struct Report : ui::ReportWindow {
        Report() : ReportWindow(&uitest::mainWindow(), "R", menu) {}
        void paint(ui::Canvas&) override {}
    };
    auto* r = new Report();
    r->show();
    std::map<QString, QKeySequence> keys;
    for (QAction* a : r->impl().widget->findChildren<QAction*>())
        keys[a->text()] = a->shortcut();
    EXPECT_EQ(keys["&Skriv ut"], QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(keys["&Hjälp"], QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(keys["Stäng fönster"].isEmpty());
    r->close();

    // A dialog's "&Hjälp" button: F1 anywhere in the dialog presses it.
    auto* d = new ui::Dialog(&uitest::mainWindow(), helpDialog());
    int pressed = 0;
    d->onButton(77, [&pressed] { ++pressed; });
    d->show();
    const auto shortcuts = d->impl().widget->findChildren<QShortcut*>();
    ASSERT_EQ(shortcuts.size(), 1);
    EXPECT_EQ(shortcuts[0]->key(), QKeySequence(Qt::Key_F1));
    emit shortcuts[0]->activated();
    EXPECT_EQ(pressed, 1);
    d->close();
}

TEST_F(StandardKeys, QtsOwnDialogsSpeakSwedish) {
    // Texts of today's print, preview and file dialogs and the standard buttons, from our table.
    const struct {
        const char* context;
        const char* source;
        const char* swedish;
    } cases[] = {{"QPrintDialog", "Print to File (PDF)", "Skriv ut till fil (PDF)"},
                 {"QPrintWidget", "Output &file:", "&Fil:"},
                 {"QPrintSettingsOutput", "Pages from", "Sidor från"},
                 {"QPageSetupWidget", "Landscape", "Liggande"},
                 {"QPrintPreviewDialog", "Next page", "Nästa sida"},
                 {"QPlatformTheme", "Cancel", "Avbryt"},
                 {"QFileDialog", "File &name:", "Fil&namn:"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(QCoreApplication::translate(c.context, c.source), QString::fromUtf8(c.swedish));
    }
    // The rest from Qt's own Swedish translation, which scripts/setup installs.
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qt_sv.qm")) {
        EXPECT_EQ(QCoreApplication::translate("QColorDialog", "&Basic colors"),
                  QString::fromUtf8("&Basfärger"));
    }
    EXPECT_EQ(QLocale().language(), QLocale::Swedish);
}

} // namespace
