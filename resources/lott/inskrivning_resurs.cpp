#include "lott/setup/inskrivning_layout.h"
#include "resources/lott/setup_dialogs.h"

using ui::Control;
using ui::IDSTATIC;
using ui::Kind;

namespace {

// Grid columns of one column group: start number, name, then club and ranking where the layout has them.
int kolumnerPerGrupp(const InskrivningLayout& l) {
    return 2 + (l.klubb ? 1 : 0) + (l.ranking ? 1 : 0);
}

ui::DialogResource bygg(const InskrivningLayout& l) {
    ui::DialogResource d;
    d.number = l.dialog;
    d.title = "Inskrivning av spelare";
    const int bredd = kolumnerPerGrupp(l);
    d.columns = bredd * l.kolumner;

    // Headings above each column group (row 0); the rows of players start at grid row 1.
    for (int g = 0; g < l.kolumner; ++g) {
        int c = g * bredd;
        d.controls.push_back({IDSTATIC, Kind::Static, "Nr", 0, c++});
        d.controls.push_back({IDSTATIC, Kind::Static, "Namn", 0, c++});
        if (l.klubb) d.controls.push_back({IDSTATIC, Kind::Static, "Klubb", 0, c++});
        if (l.ranking) d.controls.push_back({IDSTATIC, Kind::Static, "Ranking", 0, c++});
    }
    // One row per start number of the page, in start-number order (which is also the tab order).
    for (int i = 0; i < l.raderPerSida; ++i) {
        const auto p = platsForRad(l, i);
        const int rad = 1 + p.rad;
        int c = p.kolumn * bredd;
        d.controls.push_back({nummerId(i), Kind::ReadOnlyEdit, "", rad, c++, 1, 1, kNummerMaxLangd});
        d.controls.push_back({namnId(i), Kind::Edit, "", rad, c++, 1, 1, kNamnMaxLangd});
        if (l.klubb) d.controls.push_back({klubbId(i), Kind::Edit, "", rad, c++, 1, 1, kNamnMaxLangd});
        if (l.ranking)
            d.controls.push_back({rankingId(i), Kind::Edit, "", rad, c++, 1, 1, l.rankingMaxLangd});
    }
    const int knappRad = 2 + l.raderVanster;
    d.controls.push_back({ui::IDOK, Kind::DefaultButton, "&Klar", knappRad, 0});
    d.controls.push_back({ui::IDCANCEL, Kind::Button, "&Avbryt", knappRad, 1});
    d.controls.push_back({l.bakatId, Kind::Button, "<< <<", knappRad, d.columns - 2});
    d.controls.push_back({l.framatId, Kind::Button, ">> >>", knappRad, d.columns - 1});
    return d;
}

} // namespace

const ui::DialogResource& inskrivningResurs(int turnkat) {
    static const ui::DialogResource resurser[] = {bygg(inskrivningLayout(0)), bygg(inskrivningLayout(1)),
                                                  bygg(inskrivningLayout(2)), bygg(inskrivningLayout(3))};
    return resurser[inskrivningLayout(turnkat).turnkat];
}
