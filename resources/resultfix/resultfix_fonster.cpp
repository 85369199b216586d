#include "resources/resultfix/resultfix_fonster.h"

namespace resultfixres {

using ui::IDSTATIC;
using ui::Kind;

ui::DialogResource resultfixFonster(const std::string& caption) {
    // Start numbers are short; the result field holds a word or "white-black" points.
    constexpr int kNummer = 6;
    return {
        DLG_RESULTFIX,
        caption,
        2,
        {
            {IDSTATIC, Kind::Static, "Turnering", 0, 0, 1, 2},
            {IDC_TURNERINGAR, Kind::List, "", 1, 0, 4, 2},
            {IDSTATIC, Kind::Static, "Ta bort resultat (Vit, svart, deras spelanr)", 5, 0, 1, 2},
            {IDC_GAMMAL_VIT, Kind::Edit, "", 6, 0, 1, 1, 0, 0, kNummer},
            {IDC_GAMMAL_SVART, Kind::Edit, "", 6, 1, 1, 1, 0, 0, kNummer},
            {IDSTATIC, Kind::Static, "Ersätt med", 7, 0, 1, 2},
            {IDC_NY_VIT, Kind::Edit, "", 8, 0, 1, 1, 0, 0, kNummer},
            {IDC_NY_SVART, Kind::Edit, "", 8, 1, 1, 1, 0, 0, kNummer},
            {IDSTATIC, Kind::Static, "Resultat", 9, 0, 1, 2},
            {IDC_RESULTAT, Kind::Edit, "", 10, 0, 1, 1, 0, 0, 12},
            {IDC_BEKRAFTA, Kind::Button, "Bekräfta", 11, 0, 1, 2},
            {IDC_STATUS, Kind::Static, "Status", 12, 0, 1, 2},
        },
    };
}

} // namespace resultfixres
