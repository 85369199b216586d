// Creates a dialog's widgets from its resource, on a grid, in tab order.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/detail/dialog_impl.h"
#include "ui/detail/list_rows.h"
#include "ui/detail/shortcuts.h"
#include "ui/detail/window_impl.h"

namespace ui::detail {
namespace {

// Drives appear below the directories as "[C:]" where the platform has them.
bool isDriveRow(const QString& row) {
    return row.size() == 4 && row.startsWith('[') && row.endsWith(":]");
}

bool focusable(Kind k) {
    return k != Kind::Static;
}

// An edit is as wide as the text it is meant for: a start number or a ranking gets a narrow
// field of fixed width, a name room for a long one (names are proportional text, so 24 average
// characters show nearly all of the 29 a name may have). Without either, the toolkit's width stands.
void sizeEdit(QLineEdit* e, const Control& c) {
    constexpr int kNarrow = 9;
    constexpr int kWidest = 24;
    const int chars = c.width > 0 ? c.width : std::min(c.maxLength, kWidest);
    if (chars <= 0) return;
    const QFontMetrics fm = e->fontMetrics();
    const int perChar = chars <= kNarrow ? fm.horizontalAdvance(QLatin1Char('0')) : fm.averageCharWidth();
    // The frame and the text margins on both sides.
    const int width = chars * perChar + 4 * e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8;
    if (chars <= kNarrow)
        e->setFixedWidth(width);
    else
        e->setMinimumWidth(width);
}

bool isList(Kind k) {
    return k == Kind::List || k == Kind::SortedList || k == Kind::MultiList || k == Kind::DirList;
}

QWidget* makeWidget(DialogImpl& d, ControlSlot& slot, std::map<int, QButtonGroup*>& groups) {
    const Control& c = slot.def;
    const int id = c.id;
    switch (c.kind) {
    case Kind::Static: {
        auto* l = new QLabel();
        l->setTextFormat(Qt::PlainText);
        return l;
    }
    case Kind::Edit:
    case Kind::ReadOnlyEdit: {
        auto* e = new QLineEdit(toQ(c.caption));
        if (c.maxLength > 0) e->setMaxLength(c.maxLength);
        e->setReadOnly(c.kind == Kind::ReadOnlyEdit);
        sizeEdit(e, c);
        QObject::connect(e, &QLineEdit::textEdited, [&d, id] { DialogImpl::run(d.textChanges, id); });
        return e;
    }
    case Kind::Button:
    case Kind::DefaultButton: {
        auto* b = new QPushButton(toQ(c.caption));
        b->setAutoDefault(false);
        b->setDefault(c.kind == Kind::DefaultButton);
        QObject::connect(b, &QPushButton::clicked, [&d, id] { d.clicked(id); });
        // "&Hjälp" answers F1 and "&Skriv ut" Ctrl+P anywhere in the dialog.
        if (const QKeySequence key = standardShortcut(c.caption); !key.isEmpty()) {
            auto* shortcut = new QShortcut(key, d.dialog);
            QObject::connect(shortcut, &QShortcut::activated, b, [b] {
                if (b->isEnabled() && b->isVisible()) b->click();
            });
        }
        return b;
    }
    case Kind::Check:
    case Kind::Radio: {
        QAbstractButton* b = c.kind == Kind::Check
                                 ? static_cast<QAbstractButton*>(new QCheckBox(toQ(c.caption)))
                                 : new QRadioButton(toQ(c.caption));
        if (c.kind == Kind::Radio) {
            auto*& g = groups[c.group];
            if (!g) g = new QButtonGroup(d.dialog);
            g->addButton(b);
        }
        QObject::connect(b, &QAbstractButton::clicked, [&d, id] { d.clicked(id); });
        return b;
    }
    case Kind::List:
    case Kind::SortedList:
    case Kind::MultiList:
    case Kind::DirList: {
        auto* l = new QListWidget();
        // A multi-selection list works as lists do everywhere: a click selects one row, Ctrl+click
        // adds or removes a row, Shift+click a range.
        l->setSelectionMode(c.kind == Kind::MultiList ? QAbstractItemView::ExtendedSelection
                                                      : QAbstractItemView::SingleSelection);
        giveRowsRoom(l);
        l->setMinimumHeight(std::max(6, c.rowSpan * 2) * l->fontMetrics().height());
        if (c.kind == Kind::DirList) {
            QObject::connect(l, &QListWidget::itemActivated, [&d, id](QListWidgetItem* item) {
                const QString text = item->text();
                const QString target = isDriveRow(text) ? text.mid(1, text.size() - 2) + "/"
                                                        : QDir::current().absoluteFilePath(text);
                d.self->setDirectory(id, fromQ(QDir::cleanPath(target)));
                DialogImpl::run(d.selectionChanges, id);
            });
        } else {
            QObject::connect(l, &QListWidget::itemSelectionChanged,
                             [&d, id] { DialogImpl::run(d.selectionChanges, id); });
            QObject::connect(l, &QListWidget::itemDoubleClicked,
                             [&d, id] { DialogImpl::run(d.doubleClicks, id); });
        }
        return l;
    }
    case Kind::Combo:
    case Kind::DropDown: {
        auto* cb = new QComboBox();
        cb->setEditable(c.kind == Kind::Combo);
        cb->setInsertPolicy(QComboBox::NoInsert);
        giveRowsRoom(cb);
        if (c.kind == Kind::Combo) {
            cb->setEditText(toQ(c.caption));
            if (c.maxLength > 0) cb->lineEdit()->setMaxLength(c.maxLength);
            QObject::connect(cb->lineEdit(), &QLineEdit::textEdited,
                             [&d, id] { DialogImpl::run(d.textChanges, id); });
        }
        QObject::connect(cb, &QComboBox::activated, [&d, id] { DialogImpl::run(d.selectionChanges, id); });
        return cb;
    }
    }
    return new QWidget();
}

} // namespace

bool sortsBefore(const std::string& a, const std::string& b) {
    const int c = toQ(a).compare(toQ(b), Qt::CaseInsensitive);
    return c < 0 || (c == 0 && a < b);
}

void DialogImpl::build() {
    auto* grid = new QGridLayout(dialog);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    grid->setSizeConstraint(QLayout::SetFixedSize); // dialogs keep the size their controls need
    std::map<int, QButtonGroup*> groups;
    for (auto& slot : controls) {
        slot.widget = makeWidget(*this, slot, groups);
        slot.text = slot.def.caption;
        // Buttons keep their natural size, centred in their cells, as on a tidy dialog.
        const bool button = slot.def.kind == Kind::Button || slot.def.kind == Kind::DefaultButton;
        if (button) slot.widget->setMinimumWidth(90);
        QWidget* placed = slot.widget;
        if (slot.def.kind == Kind::DirList) {
            // The folder the list shows is named above it, so the user always sees where the
            // program will read and write.
            placed = new QWidget();
            auto* column = new QVBoxLayout(placed);
            column->setContentsMargins(0, 0, 0, 0);
            auto* path = new QLabel();
            path->setObjectName("directoryPath");
            path->setTextInteractionFlags(Qt::TextSelectableByMouse);
            column->addWidget(path);
            column->addWidget(slot.widget);
        }
        grid->addWidget(placed, slot.def.row, slot.def.col, slot.def.rowSpan, slot.def.colSpan,
                        button ? Qt::AlignCenter : Qt::Alignment());
        if (isList(slot.def.kind) && slot.def.kind == Kind::DirList) fillDirectory(slot);
    }
    for (int c = 0; c < resource.columns; ++c)
        grid->setColumnStretch(c, 1);

    // A static's "&" mnemonic moves to the next focusable control; without one it is plain text.
    for (std::size_t i = 0; i < controls.size(); ++i) {
        auto& slot = controls[i];
        if (slot.def.kind != Kind::Static) continue;
        auto* label = static_cast<QLabel*>(slot.widget);
        QWidget* buddy = nullptr;
        if (slot.text.find('&') != std::string::npos)
            for (std::size_t j = i + 1; j < controls.size() && !buddy; ++j)
                if (focusable(controls[j].def.kind)) buddy = controls[j].widget;
        if (buddy) {
            label->setTextFormat(Qt::AutoText);
            label->setText(toQ(slot.text));
            label->setBuddy(buddy);
        } else {
            label->setText(toQ(stripMnemonic(slot.text)));
        }
    }

    // Tab order is resource order. Read-only fields (start numbers, the players of a board) take
    // focus only when clicked, so that Tab moves from one field to be filled to the next.
    QWidget* previous = nullptr;
    for (auto& slot : controls) {
        if (!focusable(slot.def.kind)) continue;
        slot.widget->setFocusPolicy(slot.def.kind == Kind::ReadOnlyEdit ? Qt::ClickFocus : Qt::StrongFocus);
        if (previous) QWidget::setTabOrder(previous, slot.widget);
        previous = slot.widget;
    }
}

void DialogImpl::fillDirectory(ControlSlot& slot) {
    auto* list = static_cast<QListWidget*>(slot.widget);
    QSignalBlocker block(list);
    list->clear();
    QDir dir = QDir::current();
    if (auto* path = list->parentWidget() ? list->parentWidget()->findChild<QLabel*>("directoryPath") : nullptr) {
        const QString full = QDir::toNativeSeparators(dir.absolutePath());
        path->setToolTip(full);
        path->setText(path->fontMetrics().elidedText(full, Qt::ElideLeft, std::max(200, list->width())));
    }
    if (!dir.isRoot()) list->addItem("..");
    for (const QString& name :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        list->addItem(name);
}

} // namespace ui::detail
