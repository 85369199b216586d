#include "resources/lott/tillval.h"

namespace lottres {

using ui::IDSTATIC;
using ui::Kind;

namespace {
constexpr int kRadioGrupp = 1;
constexpr int kBeloppTecken = 9; // kronor: nine digits always fit the stored 32-bit amount
} // namespace

const ui::DialogResource& penningprisResurs() {
    static const ui::DialogResource d{
        DLG_PENNINGPRISER,
        "Penningpriser",
        3,
        {
            // clang-format off
            {IDC_PRISPLATSER, Kind::List, "", 0, 0, 8, 1},
            {IDSTATIC, Kind::Static, "Pris &nr", 0, 1},
            {IDC_PRISNR, Kind::ReadOnlyEdit, "", 0, 2, 1, 1, 0, 0, 4},
            {IDSTATIC, Kind::Static, "Pris &kr", 1, 1},
            {IDC_PRISKR, Kind::Edit, "", 1, 2, 1, 1, kBeloppTecken},
            {IDC_BEKRAFTAPRIS, Kind::DefaultButton, "&Bekräfta pris", 2, 1, 1, 2},
            {IDSTATIC, Kind::Static, "Vid &lika poäng:", 3, 1, 1, 2},
            {IDC_DELAS, Kind::Radio, "&Delas priserna", 4, 1, 1, 2, 0, kRadioGrupp},
            {IDC_SARSKILJNING, Kind::Radio, "Avgör &särskiljning", 5, 1, 1, 2, 0, kRadioGrupp},
            {ui::IDOK, Kind::Button, "&Verkställ", 8, 0},
            {ui::IDCANCEL, Kind::Button, "&Avbryt", 8, 1},
            {IDC_PENNINGHJALP, Kind::Button, "&Hjälp", 8, 2},
            // clang-format on
        },
    };
    return d;
}

const ui::DialogResource& rankinggruppResurs() {
    static const ui::DialogResource d{
        DLG_RANKINGGRUPPER,
        "Rankinggrupper",
        4,
        {
            // clang-format off
            {IDSTATIC, Kind::Static, "Turneringen innehåller:", 0, 0, 1, 2},
            {IDC_ANTALSPELARE, Kind::ReadOnlyEdit, "", 0, 2, 1, 1, 0, 0, 4},
            {IDSTATIC, Kind::Static, "spelare.", 0, 3},
            {IDSTATIC, Kind::Static, "Den ska ha:", 1, 0, 1, 2},
            {IDC_ANTALGRUPPER, Kind::Edit, "", 1, 2, 1, 1, 4},
            {IDSTATIC, Kind::Static, "stycken rankinggrupper.", 1, 3},
            {IDSTATIC, Kind::Static, "(Alternativt)", 2, 0, 1, 2},
            {IDSTATIC, Kind::Static, "Rankinggrupperna är om:", 3, 0, 1, 2},
            {IDC_PERGRUPP, Kind::Edit, "", 3, 2, 1, 1, 4},
            {IDSTATIC, Kind::Static, "spelare.", 3, 3},
            {IDSTATIC, Kind::Static, "Den första rankinggruppen är ifrån nr:", 4, 0, 1, 2},
            {IDC_FRANNR, Kind::Edit, "", 4, 2, 1, 1, 4},
            {IDSTATIC, Kind::Static, "&Rankingpriser:", 5, 0, 1, 2},
            {IDC_DELASRANKING, Kind::Radio, "Delas vid samma poäng.", 6, 0, 1, 2, 0, kRadioGrupp},
            {IDC_SKILJSRANKING, Kind::Radio, "Skiljs åt med kvalitetspoäng.", 6, 2, 1, 2, 0, kRadioGrupp},
            {IDSTATIC, Kind::Static, "Rankingpriser i kr:", 7, 0, 1, 2},
            {IDC_RANKINGPRIS, Kind::Edit, "", 7, 2, 1, 1, kBeloppTecken},
            {ui::IDOK, Kind::DefaultButton, "&Verkställ", 8, 0},
            {ui::IDCANCEL, Kind::Button, "&Ångra", 8, 1},
            {IDC_RANKINGHJALP, Kind::Button, "&Hjälp", 8, 2},
            // clang-format on
        },
    };
    return d;
}

const ui::DialogResource& elotitelResurs() {
    static const ui::DialogResource d{
        DLG_ELOTITEL,
        "Spelare med titel och elotal",
        3,
        {
            // clang-format off
            {IDC_ELOSPELARE, Kind::List, "", 0, 0, 8, 1},
            {IDSTATIC, Kind::Static, "&Startnr och namn.", 0, 1, 1, 2},
            {IDC_ELOVALD, Kind::ReadOnlyEdit, "", 1, 1, 1, 2, 0, 0, 30},
            {IDSTATIC, Kind::Static, "&Elotal", 2, 1},
            {IDC_ELOTAL, Kind::Edit, "", 2, 2, 1, 1, 7},
            {IDSTATIC, Kind::Static, "&Titel", 3, 1},
            {IDC_TITEL, Kind::Edit, "", 3, 2, 1, 1, 7},
            {IDC_ELOBEKRAFTA, Kind::DefaultButton, "&Bekräfta", 4, 1, 1, 2},
            {ui::IDOK, Kind::Button, "&Verkställ", 8, 0},
            {ui::IDCANCEL, Kind::Button, "&Avbryt", 8, 1},
            {IDC_ELOHJALP, Kind::Button, "&Hjälp", 8, 2},
            // clang-format on
        },
    };
    return d;
}

const ui::DialogResource& egenkategoriResurs() {
    static const ui::DialogResource d{
        DLG_EGENKATEGORI,
        "Spelare med egen kategori",
        4,
        {
            // clang-format off
            {IDSTATIC, Kind::Static, "&Ny kategori", 0, 0},
            {IDC_NYKATEGORI, Kind::Edit, "", 0, 1, 1, 1, 25},
            {IDSTATIC, Kind::Static, "&Prispengar för kategori", 1, 0},
            {IDC_KATEGORIPRIS, Kind::Edit, "", 1, 1, 1, 1, kBeloppTecken},
            {IDC_BEKRAFTAKATEGORI, Kind::DefaultButton, "&Bekräfta ny kategori", 2, 0, 1, 2},
            {IDSTATIC, Kind::Static, "&Aktuell egen kategori", 3, 0, 1, 2},
            {IDC_KATEGORIER, Kind::List, "", 4, 0, 5, 2},
            {IDSTATIC, Kind::Static, "Välj genom att &dubbelklicka", 0, 2, 1, 2},
            {IDC_KATSPELARE, Kind::List, "", 1, 2, 8, 2},
            {IDSTATIC, Kind::Static, "Valda spelare:", 9, 0, 1, 4},
            {IDC_VALDA, Kind::List, "", 10, 0, 4, 4},
            {IDC_BORJAOM, Kind::Button, "&Börja om", 14, 0},
            {ui::IDOK, Kind::Button, "&Verkställ", 14, 1},
            {ui::IDCANCEL, Kind::Button, "Avbryt", 14, 2},
            {IDC_KATEGORIHJALP, Kind::Button, "&Hjälp", 14, 3},
            // clang-format on
        },
    };
    return d;
}

const ui::DialogResource& valjEkatResurs() {
    static const ui::DialogResource d{
        DLG_VALJEKAT,
        "Välj egen kategori",
        1,
        {
            {IDSTATIC, Kind::Static, "Dubbelklicka på rätt kategori", 0, 0},
            {IDC_EKATLISTA, Kind::List, "", 1, 0, 6, 1},
            {ui::IDCANCEL, Kind::Button, "&Stäng", 7, 0},
        },
    };
    return d;
}

} // namespace lottres
