// Rows of list boxes show capitals with rings and dots (Å, Ä, Ö) whole: each row is at least as
// tall as the ink of those letters with the font's descent below them.
#include <QComboBox>
#include <QFontMetrics>
#include <QListWidget>
#include <algorithm>

#include "tests/ui/ui_fixture.h"
#include "ui/detail/dialog_impl.h"
#include "ui/detail/window_impl.h"
#include "ui/window.h"

namespace {

using ui::Kind;

const ui::DialogResource& listsResource() {
    static const ui::DialogResource r{
        902,
        "Listor",
        2,
        {
            {301, Kind::List, "", 0, 0, 3, 1},
            {302, Kind::SortedList, "", 0, 1, 3, 1},
            {303, Kind::DropDown, "", 3, 0},
            {ui::IDOK, Kind::DefaultButton, "&OK", 4, 0},
        },
    };
    return r;
}

class ListRowsTest : public uitest::UiTest {};

// The height from the top of the highest capital with a ring or dots to the lowest descender.
int inkHeight(const QFontMetrics& fm) {
    int top = 0;
    for (const char* letter : {"Å", "Ä", "Ö"})
        top = std::min(top, fm.tightBoundingRect(QString::fromUtf8(letter)).top());
    return -top + fm.descent();
}

} // namespace

TEST_F(ListRowsTest, CapitalsWithRingsAndDotsFitTheirRow) {
    auto* d = new ui::Dialog(&uitest::mainWindow(), listsResource());
    d->show();
    for (const int id : {301, 302, 303}) {
        SCOPED_TRACE(id);
        d->addRow(id, "Åsa Östlund");
        d->addRow(id, "Ärla Åberg");
    }
    for (const int id : {301, 302}) {
        SCOPED_TRACE(id);
        auto* list = static_cast<QListWidget*>(d->impl().dialog->find(id)->widget);
        const int need = inkHeight(list->fontMetrics());
        for (int row = 0; row < list->count(); ++row)
            EXPECT_GE(list->visualItemRect(list->item(row)).height(), need) << "row " << row;
    }
    auto* combo = static_cast<QComboBox*>(d->impl().dialog->find(303)->widget);
    const QAbstractItemView* popup = combo->view();
    EXPECT_GE(popup->sizeHintForRow(0), inkHeight(combo->fontMetrics()));
    d->close();
}
