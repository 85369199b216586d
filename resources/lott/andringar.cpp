#include "resources/lott/andringar.h"

namespace lottres {

using ui::IDSTATIC;
using ui::Kind;

const ui::DialogResource& avbrytResurs() {
    static const ui::DialogResource dialog{
        DLG_AVBRYT,
        "Uppskjutna och avbrutna partier",
        3,
        {
            {IDSTATIC, Kind::Static, "Välj ut partier och skriv hur det gick (1-0, 0-1, Remi). ", 0, 0, 1, 3},
            {IDSTATIC, Kind::Static, "Bekräfta sedan resultatet. ", 1, 0, 1, 3},
            {IDC_PARTIER, Kind::SortedList, "", 2, 0, 7, 2},
            {IDSTATIC, Kind::Static, "Vit", 2, 2},
            {IDC_VIT, Kind::ReadOnlyEdit, "", 3, 2, 1, 1, 0, 0, 20},
            {IDSTATIC, Kind::Static, "Svart", 4, 2},
            {IDC_SVART, Kind::ReadOnlyEdit, "", 5, 2, 1, 1, 0, 0, 20},
            {IDSTATIC, Kind::Static, "Resultat", 6, 2},
            {IDC_RESULTAT, Kind::Edit, "", 7, 2, 1, 1, 0, 0, 9},
            {IDC_BEKRAFTA, Kind::Button, "&Bekräfta", 8, 2},
            {ui::IDOK, Kind::DefaultButton, "&Verkställ", 9, 0},
            {ui::IDCANCEL, Kind::Button, "&Avbryt", 9, 1},
            {IDC_AVBRYT_HJALP, Kind::Button, "&Hjälp", 9, 2},
        },
    };
    return dialog;
}

const ui::DialogResource& spelareUtResurs() {
    static const ui::DialogResource dialog{
        DLG_SPELARE_UT,
        "Spelare som utgår",
        3,
        {
            {IDSTATIC, Kind::Static, "Vem ska utgå?", 0, 0, 1, 2},
            {IDC_UTGAENDE, Kind::List, "", 1, 0, 6, 2},
            {IDSTATIC, Kind::Static, "Den som eventuellt", 1, 2},
            {IDSTATIC, Kind::Static, "är markerad i list-", 2, 2},
            {IDSTATIC, Kind::Static, "boxen till vänster", 3, 2},
            {IDSTATIC, Kind::Static, "kommer att utgå", 4, 2},
            {IDSTATIC, Kind::Static, "om du verkställer.", 5, 2},
            {ui::IDOK, Kind::DefaultButton, "&Verkställ", 7, 0},
            {ui::IDCANCEL, Kind::Button, "Avbryt", 7, 1},
        },
    };
    return dialog;
}

const ui::DialogResource& spelareInResurs() {
    static const ui::DialogResource dialog{
        DLG_SPELARE_IN,
        "Ny spelare in i turneringen",
        3,
        {
            {IDSTATIC, Kind::Static, "&Nr.", 0, 0},
            {IDC_NYNR, Kind::ReadOnlyEdit, "", 0, 1, 1, 1, 0, 0, 8},
            {IDSTATIC, Kind::Static, "Fyll i de uppgifter som", 0, 2},
            {IDSTATIC, Kind::Static, "&Namn", 1, 0},
            {IDC_NYNAMN, Kind::Edit, "", 1, 1, 1, 1, 30},
            {IDSTATIC, Kind::Static, "behövs för denna turn-", 1, 2},
            {IDSTATIC, Kind::Static, "&Klubb", 2, 0},
            {IDC_NYKLUBB, Kind::Edit, "", 2, 1, 1, 1, 30},
            {IDSTATIC, Kind::Static, "ering och verkställ.", 2, 2},
            {IDSTATIC, Kind::Static, "&Ranking", 3, 0},
            {IDC_NYRANKING, Kind::Edit, "", 3, 1, 1, 1, 10},
            {ui::IDOK, Kind::DefaultButton, "&Verkställ", 4, 0},
            {ui::IDCANCEL, Kind::Button, "&Ångra", 4, 1},
        },
    };
    return dialog;
}

} // namespace lottres
