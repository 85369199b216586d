#include "ui/automation.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QShortcut>
#include <algorithm>

#include "ui/detail/dialog_impl.h"
#include "ui/detail/menu_impl.h"
#include "ui/detail/runtime.h"
#include "ui/detail/window_impl.h"
#include "ui/main_window.h"

namespace ui::automation {
namespace {

bool on = false;

Window* active() {
    const auto& open = detail::openWindows();
    return open.empty() ? nullptr : open.back();
}

std::string name(const ControlRef& c) {
    return c.byCaption ? "\"" + c.caption + "\"" : std::to_string(c.id);
}

const char* kindName(Kind k) {
    switch (k) {
    case Kind::Static:
        return "static";
    case Kind::Edit:
        return "edit";
    case Kind::ReadOnlyEdit:
        return "readonly";
    case Kind::Button:
        return "button";
    case Kind::DefaultButton:
        return "default";
    case Kind::Check:
        return "check";
    case Kind::Radio:
        return "radio";
    case Kind::List:
        return "list";
    case Kind::SortedList:
        return "sortedlist";
    case Kind::MultiList:
        return "multilist";
    case Kind::Combo:
        return "combo";
    case Kind::DropDown:
        return "dropdown";
    case Kind::DirList:
        return "dirlist";
    }
    return "?";
}

bool isList(Kind k) {
    return k == Kind::List || k == Kind::SortedList || k == Kind::MultiList;
}
bool isCombo(Kind k) {
    return k == Kind::Combo || k == Kind::DropDown;
}

// Finds a usable control of the active dialog; `error` says why there is none.
detail::ControlSlot* control(const ControlRef& ref, std::string& error,
                             detail::DialogImpl** dialog = nullptr) {
    Window* w = active();
    if (!w) {
        error = "no active window";
        return nullptr;
    }
    detail::DialogImpl* d = w->impl().dialog;
    if (!d) {
        error = "the active window \"" + w->caption() + "\" has no controls";
        return nullptr;
    }
    detail::ControlSlot* s = d->find(ref.id, ref.caption, ref.byCaption);
    if (!s) {
        error = "no control " + name(ref) + " in \"" + w->caption() + "\"";
        return nullptr;
    }
    if (!s->widget->isEnabled()) {
        error = "control " + name(ref) + " is disabled";
        return nullptr;
    }
    if (dialog) *dialog = d;
    return s;
}

void dumpDialog(Dialog& dlg, detail::DialogImpl& d, std::vector<std::string>& lines) {
    for (const auto& s : d.controls) {
        const Kind k = s.def.kind;
        std::string line = std::to_string(s.def.id) + " " + kindName(k);
        if ((k == Kind::Check || k == Kind::Radio) && dlg.checked(s.def.id)) line += " checked";
        if (isList(k) || isCombo(k) || k == Kind::DirList) {
            const auto sel = dlg.selections(s.def.id);
            if (!sel.empty()) {
                line += " sel=";
                for (std::size_t i = 0; i < sel.size(); ++i)
                    line += (i ? "," : "") + std::to_string(sel[i]);
            }
        }
        if (!s.widget->isEnabled()) line += " disabled";
        if (!isList(k) && k != Kind::DirList && k != Kind::DropDown)
            line += " \"" + (s.def.id == IDSTATIC ? s.text : dlg.text(s.def.id)) + "\"";
        lines.push_back(line);
        if (isList(k) || isCombo(k) || k == Kind::DirList)
            for (int r = 0; r < dlg.count(s.def.id); ++r)
                lines.push_back("    \"" + dlg.rowText(s.def.id, r) + "\"");
    }
}

} // namespace

void enable(Listener* listener) {
    on = true;
    detail::setListener(listener);
}

bool enabled() {
    return on;
}

std::string menu(const ControlRef& item) {
    Window* w = active();
    if (!w) return "no active window";
    detail::MenuImpl* m = w->impl().menu;
    if (!m) {
        if (!MainWindow::instance() || !MainWindow::instance()->isOpen()) return "no main window";
        m = MainWindow::instance()->impl().menu;
    }
    const int id = m->find(item.id, item.caption, item.byCaption);
    if (!id) return "no menu command " + name(item);
    m->run(id);
    return {};
}

std::string setText(const ControlRef& ref, const std::string& text) {
    std::string error;
    detail::DialogImpl* d = nullptr;
    auto* s = control(ref, error, &d);
    if (!s) return error;
    const Kind k = s->def.kind;
    if (k != Kind::Edit && k != Kind::Combo) return "control " + name(ref) + " is not an edit field";
    if (auto* e = qobject_cast<QLineEdit*>(s->widget); e && e->isReadOnly())
        return "control " + name(ref) + " is read-only";
    // As typed: the field's limit applies.
    std::string typed = text;
    if (s->def.maxLength > 0) typed = detail::fromQ(detail::toQ(text).left(s->def.maxLength));
    d->self->setText(s->def.id, typed);
    detail::DialogImpl::run(d->textChanges, s->def.id);
    return {};
}

std::string setChecked(const ControlRef& ref, bool checked) {
    std::string error;
    detail::DialogImpl* d = nullptr;
    auto* s = control(ref, error, &d);
    if (!s) return error;
    auto* b = qobject_cast<QAbstractButton*>(s->widget);
    if (!b || !b->isCheckable()) return "control " + name(ref) + " is not a check box or radio button";
    if (!checked && s->def.kind == Kind::Radio)
        return "a radio button is cleared by checking another of its group";
    if (b->isChecked() != checked) b->click();
    return {};
}

std::string select(const ControlRef& ref, const std::vector<int>& rows) {
    std::string error;
    detail::DialogImpl* d = nullptr;
    auto* s = control(ref, error, &d);
    if (!s) return error;
    const Kind k = s->def.kind;
    if (!isList(k) && !isCombo(k)) return "control " + name(ref) + " is not a list";
    Dialog& dlg = *d->self;
    const int id = s->def.id;
    if (rows.size() > 1 && k != Kind::MultiList) return "control " + name(ref) + " selects one row only";
    for (int r : rows)
        if (r < -1 || r >= dlg.count(id))
            return "row " + std::to_string(r) + " is not in control " + name(ref);
    if (k == Kind::MultiList) {
        dlg.select(id, -1);
        for (int r : rows)
            if (r >= 0) dlg.setSelected(id, r, true);
    } else {
        dlg.select(id, rows.empty() ? -1 : rows.front());
    }
    detail::DialogImpl::run(d->selectionChanges, id);
    return {};
}

std::string doubleClick(const ControlRef& ref, int row) {
    std::string error;
    detail::DialogImpl* d = nullptr;
    auto* s = control(ref, error, &d);
    if (!s) return error;
    if (!isList(s->def.kind)) return "control " + name(ref) + " is not a list";
    if (row < 0 || row >= d->self->count(s->def.id))
        return "row " + std::to_string(row) + " is not in control " + name(ref);
    const int id = s->def.id;
    if (s->def.kind == Kind::MultiList) {
        d->self->setSelected(id, row, true);
    } else {
        d->self->select(id, row);
    }
    detail::DialogImpl::run(d->selectionChanges, id);
    detail::drain();
    if (d->self->isOpen()) detail::DialogImpl::run(d->doubleClicks, id);
    return {};
}

std::string press(const ControlRef& ref) {
    std::string error;
    auto* s = control(ref, error);
    if (!s) return error;
    auto* b = qobject_cast<QAbstractButton*>(s->widget);
    if (!b) return "control " + name(ref) + " is not a button";
    b->click();
    return {};
}

std::string tick(int times) {
    for (int t = 0; t < times; ++t) {
        std::vector<std::pair<Window*, int>> running;
        for (Window* w : detail::openWindows())
            for (auto& [id, timer] : w->impl().timers)
                if (timer.first->isActive()) running.emplace_back(w, id);
        for (auto& [w, id] : running) {
            const auto& open = detail::openWindows();
            if (std::find(open.begin(), open.end(), w) == open.end()) continue;
            auto it = w->impl().timers.find(id);
            if (it == w->impl().timers.end() || !it->second.first->isActive()) continue;
            auto handler = it->second.second;
            if (handler) handler();
        }
        detail::drain();
    }
    return {};
}

std::string chooseDirectory(const std::string& path) {
    Window* w = active();
    if (!w) return "no active window";
    detail::DialogImpl* d = w->impl().dialog;
    if (d)
        for (auto& s : d->controls)
            if (s.def.kind == Kind::DirList) {
                if (!s.widget->isEnabled()) return "the directory list is disabled";
                const QString target = QDir::current().absoluteFilePath(detail::toQ(path));
                if (!QDir(target).exists()) return "no directory " + path;
                d->self->setDirectory(s.def.id, detail::fromQ(QDir::cleanPath(target)));
                detail::DialogImpl::run(d->selectionChanges, s.def.id);
                return {};
            }
    return "the active window has no directory list";
}

std::string closeActive() {
    Window* w = active();
    if (!w) return "no active window";
    auto& impl = w->impl();
    if (impl.frameClose)
        impl.frameClose();
    else
        w->close();
    return {};
}

std::string key(const std::string& keys) {
    Window* w = active();
    if (!w) return "no active window";
    const QKeySequence seq = QKeySequence::fromString(detail::toQ(keys), QKeySequence::PortableText);
    if (seq.isEmpty()) return "no key \"" + keys + "\"";
    QWidget* top = w->impl().widget;
    for (QAction* a : top->findChildren<QAction*>())
        if (a->isEnabled() && a->shortcuts().contains(seq)) {
            a->trigger();
            return {};
        }
    for (QShortcut* s : top->findChildren<QShortcut*>())
        if (s->isEnabled() && s->key() == seq) {
            emit s->activated();
            return {};
        }
    for (QAbstractButton* b : top->findChildren<QAbstractButton*>())
        if (b->isEnabled() && b->isVisible() && b->shortcut() == seq) {
            b->click();
            return {};
        }
    return "no key " + keys + " in \"" + w->caption() + "\"";
}

std::string dump(std::vector<std::string>& lines) {
    Window* w = active();
    if (!w) return "no active window";
    lines.push_back("dump \"" + w->caption() + "\"");
    if (auto* d = w->impl().dialog)
        dumpDialog(*d->self, *d, lines);
    else if (w->impl().dumpBody)
        w->impl().dumpBody(lines);
    return {};
}

std::string shot(const std::string& path) {
    Window* w = active();
    if (!w) return "no active window";
    QWidget* widget = w->impl().widget;
    if (!widget) return "the active window has nothing drawn";
    if (!widget->grab().save(detail::toQ(path), "PNG")) return "cannot write " + path;
    return {};
}

void queueAnswers(const std::vector<int>& answers) {
    detail::pushAnswers(answers);
}

void settle() {
    // Posted messages may post more and open windows; run until nothing is left (bounded, so
    // that a handler posting itself forever cannot hang a script).
    for (int round = 0; round < 10000; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const int ran = detail::drain();
        if (ran == 0 && !detail::pending()) break;
        if (ran == 0) break; // an outer handler is still running; it finishes the queue
    }
}

bool programRunning() {
    const Window* w = detail::programWindow();
    return w && w->isOpen();
}

} // namespace ui::automation
