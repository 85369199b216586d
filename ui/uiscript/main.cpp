// uiscript SCRIPT: starts one program on the offscreen platform, in the current directory, and
// performs the script's steps on its windows, printing what happens. Exit status 0 when every
// step was carried out, 1 when one could not be (the reason goes to the error stream).
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "store/clock.h"
#include "ui/app.h"
#include "ui/automation.h"
#include "ui/automation_script.h"
#include "ui/uiscript/programs.h"
#include "ui/uiscript/runner.h"

namespace {

const char* const help =
    "usage: uiscript SCRIPT\n"
    "Starts one program in the current directory and performs the script's steps on its windows,\n"
    "one step a line (# starts a comment; a control is its id or its \"caption\", and a label's\n"
    "caption names the control after it):\n"
    "  program NAME [ARG...]\n"
    "                      first step: the program to start, with its own arguments\n"
    "                      (lott, rank, ratingbridge, lagturnering [--total], resultfix [--lag])\n"
    "  today DATE TIME     the date and time every program sees from here on, written\n"
    "                      YYYY-MM-DD HH:MM:SS (until then the fixed moment 2001-03-07 19:05:02);\n"
    "                      right after the program line, already when the program starts\n"
    "  menu ID             a menu command of the active window (else the main window's)\n"
    "  set ID TEXT         replace the text of an edit or combo field (a label's \"&caption\" names\n"
    "                      the field it labels)\n"
    "  check ID / uncheck ID, select ID ROW..., dblclick ID ROW, press ID\n"
    "  answer B...         answers (1 or 2) for the next message boxes\n"
    "  tick [N]            fire every running timer once (N times)\n"
    "  dir PATH            choose a directory in a directory list\n"
    "  close               close the active window through its frame\n"
    "  key KEY             press a key in the active window (F1, Shift+F1, Ctrl+W, Esc)\n"
    "  dump                print the active window\n"
    "  shot FILE           save a picture of the active window as drawn (PNG)\n"
    "The program runs off screen unless UISCRIPT_PLATFORM names a display platform (e.g. xcb).\n";

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::fputs(help, stdout);
        return 0;
    }
    if (argc != 2) {
        std::fputs(help, stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "uiscript: cannot read %s\n", argv[1]);
        return 1;
    }
    std::stringstream source;
    source << in.rdbuf();

    std::vector<ui::automation::Step> steps;
    std::string error;
    if (!ui::automation::parseScript(source.str(), steps, error)) {
        std::fprintf(stderr, "uiscript: %s\n", error.c_str());
        return 1;
    }
    const auto start = uiscript::findProgram(steps.front().text);
    if (!start) {
        std::fprintf(stderr, "uiscript: line %d: no program \"%s\"\n", steps.front().line,
                     steps.front().text.c_str());
        return 1;
    }

    // UISCRIPT_PLATFORM (e.g. "xcb") runs the program on a real display, to watch it or to take
    // pictures with `shot`; by default nothing is shown.
    const char* platform = std::getenv("UISCRIPT_PLATFORM");
    setenv("QT_QPA_PLATFORM", platform && *platform ? platform : "offscreen", 1);
    // The toolkit's own notes (missing platform features, paths) would mix with the reasons of
    // failed steps on the error stream; only fatal ones are kept.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg) std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
    int qtArgc = 1;
    ui::Application app(qtArgc, argv);
    static uiscript::EventPrinter printer;
    ui::automation::enable(&printer);
    // Scripted runs see one fixed moment until a `today` step sets another, so that what they print
    // is the same on every run.
    std::tm moment;
    store::parseMoment("2001-03-07 19:05:02", moment);
    store::fixLocalNow(moment);
    // `today` steps right after `program` are in force when the program starts, so that what it
    // does at start (a preselected period) can be scripted too.
    for (std::size_t i = 1; i < steps.size() && steps[i].verb == "today"; ++i) {
        store::parseMoment(steps[i].text, moment);
        store::fixLocalNow(moment);
    }
    start(steps.front().args);
    uiscript::Runner runner(std::move(steps));
    runner.start();
    app.run();
    return 0;
}
