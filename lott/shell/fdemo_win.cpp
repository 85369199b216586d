#include "lott/shell/fdemo_win.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "lott/oversikt.h"
#include "lott/shell/plug_ins.h"
#include "lott/shell/valj_turnering_dialog.h"
#include "resources/lott/fide_resurs.h"
#include "resources/lott/menu.h"
#include "resources/lott/messages.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/journal.h"
#include "store/text.h"
#include "store/tournament.h"
#include "ui/app.h"
#include "ui/help.h"
#include "ui/message_box.h"

using namespace lottres;

FDemoWin::FDemoWin() : ui::MainWindow("Turneringsverktyg", commandsMenu()) {
    state_.vilkpaint = 0;
    // A command stopped in the middle of its journal is finished before anything is read.
    store::finishJournal();
    // A program that ended while a dialog was open starts free again.
    stangKommando();
    // An empty directory becomes a valid, empty tournament directory.
    store::touch(store::fil::TURN);

    onCommand(CM_NYTURNERING, [this] { NyTurnering(); });
    onCommand(CM_LADDATURNERING, [this] { LaddaTurnering(); });
    onCommand(CM_DELTAGARLISTA, [this] { kommando(1); });
    onCommand(CM_SORTERA, [this] { kommando(101); });
    onCommand(CM_RONDLISTA, [this] { kommando(2); });
    onCommand(CM_TIDIGARE, [this] { kommando(5); });
    onCommand(CM_SLUTRAPPORT, [this] { kommando(12); });
    onCommand(lottres::CM_FIDERAPPORT, [this] { kommando(lottres::CM_FIDERAPPORT); });
    onCommand(lottres::CM_FIDEUPPGIFTER, [this] { kommando(lottres::CM_FIDEUPPGIFTER); });
    onCommand(CM_AVSLUTA, [this] { CmDemoExit(); });
    onCommand(CM_STALLNING, [this] { kommando(4, 0); });
    onCommand(CM_PSTALLNING, [this] { kommando(4, 1); });
    onCommand(CM_ELOTITEL, [this] { kommando(4, 2); });
    onCommand(CM_RSTALLNING, [this] { kommando(6); });
    onCommand(CM_ESTALLNING, [this] { kommando(9); });
    onCommand(CM_RESULTAT, [this] { kommando(3); });
    onCommand(CM_AVBROTT, [this] { kommando(7); });
    onCommand(CM_ANGRA, [this] { kommando(71); });
    onCommand(CM_TILLBAKA, [this] { kommando(8); });
    onCommand(CM_ANDRASTART, [this] { kommando(13); });
    onCommand(CM_SPELAREIN, [this] { kommando(10); });
    onCommand(CM_SPELAREUT, [this] { kommando(11); });
    onCommand(CM_ANDRAUPP, [this] { kommando(14); });
    onCommand(CM_EGNAKAT, [this] { kommando(15); });
    onCommand(CM_ANDRARANK, [this] { andrarank(); });
    onCommand(CM_ANDRAPRIS, [this] { andrapris(); });
    onCommand(CM_FONT, [this] { Cmfont(); });
    onCommand(CM_HJALP, [this] { CmHjalp(); });
    onCommand(CM_ABOUT, [this] { CmAbout(); });
    onCommand(CM_HANDBOK, [] { ui::showGuide(); });
    onCommand(CM_SIDINSTALLNINGAR, [this] { CmFilePrinterSetup(); });
    onCommand(CM_PUBLICERA, [this] { Publicera(); });

    onMessage(MSG_REGISTRERING, [this] { EvDialogClosed(); });
    onMessage(MSG_TILLBEHOR, [this] { EvDialogClosedb(); });
    onMessage(MSG_UTFOR, [this] { EvDialogClosedc(); });
    onMessage(MSG_LADDADE, [this] { EvDialogClosedd(); });

    onRefresh([this] {
        visaOversikt();
        uppdateraWebb();
    });
    visaOversikt();
    webb_.borja(lottad());
}

// The working folder as the user knows it: "~/turneringar" for a folder in the home folder.
static std::string mappnamn() {
    std::error_code ec;
    const std::string mapp = std::filesystem::current_path(ec).string();
    const char* hem = std::getenv("HOME");
    if (hem && *hem && mapp.rfind(std::string(hem) + "/", 0) == 0) return "~" + mapp.substr(std::strlen(hem));
    return mapp;
}

void FDemoWin::visaOversikt() {
    ui::Overview o;
    o.place = "Turneringar i " + mappnamn();
    o.headings = oversiktsrubriker();
    for (const auto& rad : turneringsoversikt(state_.lottad))
        o.rows.push_back(oversiktsceller(rad));
    o.empty = kIngaTurneringar;
    setOverview(o);
}

// "STANGT" is left as it is: the next start resets it.
FDemoWin::~FDemoWin() = default;

bool FDemoWin::oppnaKommando() {
    if (store::touchAndReadText(store::fil::STANGT) == "1") {
        ui::TEnkel(this, 36).Execute();
        return false;
    }
    store::writeText(store::fil::STANGT, "1");
    return true;
}

void FDemoWin::stangKommando() {
    kommando::stang();
}

// Runs a plug-in step, or ends the command when its part is not built yet.
static void steg(ShellStep step, FDemoWin& w) {
    if (step)
        step(w);
    else
        FDemoWin::stangKommando();
}

static void rensaInfor(LottState& s) {
    for (int lista : {2, 3, 5, 6, 7, 10})
        s.rensalistab(lista);
}

void FDemoWin::NyTurnering() {
    if (!oppnaKommando()) return;
    rensaInfor(state_);
    steg(plugIns().nyTurnering, *this);
}

void FDemoWin::LaddaTurnering() {
    if (!oppnaKommando()) return;
    steg(plugIns().laddaTurnering, *this);
}

void FDemoWin::kommando(int code, int pstallningval) {
    if (!oppnaKommando()) return;
    state_.vilkpaint = code;
    if (pstallningval >= 0) state_.pstallningval = pstallningval;
    rensaInfor(state_);
    valjturn(code);
}

void FDemoWin::valjturn(int code) {
    auto* dialog = new ValjTurneringDialog(this, state_, code);
    dialog->show();
    dialog->fyll();
}

void FDemoWin::andrarank() {
    if (auto step = plugIns().andraRankinggrupper) step(*this);
}

void FDemoWin::andrapris() {
    if (auto step = plugIns().andraPenningpriser) step(*this);
}

void FDemoWin::Cmfont() {
    // "&Större" chooses the larger report font ("0"); "&Standard" or closing the box the standard one.
    const int svar = ui::TEnkel(this, 46).Execute();
    store::writeText(store::fil::FONTS, svar == 1 ? "0" : "1");
}

void FDemoWin::CmHjalp() {
    ui::TEnkel(this, 44).Execute();
}

void FDemoWin::CmAbout() {
    ui::TEnkel(this, ABOUT).Execute();
}

void FDemoWin::CmDemoExit() {
    close();
}

webb::Lottad FDemoWin::lottad() const {
    return {state_.lottad.turnnr, state_.lottad.rond, state_.lottadePar};
}

// Only a directory with tournaments gets a site, and one the program may not write is left as it
// is: a refresh never fails a command.
void FDemoWin::uppdateraWebb() {
    if (!webb::kanSkrivas()) return;
    webb_.uppdatera(lottad());
}

void FDemoWin::Publicera() {
    if (!webb::kanSkrivas()) {
        ui::TEnkel(this, WEBB_PUBLICERAD).Execute();
        return;
    }
    const std::string mapp = webb_.publicera(lottad());
    if (!ui::openFolder(mapp)) ui::TEnkel(this, WEBB_PUBLICERAD).Execute();
}

void FDemoWin::CmFilePrinterSetup() {
    ui::printerSetup(this);
}

void FDemoWin::EvDialogClosed() {
    if (state_.garej) {
        ui::TEnkel(this, 26).Execute();
        return;
    }
    steg(plugIns().registrering, *this);
}

void FDemoWin::EvDialogClosedb() {
    if (store::firstChars(store::touchAndReadText(store::fil::SLUMPT), 9) == "monradja") {
        store::writeText(store::fil::SLUMPT, "monradn");
        if (ui::TEnkel(this, 34).Execute() == 1)
            if (auto step = plugIns().slumpa) step(*this);
    }
    // Each option dialog clears its own flag when it closes and posts 1002 again, so the chain
    // visits every chosen option once.
    const tillbehorstruct t = store::readTillb(true);
    const PlugIns& p = plugIns();
    if (t.penningpriser && p.penningpriser)
        p.penningpriser(*this);
    else if (t.rankinggrupper && p.rankinggrupper)
        p.rankinggrupper(*this);
    else if (t.elotitel && p.elotitel)
        p.elotitel(*this);
    else if (t.egenkategori && p.egenkategori)
        p.egenkategori(*this);
    else
        stangKommando();
}

void FDemoWin::EvDialogClosedc() {
    auto& table = plugIns().efterVal;
    auto it = table.find(state_.vilkpaint);
    steg(it == table.end() ? nullptr : it->second, *this);
}

void FDemoWin::EvDialogClosedd() {
    rensaInfor(state_);
    steg(plugIns().modifiera, *this);
}
