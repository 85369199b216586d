#include "lott/pairing/spelare_in_dialog.h"

#include <algorithm>
#include <cctype>

#include "lott/kommando.h"
#include "resources/lott/andringar.h"
#include "store/tournament.h"
#include "ui/message_box.h"

using namespace lottres;

namespace {
constexpr int kOfullstandig = 32;
constexpr int kVarningStartad = 35;
constexpr int kValfrittLage = 4;
} // namespace

SpelareInDialog::SpelareInDialog(ui::Window* parent) : ui::Dialog(parent, spelareInResurs()) {
    onTextChange(IDC_NYRANKING, [this] { bararSiffror(); });
}

void SpelareInDialog::lasspelarein(int valfri) {
    turnnr_ = store::readTillb().filnamnint;
    lage_ = lasInlankningslage(turnnr_, valfri == kValfrittLage);
    setText(IDC_NYNR, nyttStartnummer(lage_));
    if (lage_.startad) ui::TEnkel(this, kVarningStartad).Execute();
}

void SpelareInDialog::bararSiffror() {
    std::string typat = text(IDC_NYRANKING);
    const auto fore = typat.size();
    std::erase_if(typat, [](char c) { return !std::isdigit(static_cast<unsigned char>(c)) && c != ' '; });
    if (typat.size() != fore) setText(IDC_NYRANKING, typat);
}

void SpelareInDialog::CmOk() {
    const NySpelare typat{text(IDC_NYNAMN), text(IDC_NYKLUBB), text(IDC_NYRANKING)};
    if (!spelarein(turnnr_, lage_, typat)) {
        ui::TEnkel(this, kOfullstandig).Execute();
        return;
    }
    close();
}

void SpelareInDialog::onDestroy() {
    kommando::stang();
}

SpelareInDialog* oppnaSpelareInDialog(ui::Window* parent, int valfri) {
    auto* d = new SpelareInDialog(parent);
    d->show();
    d->lasspelarein(valfri);
    return d;
}
