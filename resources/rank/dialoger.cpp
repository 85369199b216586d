#include "resources/rank/dialoger.h"

namespace rankres {

using ui::Kind;

namespace {

// A drop-down with its label above and "&Verkställ" / "&Avbryt" (and help) below.
ui::DialogResource valLista(int nummer, const char* titel, const char* etikett, bool hjalp) {
    ui::DialogResource d{nummer, titel, 3, {}};
    d.controls.push_back({ui::IDSTATIC, Kind::Static, etikett, 0, 0, 1, 3});
    d.controls.push_back({IDC_LISTA, Kind::DropDown, "", 1, 0, 1, 3});
    d.controls.push_back({ui::IDOK, Kind::DefaultButton, "&Verkställ", 2, 0});
    d.controls.push_back({ui::IDCANCEL, Kind::Button, "&Avbryt", 2, 1});
    if (hjalp) d.controls.push_back({IDC_HJALP, Kind::Button, "&Hjälp", 2, 2});
    return d;
}

// A labelled edit field: the label in column `kol`, the field of `langd` characters beside it.
void faltMedEtikett(ui::DialogResource& d, int rad, int kol, const char* etikett, int id, int langd) {
    d.controls.push_back({ui::IDSTATIC, Kind::Static, etikett, rad, kol});
    d.controls.push_back({id, Kind::Edit, "", rad, kol + 1, 1, 1, langd});
}

} // namespace

const ui::DialogResource& valjSpelare() {
    static const ui::DialogResource d = valLista(200, "Välj spelare", "&Spelare", false);
    return d;
}

const ui::DialogResource& taBortSpelare() {
    static const ui::DialogResource d =
        valLista(201, "Ta bort spelare ur registret", "&Spelare som ska tas bort", false);
    return d;
}

const ui::DialogResource& valjPeriod() {
    static const ui::DialogResource d = valLista(202, "Välj rankingperiod", "&Rankingperiod", true);
    return d;
}

const ui::DialogResource& spelaruppgifter() {
    static const ui::DialogResource dialog = [] {
        ui::DialogResource d{203, "Spelaruppgifter", 4, {}};
        auto falt = [&d](int rad, int kol, const char* etikett, int id, int langd) {
            faltMedEtikett(d, rad, kol, etikett, id, langd);
        };
        falt(0, 0, "&Namn", IDC_NAMN, 29);
        falt(0, 2, "&Födelsedatum", IDC_FODELSEDATUM, 19);
        falt(1, 0, "&Ranking", IDC_RANKING, 9);
        falt(1, 2, "&Klass", IDC_KLASS, 9);
        falt(2, 0, "&ELO", IDC_ELO, 9);
        falt(2, 2, "&Epostadress", IDC_EPOST, 39);
        d.controls.push_back({IDC_NYSPELARE, Kind::Check, "&Ny spelare", 3, 0, 1, 2});
        falt(3, 2, "Tidigare klubb", IDC_TIDIGAREKLUBB, 29);
        d.controls.push_back({IDC_PALISTA, Kind::Check, "Med på SSF-lista", 4, 0, 1, 2});
        d.controls.push_back({ui::IDOK, Kind::DefaultButton, "&OK", 5, 1});
        d.controls.push_back({ui::IDCANCEL, Kind::Button, "&Avbryt", 5, 2});
        return d;
    }();
    return dialog;
}

const ui::DialogResource& nyaResultat() {
    static const ui::DialogResource dialog = [] {
        ui::DialogResource d{204, "Nya rankingberäknande resultat", 4, {}};
        auto falt = [&d](int rad, int kol, const char* etikett, int id, int langd) {
            faltMedEtikett(d, rad, kol, etikett, id, langd);
        };
        // Games on the left, with the opponents met before; tournaments on the right.
        d.controls.push_back({ui::IDSTATIC, Kind::Static, "Tidigare motståndare", 0, 0, 1, 2});
        d.controls.push_back({IDC_MOTSTANDARLISTA, Kind::List, "", 1, 0, 4, 2});
        falt(5, 0, "&Motståndare", IDC_MOTSTANDARE, 29);
        falt(6, 0, "&Motståndarens klubb", IDC_MOTKLUBB, 29);
        falt(7, 0, "&Motståndarens ranking", IDC_MOTRANKING, 9);
        falt(8, 0, "&Resultat", IDC_RESULTAT, 4);
        falt(9, 0, "Turnering/match", IDC_TURNERING, 29);
        falt(10, 0, "&Datum", IDC_DATUM, 19);
        d.controls.push_back({IDC_BEKRAFTA_PARTI, Kind::Button, "&Bekräfta", 11, 1});
        d.controls.push_back({ui::IDSTATIC, Kind::Static, "Tidigare turneringar", 0, 2, 1, 2});
        d.controls.push_back({IDC_TURNERINGSLISTA, Kind::List, "", 1, 2, 4, 2});
        falt(5, 2, "&Aktuell turnering", IDC_AKTUELLTURNERING, 29);
        falt(6, 2, "&Rankingförändring", IDC_ANDRING, 9);
        d.controls.push_back({IDC_BEKRAFTA_TURNERING, Kind::Button, "&Bekräfta", 7, 3});
        d.controls.push_back({ui::IDOK, Kind::DefaultButton, "&Verkställ", 12, 1});
        d.controls.push_back({ui::IDCANCEL, Kind::Button, "&Avbryt", 12, 2});
        return d;
    }();
    return dialog;
}

const ui::DialogResource& angraResultat() {
    static const ui::DialogResource dialog = [] {
        ui::DialogResource d{205, "Ångra och ta bort resultat", 2, {}};
        d.controls.push_back(
            {ui::IDSTATIC, Kind::Static, "Dubbelklicka på det parti som ska tas bort", 0, 0, 1, 2});
        d.controls.push_back({IDC_LISTA, Kind::List, "", 1, 0, 6, 2});
        d.controls.push_back({ui::IDOK, Kind::DefaultButton, "&Verkställ", 7, 0});
        d.controls.push_back({ui::IDCANCEL, Kind::Button, "&Avbryt", 7, 1});
        return d;
    }();
    return dialog;
}

const ui::DialogResource& klubbnamn() {
    static const ui::DialogResource dialog = [] {
        ui::DialogResource d{206, "Namn på föreningen ", 2, {}};
        d.controls.push_back({ui::IDSTATIC, Kind::Static, "Namn på &förening", 0, 0});
        d.controls.push_back({IDC_KLUBBNAMN, Kind::Edit, "", 0, 1, 1, 1, 29});
        d.controls.push_back({ui::IDOK, Kind::DefaultButton, "&Stäng", 1, 0, 1, 2});
        return d;
    }();
    return dialog;
}

} // namespace rankres
