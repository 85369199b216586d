#include "resources/lagturnering/lagturnering_fonster.h"

namespace lagturneringres {

using ui::IDSTATIC;
using ui::Kind;

ui::DialogResource lagturneringFonster(const std::string& caption) {
    return {
        DLG_LAGTURNERING,
        caption,
        3,
        {
            {IDC_KATALOGER, Kind::DirList, "", 0, 0, 10, 1},
            {IDSTATIC, Kind::Static, "Välj Turneringar (Ctrl för flera)", 0, 1, 1, 2},
            {IDC_TURNERINGAR, Kind::MultiList, "", 1, 1, 5, 2},
            {IDC_STATUS, Kind::Static, "En html-fil skapas i \\lottutskrifter", 6, 1, 1, 2},
            {IDSTATIC, Kind::Static, "Namn på lagturnering", 7, 1, 1, 2},
            {IDC_NAMN, Kind::Edit, "", 8, 1, 1, 2, 0, 0, 24},
            {IDC_RAKNA, Kind::Button, "Räkna ut", 9, 1, 1, 2},
        },
    };
}

} // namespace lagturneringres
