#include "resources/ratingbridge/ratingbridge_fonster.h"

namespace ratingbridgeres {

using ui::IDSTATIC;
using ui::Kind;

const ui::DialogResource& ratingbridgeFonster() {
    static const ui::DialogResource dialog{
        DLG_RATINGBRIDGE,
        "Ranking från LOTT-turnering",
        3,
        {
            {IDC_KATALOGER, Kind::DirList, "", 0, 0, 12, 1},
            {IDSTATIC, Kind::Static, "Välj Turnering", 0, 1, 1, 2},
            {IDC_TURNERINGAR, Kind::List, "", 1, 1, 4, 2},
            {IDC_STATUS, Kind::Static, "Om samma turnering tidigare", 5, 1, 1, 2},
            {IDC_NOT, Kind::Static, "exporterats skrivs den över", 6, 1, 1, 2},
            {IDSTATIC, Kind::Static, "Välj rankingperiod för turneringen", 7, 1, 1, 2},
            {IDC_PERIODER, Kind::DropDown, "", 8, 1, 1, 2},
            {IDSTATIC, Kind::Static, "Partier rankinggrundande från", 9, 1, 1, 2},
            {IDSTATIC, Kind::Static, "och med rond:", 10, 1},
            {IDC_ROND, Kind::Edit, "", 10, 2, 1, 1, 0, 0, 4},
            {IDC_EXPORTERA, Kind::Button, "Exportera", 11, 1, 1, 2},
        },
    };
    return dialog;
}

} // namespace ratingbridgeres
