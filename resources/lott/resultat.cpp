#include "resources/lott/resultat.h"

namespace lottres {

using ui::Kind;

const ui::DialogResource& resultat() {
    static const ui::DialogResource dialog = [] {
        ui::DialogResource d{DLG_RESULTAT, "Resultat", 7, {}};
        d.controls.push_back({ui::IDSTATIC, Kind::Static, "&Bord", 0, 0});
        d.controls.push_back({ui::IDSTATIC, Kind::Static, "&Vit", 0, 1, 1, 2});
        d.controls.push_back({ui::IDSTATIC, Kind::Static, "&Svart", 0, 3, 1, 2});
        d.controls.push_back({ui::IDSTATIC, Kind::Static, "&Resultat", 0, 5, 1, 2});
        for (int i = 0; i < RESULTAT_RADER; ++i) {
            const int rad = i + 1;
            d.controls.push_back({idcBord(i), Kind::ReadOnlyEdit, "", rad, 0});
            d.controls.push_back({idcVit(i), Kind::ReadOnlyEdit, "", rad, 1, 1, 2});
            d.controls.push_back({idcSvart(i), Kind::ReadOnlyEdit, "", rad, 3, 1, 2});
            d.controls.push_back({idcResultat(i), Kind::Edit, "", rad, 5, 1, 2});
        }
        const int knappar = RESULTAT_RADER + 1;
        d.controls.push_back({ui::IDCANCEL, Kind::Button, "&Avbryt", knappar, 0});
        d.controls.push_back({ui::IDOK, Kind::DefaultButton, "&Klar", knappar, 1});
        d.controls.push_back({IDC_HJALP, Kind::Button, "&Hjälp", knappar, 2});
        d.controls.push_back({IDC_BAKAT, Kind::Button, "<< <<", knappar, 3});
        d.controls.push_back({IDC_FRAMAT, Kind::Button, ">> >>", knappar, 4});
        return d;
    }();
    return dialog;
}

} // namespace lottres
