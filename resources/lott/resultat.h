// Dialog 2, "Resultat": result entry for the latest round, ten boards a page.
#pragma once
#include "ui/resource.h"

namespace lottres {

inline constexpr int DLG_RESULTAT = 2;
inline constexpr int RESULTAT_RADER = 10;

// Row i (0..9) of the page: board, white and black (read-only), and the result field.
inline constexpr int idcBord(int i) {
    return 101 + i;
}
inline constexpr int idcVit(int i) {
    return 111 + i;
}
inline constexpr int idcSvart(int i) {
    return 121 + i;
}
inline constexpr int idcResultat(int i) {
    return 131 + i;
}
inline constexpr int IDC_HJALP = 901;
inline constexpr int IDC_BAKAT = 902;  // "<< <<"
inline constexpr int IDC_FRAMAT = 903; // ">> >>"

const ui::DialogResource& resultat(); // dialog 2, "Resultat"

} // namespace lottres
