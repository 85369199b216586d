#include "rank/shell/fdemo_app.h"

#include "rank/shell/fdemo_win.h"
#include "rank/shell/start.h"
#include "resources/rank/handbok.h"
#include "resources/rank/messages.h"
#include "store/fatal.h"
#include "ui/message_box.h"

namespace rank {

void FDemoApp::InitMainWindow() {
    ui::setHelpTopics(rankres::helpTopics());
    ui::setMessageCatalogue(rankres::messages());
    // A file that cannot be opened ends the program; on a display the user sees why first.
    store::setFatalFileErrorHook([] { ui::alert("Meddelande", "Cannot open output file."); });
    auto* w = new FDemoWin();
    w->showMaximized();
}

int FDemoApp::Run() {
    InitMainWindow();
    return app_.run();
}

} // namespace rank

void startRank() {
    rank::FDemoApp::InitMainWindow();
}
