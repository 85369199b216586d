#include "lott/results/egen_kategori_dialog.h"
#include "lott/results/rankinggrupper.h"
#include "lott/results/stallningfunk.h"
#include "lott/results/valj_ekat_dialog.h"
#include "lott/shell/actions.h"
#include "lott/shell/fdemo_win.h"
#include "lott/shell/plug_ins.h"
#include "ui/message_box.h"

namespace {
constexpr int kIngaRankinggrupper = 23;
} // namespace

void visaRankinggrupper(FDemoWin& w) {
    if (rstallningglob(w.state()) == 1) {
        oppnaRapport(w);
        return;
    }
    ui::TEnkel(&w, kIngaRankinggrupper).Execute();
    FDemoWin::stangKommando();
}

void valjEgenKategori(FDemoWin& w) {
    LottState& s = w.state();
    s.globvanta = stallningfunk(s);
    auto* dialog = new ValjEkatDialog(&w, s);
    dialog->show();
    dialog->fyll();
}

void laggTillEgnaKategorier(FDemoWin& w) {
    (new EgenKategoriDialog(&w, TillvalDialog::Lage::Kedja))->show();
}
