#include "lott/results/ranking_grupper_dialog.h"

#include <algorithm>

#include "lott/results/rankinggrupper.h"
#include "resources/lott/tillval.h"
#include "store/files.h"
#include "store/tournament.h"
#include "ui/message_box.h"

using namespace lottres;

namespace {
constexpr int kFelaktigaGrupper = 22;
constexpr int kHjalpRanking = 41;
} // namespace

RankingGrupperDialog::RankingGrupperDialog(ui::Window* parent, Lage lage)
    : TillvalDialog(parent, rankinggruppResurs(), tillval::Flagga::Rankinggrupper, lage) {
    const auto spelare = tillval::startlista(turnnr());
    // The bye takes no rating place, so it is no player of a group either.
    antalSpelare_ = static_cast<int>(
        std::count_if(spelare.begin(), spelare.end(), [](const auto& s) { return !store::isBye(s.namn); }));
    setText(IDC_ANTALSPELARE, std::to_string(antalSpelare_));
    setChecked(IDC_DELASRANKING, true);

    onButton(IDC_DELASRANKING, [this] { delasellerej_ = 0; });
    onButton(IDC_SKILJSRANKING, [this] { delasellerej_ = 1; });
    onButton(IDC_RANKINGHJALP, [this] { hjalp(); });
}

void RankingGrupperDialog::hjalp() {
    ui::TEnkel(this, kHjalpRanking).Execute();
}

void RankingGrupperDialog::CmOk() {
    ranking::Inmatning in;
    in.antalgr = text(IDC_ANTALGRUPPER);
    in.spelarepergr = text(IDC_PERGRUPP);
    in.franochmed = text(IDC_FRANNR);
    in.rpris = text(IDC_RANKINGPRIS);
    in.delasellerej = delasellerej_;
    if (const auto grupper = ranking::grupperAv(antalSpelare_, in))
        store::writeOne(store::tournamentFile(turnnr(), 'G'), *grupper);
    else
        ui::TEnkel(this, kFelaktigaGrupper).Execute();
    close();
}
