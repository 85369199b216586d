#include "ui/message_box.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>
#include <map>

#include "ui/automation.h"
#include "ui/message_text.h"
#include "ui/detail/runtime.h"
#include "ui/detail/window_impl.h"
#include "ui/window.h"

namespace ui {
namespace {

std::map<int, Message>& catalogue() {
    static std::map<int, Message> c;
    return c;
}

QWidget* widgetOf(Window* w) {
    return w && w->isOpen() ? w->impl().widget : nullptr;
}

// The box on a real display: lines as written (no re-flow), buttons right-aligned, the first the
// default. Returns 1 or 2; closing the box returns 2.
int runBox(Window* parent, const Message& m) {
    QDialog box(widgetOf(parent));
    box.setWindowTitle(detail::toQ(m.title));
    auto* layout = new QVBoxLayout(&box);
    layout->setContentsMargins(20, 16, 20, 12);
    layout->setSpacing(2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (const auto& line : m.lines) {
        auto* label = new QLabel(detail::toQ(line));
        label->setTextFormat(Qt::PlainText);
        layout->addWidget(label);
    }
    layout->addSpacing(12);
    auto* row = new QHBoxLayout();
    row->addStretch();
    int result = 2;
    for (std::size_t i = 0; i < m.buttons.size() && i < 2; ++i) {
        auto* b = new QPushButton(detail::toQ(m.buttons[i]));
        b->setDefault(i == 0);
        b->setMinimumWidth(90);
        const int code = static_cast<int>(i) + 1;
        QObject::connect(b, &QPushButton::clicked, &box, [&box, &result, code] {
            result = code;
            box.done(code);
        });
        row->addWidget(b);
    }
    row->addStretch();
    layout->addLayout(row);
    box.setWindowModality(Qt::ApplicationModal);
    detail::HoldQueue hold;
    box.exec();
    return result;
}

} // namespace

void setMessageCatalogue(const std::vector<Message>& messages) {
    catalogue().clear();
    for (const auto& m : messages)
        catalogue()[m.number] = m;
}

const Message* findMessage(int number) {
    auto it = catalogue().find(number);
    return it == catalogue().end() ? nullptr : &it->second;
}

int TEnkel::Execute() {
    const Message* m = findMessage(number_);
    if (!m) {
        std::fprintf(stderr, "message %d is not in the catalogue\n", number_);
        return 2;
    }
    if (auto* l = detail::listener()) {
        l->messageShown(number_);
        return detail::nextAnswer() == 1 ? 1 : 2;
    }
    Message filled = *m;
    for (auto& line : filled.lines)
        line = fillMessageLine(line, fill_);
    return runBox(parent_, filled);
}

void alert(const std::string& title, const std::string& text) {
    if (automation::enabled()) return;
    runBox(nullptr, Message{0, title, {text}, {"OK"}});
}

} // namespace ui
