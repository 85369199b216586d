#include "lott/shell/fdemo_app.h"

#include "lott/shell/fdemo_win.h"
#include "lott/shell/start.h"
#include "resources/lott/handbok.h"
#include "resources/lott/messages.h"
#include "store/fatal.h"
#include "ui/message_box.h"

void FDemoApp::InitMainWindow() {
    ui::setHelpTopics(lottres::helpTopics());
    ui::setMessageCatalogue(lottres::messages());
    // A file that cannot be opened ends the program; on a display the user sees why first.
    store::setFatalFileErrorHook([] { ui::alert("Meddelande", "Cannot open output file."); });
    auto* w = new FDemoWin();
    w->showMaximized();
}

int FDemoApp::Run() {
    InitMainWindow();
    return app_.run();
}

void startLott() {
    FDemoApp::InitMainWindow();
}
