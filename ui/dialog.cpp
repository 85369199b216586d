#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "ui/detail/dialog_impl.h"
#include "ui/detail/runtime.h"
#include "ui/detail/window_impl.h"
#include "ui/window.h"

namespace ui {
namespace detail {
namespace {

// Escape and the frame's close button cancel through the dialog's own CmCancel. A dialog that is
// the program's own window closes only through its frame: Escape does not end the program.
class FrameDialog : public QDialog {
  public:
    explicit FrameDialog(Dialog* owner) : owner_(owner) {}
    void reject() override {
        if (programWindow() != owner_) owner_->CmCancel();
    }
    void accept() override { owner_->CmOk(); }

  private:
    Dialog* owner_;
};

// The kinds of control a label can stand for.
bool isField(Kind k) {
    return k != Kind::Static && k != Kind::Button && k != Kind::DefaultButton && k != Kind::Check &&
           k != Kind::Radio;
}

} // namespace

ControlSlot* DialogImpl::find(int id) {
    for (auto& s : controls)
        if (s.def.id == id && id != IDSTATIC) return &s;
    return nullptr;
}

const ControlSlot* DialogImpl::find(int id) const {
    return const_cast<DialogImpl*>(this)->find(id);
}

ControlSlot* DialogImpl::find(int id, const std::string& caption, bool byCaption) {
    if (!byCaption) return find(id);
    ControlSlot* found = nullptr;
    for (auto& s : controls)
        if (!found && s.text == caption) found = &s;
    for (auto& s : controls)
        if (!found && stripMnemonic(s.text) == caption) found = &s;
    if (!found || found->def.kind != Kind::Static) return found;
    // A label names the field it labels: the one its mnemonic moves to, or, for a label without
    // one, the field right after it.
    if (QWidget* buddy = static_cast<QLabel*>(found->widget)->buddy()) {
        for (auto& s : controls)
            if (s.widget == buddy) return &s;
    }
    const auto next = static_cast<std::size_t>(found - controls.data()) + 1;
    if (next < controls.size() && isField(controls[next].def.kind)) return &controls[next];
    return found;
}

void DialogImpl::run(const std::map<int, std::function<void()>>& table, int id) {
    auto it = table.find(id);
    if (it == table.end()) return;
    auto handler = it->second; // a copy: the handler may rebind or close the dialog
    handler();
}

void DialogImpl::clicked(int id) {
    if (buttons.count(id))
        run(buttons, id);
    else if (id == IDOK)
        self->CmOk();
    else if (id == IDCANCEL)
        self->CmCancel();
}

} // namespace detail

namespace {
detail::DialogImpl& D(const Dialog* d) {
    return *d->impl().dialog;
}

QListWidget* listOf(const detail::ControlSlot* s) {
    return s ? qobject_cast<QListWidget*>(s->widget) : nullptr;
}
QComboBox* comboOf(const detail::ControlSlot* s) {
    return s ? qobject_cast<QComboBox*>(s->widget) : nullptr;
}

bool sortedKind(const detail::ControlSlot* s) {
    return s && s->def.kind == Kind::SortedList;
}
} // namespace

Dialog::Dialog(Window* parent, const DialogResource& resource) : Window(parent) {
    auto* d = new detail::DialogImpl();
    d->self = this;
    d->resource = resource;
    for (const auto& c : resource.controls)
        d->controls.push_back({c, nullptr, c.caption});
    auto* dlg = new detail::FrameDialog(this);
    dlg->setWindowTitle(detail::toQ(resource.title));
    d->dialog = dlg;
    impl().widget = dlg;
    impl().dialog = d;
    d->build();
    detail::installFrameClose(impl());
    impl().frameClose = [this] { CmCancel(); };
}

Dialog::~Dialog() {
    // The widgets go first, so that nothing they signal on the way out reaches the handlers.
    delete impl().widget;
    impl().widget = nullptr;
    delete impl().dialog;
    impl().dialog = nullptr;
}

const DialogResource& Dialog::resource() const {
    return D(this).resource;
}

int Dialog::execute() {
    QEventLoop loop;
    impl().modalLoop = &loop;
    impl().modalResult = IDCANCEL;
    impl().widget->setWindowModality(Qt::ApplicationModal);
    impl().showWidget(false);
    if (!impl().closed) loop.exec();
    impl().modalLoop = nullptr;
    return impl().modalResult;
}

void Dialog::showAsProgramWindow() {
    detail::setProgramWindow(this);
    impl().showWidget(false);
}

void Dialog::endDialog(int code) {
    impl().modalResult = code;
    close();
}

void Dialog::CmOk() {
    endDialog(IDOK);
}
void Dialog::CmCancel() {
    endDialog(IDCANCEL);
}

bool Dialog::hasControl(int id) const {
    return D(this).find(id) != nullptr;
}

std::string Dialog::text(int id) const {
    const auto* s = D(this).find(id);
    if (!s) return {};
    if (auto* e = qobject_cast<QLineEdit*>(s->widget)) return detail::fromQ(e->text());
    if (auto* c = comboOf(s)) return detail::fromQ(c->currentText());
    if (auto* l = listOf(s))
        return l->currentItem() ? detail::fromQ(l->currentItem()->text()) : std::string();
    return s->text;
}

void Dialog::setText(int id, const std::string& text) {
    auto* s = D(this).find(id);
    if (!s) return;
    if (auto* e = qobject_cast<QLineEdit*>(s->widget)) {
        QSignalBlocker block(e);
        e->setText(detail::toQ(text));
        return;
    }
    if (auto* c = comboOf(s)) {
        QSignalBlocker block(c);
        if (c->isEditable())
            c->setEditText(detail::toQ(text));
        else
            c->setCurrentIndex(c->findText(detail::toQ(text)));
        return;
    }
    s->text = text;
    if (auto* l = qobject_cast<QLabel*>(s->widget)) {
        l->setText(detail::toQ(l->buddy() ? text : detail::stripMnemonic(text)));
    } else if (auto* b = qobject_cast<QAbstractButton*>(s->widget)) {
        b->setText(detail::toQ(text));
    }
}

bool Dialog::checked(int id) const {
    const auto* s = D(this).find(id);
    auto* b = s ? qobject_cast<QAbstractButton*>(s->widget) : nullptr;
    return b && b->isCheckable() && b->isChecked();
}

void Dialog::setChecked(int id, bool on) {
    auto* s = D(this).find(id);
    auto* b = s ? qobject_cast<QAbstractButton*>(s->widget) : nullptr;
    if (!b || !b->isCheckable()) return;
    QSignalBlocker block(b);
    if (!on && b->group() && b->group()->exclusive()) {
        // An exclusive group cannot uncheck its last button; lift the rule for a moment.
        b->group()->setExclusive(false);
        b->setChecked(false);
        b->group()->setExclusive(true);
    } else {
        b->setChecked(on);
    }
}

void Dialog::enable(int id, bool on) {
    if (auto* s = D(this).find(id)) s->widget->setEnabled(on);
}

void Dialog::setReadOnly(int id, bool on) {
    auto* s = D(this).find(id);
    if (!s) return;
    if (auto* e = qobject_cast<QLineEdit*>(s->widget)) {
        e->setReadOnly(on);
        // Like the read-only fields of the resource, one made read-only leaves the Tab order.
        e->setFocusPolicy(on ? Qt::ClickFocus : Qt::StrongFocus);
    }
    if (auto* c = comboOf(s); c && c->lineEdit()) c->lineEdit()->setReadOnly(on);
}

void Dialog::setFocus(int id) {
    if (auto* s = D(this).find(id)) s->widget->setFocus(Qt::OtherFocusReason);
}

int Dialog::focusedId() const {
    const QWidget* f = impl().widget->focusWidget();
    for (const auto& s : D(this).controls)
        if (f && (s.widget == f || s.widget->isAncestorOf(f))) return s.def.id;
    return 0;
}

int Dialog::addRow(int id, const std::string& row) {
    auto* s = D(this).find(id);
    int at = count(id);
    if (sortedKind(s)) {
        at = 0;
        while (at < count(id) && !detail::sortsBefore(row, rowText(id, at)))
            ++at;
    }
    insertRow(id, at, row);
    return at;
}

void Dialog::insertRow(int id, int index, const std::string& row) {
    auto* s = D(this).find(id);
    const int n = count(id);
    if (index < 0 || index > n) index = n;
    if (auto* l = listOf(s)) {
        QSignalBlocker block(l);
        l->insertItem(index, detail::toQ(row));
    } else if (auto* c = comboOf(s)) {
        QSignalBlocker block(c);
        const QString text = c->currentText();
        c->insertItem(index, detail::toQ(row));
        // Inserting into an empty combo selects the row; a combo starts without a selection.
        if (n == 0) {
            c->setCurrentIndex(-1);
            if (c->isEditable()) c->setEditText(text);
        }
    }
}

void Dialog::deleteRow(int id, int index) {
    auto* s = D(this).find(id);
    if (index < 0 || index >= count(id)) return;
    if (auto* l = listOf(s)) {
        QSignalBlocker block(l);
        delete l->takeItem(index);
    } else if (auto* c = comboOf(s)) {
        QSignalBlocker block(c);
        c->removeItem(index);
    }
}

void Dialog::setRowText(int id, int index, const std::string& row) {
    auto* s = D(this).find(id);
    if (index < 0 || index >= count(id)) return;
    if (auto* l = listOf(s)) l->item(index)->setText(detail::toQ(row));
    if (auto* c = comboOf(s)) c->setItemText(index, detail::toQ(row));
}

void Dialog::clearList(int id) {
    auto* s = D(this).find(id);
    if (auto* l = listOf(s)) {
        QSignalBlocker block(l);
        l->clear();
    } else if (auto* c = comboOf(s)) {
        QSignalBlocker block(c);
        const QString text = c->currentText();
        c->clear();
        if (c->isEditable()) c->setEditText(text);
    }
}

int Dialog::count(int id) const {
    const auto* s = D(this).find(id);
    if (auto* l = listOf(s)) return l->count();
    if (auto* c = comboOf(s)) return c->count();
    return 0;
}

std::string Dialog::rowText(int id, int index) const {
    const auto* s = D(this).find(id);
    if (index < 0 || index >= count(id)) return {};
    if (auto* l = listOf(s)) return detail::fromQ(l->item(index)->text());
    if (auto* c = comboOf(s)) return detail::fromQ(c->itemText(index));
    return {};
}

int Dialog::selection(int id) const {
    const auto* s = D(this).find(id);
    if (auto* l = listOf(s)) {
        const auto items = l->selectedItems();
        return items.isEmpty() ? -1 : l->row(items.front());
    }
    if (auto* c = comboOf(s)) return c->currentIndex();
    return -1;
}

void Dialog::select(int id, int index) {
    auto* s = D(this).find(id);
    if (index >= count(id)) index = -1;
    if (auto* l = listOf(s)) {
        QSignalBlocker block(l);
        l->clearSelection();
        if (index >= 0) {
            l->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
            l->scrollToItem(l->item(index));
        }
    } else if (auto* c = comboOf(s)) {
        QSignalBlocker block(c);
        c->setCurrentIndex(index);
    }
}

std::vector<int> Dialog::selections(int id) const {
    std::vector<int> rows;
    const auto* s = D(this).find(id);
    if (auto* l = listOf(s)) {
        for (auto* item : l->selectedItems())
            rows.push_back(l->row(item));
        std::sort(rows.begin(), rows.end());
    } else if (int k = selection(id); k >= 0) {
        rows.push_back(k);
    }
    return rows;
}

void Dialog::setSelected(int id, int index, bool on) {
    auto* l = listOf(D(this).find(id));
    if (!l || index < 0 || index >= l->count()) return;
    QSignalBlocker block(l);
    l->item(index)->setSelected(on);
}

int Dialog::findRow(int id, const std::string& text) const {
    for (int i = 0; i < count(id); ++i)
        if (rowText(id, i) == text) return i;
    return -1;
}

std::string Dialog::directory(int id) const {
    const auto* s = D(this).find(id);
    if (!s || s->def.kind != Kind::DirList) return {};
    return detail::fromQ(QDir::currentPath());
}

void Dialog::setDirectory(int id, const std::string& path) {
    auto* s = D(this).find(id);
    if (!s || s->def.kind != Kind::DirList) return;
    if (QDir::setCurrent(detail::toQ(path))) D(this).fillDirectory(*s);
}

void Dialog::onButton(int id, std::function<void()> handler) {
    D(this).buttons[id] = std::move(handler);
}
void Dialog::onDoubleClick(int id, std::function<void()> handler) {
    D(this).doubleClicks[id] = std::move(handler);
}
void Dialog::onSelectionChange(int id, std::function<void()> handler) {
    D(this).selectionChanges[id] = std::move(handler);
}
void Dialog::onTextChange(int id, std::function<void()> handler) {
    D(this).textChanges[id] = std::move(handler);
}

} // namespace ui
