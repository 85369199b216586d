#include "lott/results/egen_kategori_dialog.h"
#include "lott/results/elo_titel_dialog.h"
#include "lott/results/penning_dialog.h"
#include "lott/results/ranking_grupper_dialog.h"
#include "lott/results/rankinggrupper.h"
#include "lott/results/stallningfunk.h"
#include "lott/results/tillval.h"
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

void oppnaPenningpriser(FDemoWin& w) {
    (new PenningDialog(&w, TillvalDialog::Lage::Kedja))->show();
}

void oppnaRankinggrupper(FDemoWin& w) {
    (new RankingGrupperDialog(&w, TillvalDialog::Lage::Kedja))->show();
}

void oppnaElotitel(FDemoWin& w) {
    (new EloTitelDialog(&w, TillvalDialog::Lage::Kedja))->show();
}

void oppnaEgenKategori(FDemoWin& w) {
    (new EgenKategoriDialog(&w, TillvalDialog::Lage::Kedja))->show();
}

void andraPenningpriser(FDemoWin& w) {
    if (tillval::turnering() > 0) (new PenningDialog(&w, TillvalDialog::Lage::Meny))->show();
}

void andraRankinggrupper(FDemoWin& w) {
    if (tillval::turnering() > 0) (new RankingGrupperDialog(&w, TillvalDialog::Lage::Meny))->show();
}
