#include "lott/results/tillval_dialog.h"

#include "lott/kommando.h"

TillvalDialog::TillvalDialog(ui::Window* parent, const ui::DialogResource& resurs, tillval::Flagga flagga,
                             Lage lage)
    : ui::Dialog(parent, resurs), flagga_(flagga), lage_(lage), turnnr_(tillval::turnering()) {}

void TillvalDialog::onDestroy() {
    if (lage_ != Lage::Kedja) return;
    tillval::rensaFlagga(flagga_);
    ui::Window::post(MSG_TILLBEHOR);
}

void TillvalDialog::baraSiffrorI(int id) {
    onTextChange(id, [this, id] {
        const std::string siffror = tillval::baraSiffror(text(id));
        if (siffror != text(id)) setText(id, siffror);
    });
}
