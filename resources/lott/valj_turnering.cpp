#include "resources/lott/valj_turnering.h"

namespace lottres {

using ui::Kind;

const ui::DialogResource& valjTurnering() {
    static const ui::DialogResource dialog{
        DLG_VALJ_TURNERING,
        "Välj turnering",
        2,
        {
            {ui::IDSTATIC, Kind::Static, "Eftersom man kan spela flera turneringar samtigt", 0, 0, 1, 2},
            {ui::IDSTATIC, Kind::Static, "måste du ange vilken du menar. Den senaste ", 1, 0, 1, 2},
            {ui::IDSTATIC, Kind::Static, "och förmodligen aktuella ges som default.", 2, 0, 1, 2},
            {ui::IDSTATIC, Kind::Static, "&Turneringar:", 3, 0, 1, 2},
            {IDC_TURNERINGAR, Kind::List, "", 4, 0, 4, 2},
            {ui::IDOK, Kind::DefaultButton, "OK", 8, 0},
            {ui::IDCANCEL, Kind::Button, "Avbryt", 8, 1},
        },
    };
    return dialog;
}

const ui::DialogResource& valjTurneringRond() {
    static const ui::DialogResource dialog{
        DLG_VALJ_TURNERING_ROND,
        "Välj turnering och rond",
        3,
        {
            {ui::IDSTATIC, Kind::Static, "Den senast startade turneringen och senaste", 0, 0, 1, 3},
            {ui::IDSTATIC, Kind::Static, "rond ges som default, andra kan väljas.", 1, 0, 1, 3},
            {ui::IDSTATIC, Kind::Static, "&Turneringar:", 2, 0, 1, 2},
            {IDC_TURNERINGAR, Kind::List, "", 3, 0, 4, 2},
            {ui::IDSTATIC, Kind::Static, "&Rond:", 2, 2},
            {IDC_RONDER, Kind::List, "", 3, 2, 4, 1},
            {ui::IDOK, Kind::DefaultButton, "OK", 7, 0},
            {ui::IDCANCEL, Kind::Button, "Avbryt", 7, 1},
        },
    };
    return dialog;
}

} // namespace lottres
