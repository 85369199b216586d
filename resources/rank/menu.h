// rank's menus: the main window's "COMMANDS" and the list window's "&Alternativ".
#pragma once
#include "ui/resource.h"

namespace rankres {

// Command ids of the main menu.
enum Cmd {
    CM_FONT = 131,
    CM_RANKINGLISTA = 124,
    CM_FLYTANDE = 135,
    CM_SSFLISTA = 125,
    CM_RAPPORTER = 126,
    CM_RAPPORTER_ALLA = 1010,
    CM_KLUBB = 130,
    CM_AVSLUTA = 114,
    CM_NYSPELARE = 117,
    CM_UPPDATERA = 120,
    CM_TABORT = 118,
    CM_NYARESULTAT = 121,
    CM_ANGRA = 122,
    CM_RANKINGBERAKNA = 123,
    CM_OM = 115,
    CM_HANDBOK = 9100, // the user guide in the help window
    CM_PUBLICERA = 9200, // the lists on the web site in webb/
    // the list window's menu
    CM_SKRIVUT = 2213,
    CM_SIDINSTALLNING = 2214,
    CM_STANGFONSTER = 2215,
    CM_FORHANDSGRANSKA = 2216,
};

const ui::MenuResource& commandsMenu(); // "COMMANDS"
const ui::MenuResource& listMenu();     // "&Alternativ" of the list window

} // namespace rankres
