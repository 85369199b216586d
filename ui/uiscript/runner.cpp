#include "ui/uiscript/runner.h"

#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "store/clock.h"

namespace uiscript {

namespace {
void say(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}
} // namespace

void EventPrinter::windowShown(const std::string& caption) {
    say("window \"" + caption + "\"");
}
void EventPrinter::windowClosed(const std::string& caption) {
    say("closed \"" + caption + "\"");
}
void EventPrinter::captionChanged(const std::string& caption) {
    say("caption \"" + caption + "\"");
}
void EventPrinter::messageShown(int number) {
    say("message " + std::to_string(number));
}

void EventPrinter::folderOpened(const std::string& path) {
    say("folder \"" + path + "\"");
}

void Runner::start() {
    QTimer::singleShot(0, [this] { next(); });
}

void Runner::next() {
    ui::automation::settle();
    if (at_ >= steps_.size()) finish(0);
    const ui::automation::Step& step = steps_[at_++];
    // The next step is queued before this one runs: should this step open a modal window, the
    // modal loop picks the next step up.
    QTimer::singleShot(0, [this] { next(); });
    const std::string error = perform(step);
    if (!error.empty()) {
        std::fprintf(stderr, "uiscript: line %d: %s\n", step.line, error.c_str());
        finish(1);
    }
}

std::string Runner::perform(const ui::automation::Step& s) {
    namespace a = ui::automation;
    if (s.verb == "answer") {
        a::queueAnswers(s.numbers);
        return {};
    }
    if (s.verb == "program") return "the program is already running";
    if (s.verb == "today") {
        std::tm moment;
        store::parseMoment(s.text, moment); // checked when the script was read
        store::fixLocalNow(moment);
        return {};
    }
    if (!a::programRunning()) return "the program has ended";
    if (s.verb == "menu") return a::menu(s.control);
    if (s.verb == "set") return a::setText(s.control, s.text);
    if (s.verb == "check") return a::setChecked(s.control, true);
    if (s.verb == "uncheck") return a::setChecked(s.control, false);
    if (s.verb == "select") return a::select(s.control, s.numbers);
    if (s.verb == "dblclick") return a::doubleClick(s.control, s.numbers.front());
    if (s.verb == "press") return a::press(s.control);
    if (s.verb == "tick") return a::tick(s.numbers.front());
    if (s.verb == "dir") return a::chooseDirectory(s.text);
    if (s.verb == "close") return a::closeActive();
    if (s.verb == "key") return a::key(s.text);
    if (s.verb == "shot") return a::shot(s.text);
    if (s.verb == "dump") {
        std::vector<std::string> lines;
        std::string error = a::dump(lines);
        for (const auto& line : lines)
            say(line);
        return error;
    }
    return "unknown step \"" + s.verb + "\"";
}

void Runner::finish(int status) {
    std::fflush(stdout);
    std::fflush(stderr);
    // The windows still open are simply dropped: nothing of theirs must run after the script.
    std::_Exit(status);
}

} // namespace uiscript
