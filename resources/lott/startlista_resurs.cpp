#include "resources/lott/spelare_dialogs.h"

namespace lottres {

using ui::IDSTATIC;
using ui::Kind;

namespace {
constexpr int kSorteringGrupp = 1;
} // namespace

const ui::DialogResource& andraStartResurs() {
    static const ui::DialogResource dialog{
        2347,
        "Ändra i startlistan och i lottningen i första ronden",
        6,
        {
            {IDC_VANSTER, Kind::List, "", 0, 0, 10, 3},
            {IDC_HOGER, Kind::List, "", 0, 3, 10, 3},
            {ui::IDOK, Kind::DefaultButton, "&Verkställ", 10, 0, 1, 2},
            {ui::IDCANCEL, Kind::Button, "&Avbryt", 10, 2, 1, 2},
            {IDC_START_HJALP, Kind::Button, "&Hjälp", 10, 4, 1, 2},
        },
    };
    return dialog;
}

const ui::DialogResource& andraSorteringResurs() {
    // clang-format off
    static const ui::DialogResource dialog{
        2344,
        "Sortera deltarlista",
        3,
        {
            {IDC_SORTERAD, Kind::SortedList, "", 0, 0, 10, 3},
            {IDC_SORT_RANKING, Kind::Radio, "Ranking", 10, 0, 1, 1, 0, kSorteringGrupp},
            {IDC_SORT_NAMN, Kind::Radio, "Namn", 10, 1, 1, 1, 0, kSorteringGrupp},
            {IDC_SORT_KLUBB, Kind::Radio, "Klubb", 10, 2, 1, 1, 0, kSorteringGrupp},
            {IDC_SKRIVUT, Kind::Button, "&Skriv ut", 11, 0},
            {ui::IDOK, Kind::DefaultButton, "&Stäng", 11, 2},
        },
    };
    // clang-format on
    return dialog;
}

const ui::DialogResource& andraSpelarUppgifterResurs() {
    static const ui::DialogResource dialog{
        2348,
        "Ändra spelaruppgifter",
        3,
        {
            {IDC_UPPGIFTER, Kind::List, "", 0, 0, 10, 3},
            {ui::IDOK, Kind::DefaultButton, "&Verkställ", 10, 0},
            {ui::IDCANCEL, Kind::Button, "&Avbryt", 10, 1},
            {IDC_UPPGIFTER_HJALP, Kind::Button, "&Hjälp", 10, 2},
        },
    };
    return dialog;
}

const ui::DialogResource& modifieraSpelarUppgifterResurs() {
    static const ui::DialogResource dialog{
        2339,
        "Uppgifter för startnummer ",
        3,
        {
            {IDSTATIC, Kind::Static, "&Namn", 0, 0},
            {IDC_FORM_NAMN, Kind::Edit, "", 0, 1, 1, 2, 29},
            {IDSTATIC, Kind::Static, "Klubb", 1, 0},
            {IDC_FORM_KLUBB, Kind::Edit, "", 1, 1, 1, 2, 29},
            {IDSTATIC, Kind::Static, "Ranking", 2, 0},
            {IDC_FORM_RANKING, Kind::Edit, "", 2, 1, 1, 1, 9},
            {ui::IDOK, Kind::DefaultButton, "&Verkställ", 3, 0},
            {ui::IDCANCEL, Kind::Button, "&Avbryt", 3, 1},
            {IDC_FORM_HJALP, Kind::Button, "&Hjälp", 3, 2},
        },
    };
    return dialog;
}

} // namespace lottres
