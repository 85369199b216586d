#include "tools/resultfix/shell/start.h"

#include "resources/resultfix/handbok.h"
#include "store/fatal.h"
#include "tools/resultfix/korrigering_dialog.h"
#include "ui/message_box.h"

void startResultfix(const std::vector<std::string>& args) {
    ui::setHelpTopics(resultfixres::helpTopics());
    // A file that cannot be opened ends the tool; on a display the user sees why first.
    store::setFatalFileErrorHook([] { ui::alert("Meddelande", "Cannot open output file."); });
    (new KorrigeringDialog(resultfix::variantAv(args)))->showAsProgramWindow();
}
