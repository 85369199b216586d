#include "rank/lists/publicera_dialog.h"

#include "rank/kommando.h"
#include "rank/lists/utskrifter.h"
#include "resources/rank/webb.h"
#include "store/webb_sida.h"
#include "ui/app.h"

using namespace rankres;

namespace rank {

PubliceraDialog::PubliceraDialog(ui::Window* parent) : Dialog(parent, rankres::publiceraWebb()) {
    setChecked(IDC_VISA_EPOST, false);
}

PubliceraDialog* PubliceraDialog::oppna(ui::Window* parent) {
    auto* d = new PubliceraDialog(parent);
    d->show();
    return d;
}

void PubliceraDialog::CmOk() {
    publiceraRankinglista(checked(IDC_VISA_EPOST));
    close();
    ui::openFolder(store::webb::kMapp);
}

void PubliceraDialog::onDestroy() {
    kommando::stang();
}

} // namespace rank
