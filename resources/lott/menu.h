// lott's menus: the main window's "COMMANDS" and the report window's "&Alternativ".
#pragma once
#include "ui/resource.h"

namespace lottres {

// Command ids of the main menu.
enum Cmd {
    CM_NYTURNERING = 615,
    CM_LADDATURNERING = 319,
    CM_DELTAGARLISTA = 499,
    CM_SORTERA = 1499,
    CM_RONDLISTA = 794,
    CM_TIDIGARE = 797,
    CM_SLUTRAPPORT = 898,
    CM_AVSLUTA = 101,
    CM_STALLNING = 796,
    CM_PSTALLNING = 894,
    CM_ELOTITEL = 899,
    CM_RSTALLNING = 798,
    CM_ESTALLNING = 895,
    CM_RESULTAT = 795,
    CM_AVBROTT = 799,
    CM_ANGRA = 1994,
    CM_TILLBAKA = 893,
    CM_ANDRASTART = 1972,
    CM_SPELAREIN = 896,
    CM_SPELAREUT = 897,
    CM_ANDRAUPP = 1973,
    CM_EGNAKAT = 2489,
    CM_ANDRARANK = 1984,
    CM_ANDRAPRIS = 1985,
    CM_FONT = 1673,
    CM_HJALP = 992,
    CM_ABOUT = 991,
    CM_HANDBOK = 9100, // the user guide in the help window
    CM_PUBLICERA = 9200, // the tournament web site, written again and its folder shown
    // the report window's menu
    CM_SKRIVUT = 2213,
    CM_SIDINSTALLNINGAR = 2214, // answered by the main window too: the printer set-up dialog
    CM_STANGFONSTER = 2215,
};

const ui::MenuResource& commandsMenu(); // "COMMANDS"
const ui::MenuResource& reportMenu();   // "&Alternativ" of the report window

} // namespace lottres
