#include "tools/lagturnering/shell/start.h"

#include "resources/lagturnering/handbok.h"
#include "store/fatal.h"
#include "tools/lagturnering/lagturnering_dialog.h"
#include "ui/message_box.h"

void startLagturnering(const std::vector<std::string>& args) {
    ui::setHelpTopics(lagturneringres::helpTopics());
    // A file that cannot be opened ends the tool; on a display the user sees why first.
    store::setFatalFileErrorHook([] { ui::alert("Meddelande", "Cannot open output file."); });
    (new LagturneringDialog(lagturnering::variantAv(args)))->showAsProgramWindow();
}
