#include "tools/ratingbridge/shell/start.h"

#include "resources/ratingbridge/handbok.h"
#include "store/fatal.h"
#include "tools/ratingbridge/export_dialog.h"
#include "ui/message_box.h"

void startRatingbridge(const std::vector<std::string>&) {
    ui::setHelpTopics(ratingbridgeres::helpTopics());
    // A file that cannot be opened ends the tool; on a display the user sees why first.
    store::setFatalFileErrorHook([] { ui::alert("Meddelande", "Cannot open output file."); });
    (new ExportDialog())->showAsProgramWindow();
}
