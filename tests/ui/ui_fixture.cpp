#include "tests/ui/ui_fixture.h"

#include <cstdlib>

#include "store/clock.h"

namespace uitest {

Recorder& recorder() {
    static Recorder r;
    return r;
}

ui::MainWindow& mainWindow() {
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    static ui::Application* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        auto* a = new ui::Application(argc, argv);
        ui::automation::enable(&recorder());
        // As under uiscript: one fixed moment, so that date stamps are the same on every run.
        std::tm moment;
        store::parseMoment("2001-03-07 19:05:02", moment);
        store::fixLocalNow(moment);
        return a;
    }();
    (void)app;
    static ui::MainWindow* main = [] {
        static const ui::MenuResource menu{
            "TEST", {{"&Arkiv", {{10, "&Gör", "gör något"}, {0, "", ""}, {11, "Annat", ""}}}}};
        auto* m = new ui::MainWindow("Main", menu);
        m->showMaximized();
        return m;
    }();
    return *main;
}

void UiTest::SetUp() {
    mainWindow();
    ui::automation::settle();
    recorder().events.clear();
}

void UiTest::TearDown() {
    ui::automation::settle();
    // Leaves no window of the test open for the next one.
    for (int i = 0; i < 20; ++i) {
        std::vector<std::string> lines;
        if (!ui::automation::dump(lines).empty() || lines.front() == "dump \"Main\"") break;
        ui::automation::closeActive();
        ui::automation::settle();
    }
}

} // namespace uitest
