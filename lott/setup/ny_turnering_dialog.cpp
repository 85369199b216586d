#include "lott/setup/ny_turnering_dialog.h"

#include "lott/kommando.h"
#include "lott/setup/ny_turnering.h"
#include "resources/lott/setup_dialogs.h"
#include "ui/message_box.h"

namespace {
enum : int {
    kNamn = 605,
    kRonder = 606,
    kMonrad = 611,
    kNordisk = 612,
    kSchweizer = 613,
    kKlubb = 610,
    kRanking = 609,
    kPenningpriser = 608,
    kRankinggrupper = 697,
    kElotitel = 607,
    kEgenkategori = 1607,
    kVanlig = 2210,
    kProgressiv = 2211,
    kPoang1 = 101, // .. kPoang1 + 3 for scoring codes 1..4
    kHjalp = 1201,
};
constexpr int kMeddelandeTillval = 16;
constexpr int kMeddelandeRonder = 1602;
constexpr int kHjalpText = 37;
} // namespace

NyTurneringDialog::NyTurneringDialog(ui::Window* parent, LottState& state)
    : ui::Dialog(parent, nyTurneringResurs()), state_(state) {
    state_.systemc = 0;
    state_.tnamn.clear();
    // The choices that apply until another is clicked are shown checked.
    setChecked(kMonrad, true);
    setChecked(kVanlig, true);
    setChecked(kPoang1, true);

    onButton(kMonrad, [this] { state_.systemc = 0; });
    onButton(kNordisk, [this] {
        state_.systemc = 1;
        vilken_ = 0;
    });
    onButton(kSchweizer, [this] {
        state_.systemc = 1;
        vilken_ = 1;
    });
    onButton(kVanlig, [this] { kvalitet_ = 0; });
    onButton(kProgressiv, [this] { kvalitet_ = 1; });
    for (int kod = 1; kod <= 4; ++kod)
        onButton(kPoang1 + kod - 1, [this, kod] { poang_ = kod; });
    onButton(kHjalp, [this] { hjalp(); });
}

void NyTurneringDialog::CmOk() {
    NyTurneringVal val;
    val.namn = text(kNamn);
    val.ronder = text(kRonder);
    val.systemc = state_.systemc;
    val.vilken = vilken_;
    val.kvalitet = kvalitet_;
    val.poang = poang_;
    val.klubb = checked(kKlubb);
    val.ranking = checked(kRanking);
    val.penningpriser = checked(kPenningpriser);
    val.rankinggrupper = checked(kRankinggrupper);
    val.elotitel = checked(kElotitel);
    val.egenkategori = checked(kEgenkategori);

    const auto utfall = nyTurneringCommit(val);
    state_.garej = utfall.garej ? 1 : 0;
    if (utfall.garej) {
        // The main window explains (message 26); the dialog stays open for another try.
        ui::Window::post(MSG_REGISTRERING);
        return;
    }
    if (utfall.ingaRonder) {
        // Nothing was written; the organiser fills in the rounds and presses "&Kör" again.
        ui::TEnkel(this, kMeddelandeRonder).Execute();
        setFocus(kRonder);
        return;
    }
    state_.tnamn = utfall.tnamn;
    state_.turnkatb = utfall.turnkatb;
    committed_ = true;
    ui::Window* huvud = parent();
    close();
    if (utfall.meddelande16) ui::TEnkel(huvud, kMeddelandeTillval).Execute();
    ui::Window::post(MSG_REGISTRERING);
}

void NyTurneringDialog::hjalp() {
    ui::TEnkel(this, kHjalpText).Execute();
}

void NyTurneringDialog::onDestroy() {
    if (!committed_) kommando::stang();
}
