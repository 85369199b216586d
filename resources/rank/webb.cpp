#include "resources/rank/webb.h"

namespace rankres {

using ui::Kind;

const ui::DialogResource& publiceraWebb() {
    static const ui::DialogResource dialog = [] {
        ui::DialogResource d{9200, "Publicera webbsida", 2, {}};
        d.controls.push_back({ui::IDSTATIC, Kind::Static, "Rankinglistan skrivs i mappen webb.", 0, 0, 1, 2});
        d.controls.push_back({IDC_VISA_EPOST, Kind::Check, "Visa e-postadresser", 1, 0, 1, 2});
        d.controls.push_back({ui::IDOK, Kind::DefaultButton, "&Publicera", 2, 0});
        d.controls.push_back({ui::IDCANCEL, Kind::Button, "&Avbryt", 2, 1});
        return d;
    }();
    return dialog;
}

} // namespace rankres
