#include "resources/lott/setup_dialogs.h"

using ui::Control;
using ui::IDSTATIC;
using ui::Kind;

namespace {

// Radio groups of dialog 1601.
constexpr int kSystemGrupp = 1;
constexpr int kKvalitetGrupp = 2;
constexpr int kPoangGrupp = 3;

ui::DialogResource bygg() {
    ui::DialogResource d;
    d.number = 1601;
    d.title = "Ny turnering";
    d.columns = 4;
    // clang-format off
    d.controls = {
        {IDSTATIC, Kind::Static, "Turneringens &namn", 0, 0, 1, 1},
        {605, Kind::Edit, "", 0, 1, 1, 3, 29},
        {IDSTATIC, Kind::Static, "Antal &ronder", 1, 0, 1, 1},
        {606, Kind::Edit, "", 1, 1, 1, 1, 3},
        {IDSTATIC, Kind::Static, "Lottningssystem", 2, 0, 1, 1},
        {611, Kind::Radio, "&Monrad", 2, 1, 1, 1, 0, kSystemGrupp},
        {612, Kind::Radio, "&Nordisk schweizer", 2, 2, 1, 1, 0, kSystemGrupp},
        {613, Kind::Radio, "&Schweizer", 2, 3, 1, 1, 0, kSystemGrupp},
        {IDSTATIC, Kind::Static, "Spelaruppgifter", 3, 0, 1, 1},
        {610, Kind::Check, "&Klubb", 3, 1, 1, 1},
        {609, Kind::Check, "&Ranking", 3, 2, 1, 1},
        {IDSTATIC, Kind::Static, "Tillval", 4, 0, 1, 1},
        {608, Kind::Check, "&Penningpriser", 4, 1, 1, 1},
        {697, Kind::Check, "&Rankinggrupper", 4, 2, 1, 1},
        {607, Kind::Check, "&ELO, titel", 4, 3, 1, 1},
        {1607, Kind::Check, "Egen kategorisering", 5, 1, 1, 1},
        {IDSTATIC, Kind::Static, "(juniorer, oldboys etc)", 5, 2, 1, 2},
        {IDSTATIC, Kind::Static, "Kvalitetspoäng", 6, 0, 1, 1},
        {2210, Kind::Radio, "Vanlig", 6, 1, 1, 1, 0, kKvalitetGrupp},
        {2211, Kind::Radio, "Progressiv", 6, 2, 1, 1, 0, kKvalitetGrupp},
        {IDSTATIC, Kind::Static, "Poäng (vinst, remi, förlust)", 7, 0, 1, 1},
        {101, Kind::Radio, "1      0.5      0", 7, 1, 1, 1, 0, kPoangGrupp},
        {102, Kind::Radio, "3       1        0", 7, 2, 1, 1, 0, kPoangGrupp},
        {103, Kind::Radio, "3       2        1", 8, 1, 1, 1, 0, kPoangGrupp},
        {104, Kind::Radio, "Valfritt", 8, 2, 1, 1, 0, kPoangGrupp},
        {ui::IDOK, Kind::Button, "&Kör", 9, 1, 1, 1},
        {ui::IDCANCEL, Kind::DefaultButton, "&Avbryt", 9, 2, 1, 1},
        {1201, Kind::Button, "&Hjälp", 9, 3, 1, 1},
    };
    // clang-format on
    return d;
}

} // namespace

const ui::DialogResource& nyTurneringResurs() {
    static const ui::DialogResource resurs = bygg();
    return resurs;
}
