// How dialogs built from resources look to a user: fields as wide as their text, and Tab moving
// only between the fields to be filled.
#include <QFontMetrics>
#include <QLineEdit>

#include "tests/ui/ui_fixture.h"
#include "ui/detail/dialog_impl.h"
#include "ui/detail/window_impl.h"
#include "ui/window.h"

namespace {

using ui::Kind;

// Two rows of a registration form, and a player field that is sized without a length limit.
const ui::DialogResource& formResource() {
    static const ui::DialogResource r{
        901,
        "Form",
        4,
        {
            {201, Kind::ReadOnlyEdit, "1", 0, 0, 1, 1, 4},
            {202, Kind::Edit, "", 0, 1, 1, 1, 29},
            {203, Kind::Edit, "", 0, 2, 1, 1, 4},
            {211, Kind::ReadOnlyEdit, "2", 1, 0, 1, 1, 4},
            {212, Kind::Edit, "", 1, 1, 1, 1, 29},
            {213, Kind::Edit, "", 1, 2, 1, 1, 4},
            {220, Kind::ReadOnlyEdit, "", 2, 0, 1, 3, 0, 0, 30},
            {ui::IDOK, Kind::DefaultButton, "&Klar", 3, 0},
        },
    };
    return r;
}

class DialogLayoutTest : public uitest::UiTest {};

QWidget* widget(ui::Dialog& d, int id) {
    return d.impl().dialog->find(id)->widget;
}

// The control that Tab moves to from `id`.
int nextTabStop(ui::Dialog& d, int id) {
    QWidget* w = widget(d, id)->nextInFocusChain();
    for (; w != widget(d, id); w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            for (const auto& s : d.impl().dialog->controls)
                if (s.widget == w) return s.def.id;
    return 0;
}

TEST_F(DialogLayoutTest, FieldsAreAsWideAsTheTextTheyTake) {
    auto* d = new ui::Dialog(&uitest::mainWindow(), formResource());
    d->show();
    const QFontMetrics fm = widget(*d, 202)->fontMetrics();
    const int number = widget(*d, 201)->width();
    const int ranking = widget(*d, 203)->width();
    const int name = widget(*d, 202)->width();
    // A four-digit number shows in full, in a field far narrower than a name's.
    EXPECT_GT(ranking, fm.horizontalAdvance("2400"));
    EXPECT_EQ(number, ranking);
    EXPECT_LT(2 * ranking, name);
    // A long name shows in full.
    EXPECT_GT(name, fm.horizontalAdvance("Karl-Åke Mårtensson Ek") + 8);
    // A field sized for 30 characters is wider than a name's and still takes any text.
    EXPECT_GT(widget(*d, 220)->minimumWidth(), widget(*d, 202)->minimumWidth());
    const std::string player = "123. Karl-Åke Mårtensson Lindqvist-Östergren 2145";
    d->setText(220, player);
    EXPECT_EQ(d->text(220), player);
}

TEST_F(DialogLayoutTest, TabSkipsReadOnlyFields) {
    auto* d = new ui::Dialog(&uitest::mainWindow(), formResource());
    d->show();
    EXPECT_EQ(nextTabStop(*d, 202), 203);
    EXPECT_EQ(nextTabStop(*d, 203), 212); // not the start number 2 between them
    EXPECT_EQ(nextTabStop(*d, 213), ui::IDOK);
    // A field that code makes read-only leaves the order, and comes back when writable again.
    d->setReadOnly(212);
    EXPECT_EQ(nextTabStop(*d, 203), 213);
    d->setReadOnly(212, false);
    EXPECT_EQ(nextTabStop(*d, 203), 212);
    // A click still reaches a read-only field, so that its text can be selected and copied.
    EXPECT_TRUE(widget(*d, 201)->focusPolicy() & Qt::ClickFocus);
}

} // namespace
