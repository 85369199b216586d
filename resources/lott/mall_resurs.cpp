#include "resources/lott/spelare_dialogs.h"

namespace lottres {

using ui::IDSTATIC;
using ui::Kind;

namespace {
constexpr int kSystemGrupp = 1;
constexpr int kPoangGrupp = 2;
} // namespace

const ui::DialogResource& laddaTurneringResurs() {
    static const ui::DialogResource dialog{
        5,
        "Välj turnering",
        2,
        {
            {IDSTATIC, Kind::Static, "Vilken turnering vill du hämta", 0, 0, 1, 2},
            {IDSTATIC, Kind::Static, "uppgifter ifrån.", 1, 0, 1, 2},
            {IDC_MALLAR, Kind::List, "", 2, 0, 4, 2},
            {ui::IDOK, Kind::DefaultButton, "&Verkställ", 6, 0},
            {ui::IDCANCEL, Kind::Button, "&Avbryt", 6, 1},
        },
    };
    return dialog;
}

const ui::DialogResource& modifieraTurneringResurs() {
    // clang-format off
    static const ui::DialogResource dialog{
        4,
        "Modifiera uppgifter",
        3,
        {
            {IDSTATIC, Kind::Static, "&Spelare", 0, 0},
            {IDC_MALL_SPELARE, Kind::List, "", 1, 0, 7, 1},
            {IDSTATIC, Kind::Static, "&Namn", 0, 1},
            {IDC_MALL_NAMN, Kind::Edit, "", 1, 1, 1, 2, 28},
            {IDSTATIC, Kind::Static, "&Klubb", 2, 1},
            {IDC_MALL_KLUBB, Kind::Edit, "", 3, 1, 1, 2, 28},
            {IDSTATIC, Kind::Static, "&Ranking", 4, 1},
            {IDC_MALL_RANKING, Kind::Edit, "", 5, 1, 1, 1, 9},
            {IDC_MALL_LAGGTILL, Kind::Button, "Lägg till spelare", 6, 1, 1, 2},
            {IDC_MALL_TABORT, Kind::Button, "Ta bort spelare", 7, 1, 1, 2},
            {IDC_MALL_VERKSTALL, Kind::Button, "&Verkställ", 8, 0},
            {ui::IDCANCEL, Kind::Button, "&Avbryt", 8, 1},
            {IDC_MALL_HJALP, Kind::Button, "&Hjälp", 8, 2},
        },
    };
    // clang-format on
    return dialog;
}

const ui::DialogResource& modifieraSystemResurs() {
    // clang-format off
    static const ui::DialogResource dialog{
        47,
        "Modifiera lottningsstystem",
        3,
        {
            {IDSTATIC, Kind::Static, "Vill du ändra på på något av nedanstående. Om inte kommer sam-", 0, 0, 1, 3},
            {IDSTATIC, Kind::Static, "-m system att användas som i den turnering som uppgifterna var", 1, 0, 1, 3},
            {IDSTATIC, Kind::Static, "hämtade ifrån, och 1,0.5,0 kommer att vara poängberäkningen.", 2, 0, 1, 3},
            {IDC_MONRAD, Kind::Radio, "&Monrad", 3, 0, 1, 1, 0, kSystemGrupp},
            {IDC_NORDISK, Kind::Radio, "&Nordisk schweizer", 3, 1, 1, 1, 0, kSystemGrupp},
            {IDC_SCHWEIZER, Kind::Radio, "&Schweizer", 3, 2, 1, 1, 0, kSystemGrupp},
            {IDC_POANG1, Kind::Radio, "1   0.5    0", 4, 0, 1, 1, 0, kPoangGrupp},
            {IDC_POANG1 + 1, Kind::Radio, "3    1      0", 4, 1, 1, 1, 0, kPoangGrupp},
            {IDC_POANG1 + 2, Kind::Radio, "3    2      1", 4, 2, 1, 1, 0, kPoangGrupp},
            {ui::IDOK, Kind::Button, "Ändra", 5, 0},
            {ui::IDCANCEL, Kind::DefaultButton, "Ändra inte", 5, 2},
        },
    };
    // clang-format on
    return dialog;
}

} // namespace lottres
