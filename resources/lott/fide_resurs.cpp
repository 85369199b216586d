#include "resources/lott/fide_resurs.h"

namespace lottres {

using ui::Kind;

const ui::DialogResource& trfExportResurs() {
    // clang-format off
    static const ui::DialogResource dialog{
        9302,
        "Exportera FIDE-rapport (TRF)",
        3,
        {
            {ui::IDSTATIC, Kind::Static, "Till och med &rond:", 0, 0},
            {IDC_TRF_ROND, Kind::Edit, "", 0, 1, 1, 1, 3},
            {IDC_TRF_UTAN_ACCENTER, Kind::Check, "Namn utan å, ä, ö och accenter", 1, 0, 1, 3},
            {ui::IDSTATIC, Kind::Static, "Att åtgärda:", 2, 0, 1, 3},
            {IDC_TRF_MEDDELANDEN, Kind::List, "", 3, 0, 8, 3},
            {ui::IDOK, Kind::DefaultButton, "&Exportera", 11, 0},
            {ui::IDCANCEL, Kind::Button, "&Stäng", 11, 2},
        },
    };
    // clang-format on
    return dialog;
}

const ui::DialogResource& fideUppgifterResurs() {
    // clang-format off
    static const ui::DialogResource dialog{
        9303,
        "FIDE-uppgifter",
        6,
        {
            {ui::IDSTATIC, Kind::Static, "&Sök:", 0, 0},
            {IDC_FU_SOK, Kind::Edit, "", 0, 1, 1, 2, 30},
            {IDC_FU_SORT_NR, Kind::Radio, "Startnummer", 0, 3, 1, 1, 0, 1},
            {IDC_FU_SORT_NAMN, Kind::Radio, "Namn", 0, 4, 1, 1, 0, 1},
            {IDC_FU_SORT_ELO, Kind::Radio, "FIDE-rating", 0, 5, 1, 1, 0, 1},
            {IDC_FU_LISTA, Kind::List, "", 1, 0, 8, 6},
            {ui::IDSTATIC, Kind::Static, "&Rapportnamn:", 9, 0},
            {IDC_FU_RAPPORTNAMN, Kind::Edit, "", 9, 1, 1, 2, 33},
            {ui::IDSTATIC, Kind::Static, "&Kön (m/w):", 9, 3},
            {IDC_FU_KON, Kind::Edit, "", 9, 4, 1, 1, 1},
            {ui::IDSTATIC, Kind::Static, "&Titel:", 10, 0},
            {IDC_FU_TITEL, Kind::Edit, "", 10, 1, 1, 1, 3},
            {ui::IDSTATIC, Kind::Static, "FIDE-ra&ting:", 10, 2},
            {IDC_FU_ELO, Kind::Edit, "", 10, 3, 1, 1, 4},
            {ui::IDSTATIC, Kind::Static, "&Federation:", 10, 4},
            {IDC_FU_FED, Kind::Edit, "", 10, 5, 1, 1, 3},
            {ui::IDSTATIC, Kind::Static, "FIDE-&id:", 11, 0},
            {IDC_FU_ID, Kind::Edit, "", 11, 1, 1, 1, 11},
            {ui::IDSTATIC, Kind::Static, "F&ödd:", 11, 2},
            {IDC_FU_FODD, Kind::Edit, "", 11, 3, 1, 1, 10},
            {IDC_FU_ANDRA, Kind::Button, "Ä&ndra spelaren", 11, 4, 1, 2},
            {IDC_FU_FEL, Kind::Static, "", 12, 0, 1, 6},
            {ui::IDSTATIC, Kind::Static, "&Ort:", 13, 0},
            {IDC_FU_STAD, Kind::Edit, "", 13, 1, 1, 2, 40},
            {ui::IDSTATIC, Kind::Static, "Turneringens federation:", 13, 3},
            {IDC_FU_TFED, Kind::Edit, "", 13, 4, 1, 1, 3},
            {ui::IDSTATIC, Kind::Static, "Startdatum:", 14, 0},
            {IDC_FU_START, Kind::Edit, "", 14, 1, 1, 1, 10},
            {ui::IDSTATIC, Kind::Static, "Slutdatum:", 14, 2},
            {IDC_FU_SLUT, Kind::Edit, "", 14, 3, 1, 1, 10},
            {ui::IDSTATIC, Kind::Static, "&Huvuddomare:", 15, 0},
            {IDC_FU_DOMARE, Kind::Edit, "", 15, 1, 1, 2, 40},
            {ui::IDSTATIC, Kind::Static, "Huvuddomarens FIDE-id:", 15, 3},
            {IDC_FU_DOMARE_ID, Kind::Edit, "", 15, 4, 1, 1, 11},
            {ui::IDSTATIC, Kind::Static, "&Biträdande domare (;):", 16, 0},
            {IDC_FU_BIDOMARE, Kind::Edit, "", 16, 1, 1, 2, 80},
            {ui::IDSTATIC, Kind::Static, "Deras FIDE-id (;):", 16, 3},
            {IDC_FU_BIDOMARE_ID, Kind::Edit, "", 16, 4, 1, 2, 60},
            {ui::IDSTATIC, Kind::Static, "Betänke&tid:", 17, 0},
            {IDC_FU_TID, Kind::Edit, "", 17, 1, 1, 2, 60},
            {ui::IDSTATIC, Kind::Static, "T&yp:", 17, 3},
            {IDC_FU_TYP, Kind::Edit, "", 17, 4, 1, 2, 40},
            {ui::IDSTATIC, Kind::Static, "Ron&ddatum:", 18, 0},
            {IDC_FU_RONDER, Kind::Edit, "", 18, 1, 1, 5, 0},
            {ui::IDOK, Kind::DefaultButton, "S&para", 19, 0},
            {ui::IDCANCEL, Kind::Button, "&Avbryt", 19, 5},
        },
    };
    // clang-format on
    return dialog;
}

} // namespace lottres
