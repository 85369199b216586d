// uiscript SCRIPT: starts one program on the offscreen platform, in the current directory, and
// performs the script's steps on its windows, printing what happens. Exit status 0 when every
// step was carried out, 1 when one could not be (the reason goes to the error stream).
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "ui/app.h"
#include "ui/automation.h"
#include "ui/automation_script.h"
#include "ui/uiscript/programs.h"
#include "ui/uiscript/runner.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: uiscript SCRIPT\n", stderr);
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

    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The toolkit's own notes (missing platform features, paths) would mix with the reasons of
    // failed steps on the error stream; only fatal ones are kept.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg) std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
    int qtArgc = 1;
    ui::Application app(qtArgc, argv);
    static uiscript::EventPrinter printer;
    ui::automation::enable(&printer);
    start();
    uiscript::Runner runner(std::move(steps));
    runner.start();
    app.run();
    return 0;
}
