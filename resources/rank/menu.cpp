#include "resources/rank/menu.h"

namespace rankres {

const ui::MenuResource& commandsMenu() {
    static const ui::MenuResource menu{
        "COMMANDS",
        {
            {"&Arkiv",
             {
                 {CM_FONT, "&Fontinställning", "Om utskrifterna får för liten eller för stor text"},
                 {CM_RANKINGLISTA, "&Rankinglista",
                  "Skriv ut en rankinglista (samt en HTML-sida i /rankingutskrifter) på klubbens spelare"},
                 {CM_FLYTANDE, "&Flytande ranking",
                  "Skriv ut flytande ranking (samt en HTML-sida i /rankingutskrifter) för klubbens "
                  "medlemmar"},
                 {CM_SSFLISTA, "&SSF:lista", "Skriv ut de medlemslistor som Sveriges Schackförbund vill ha"},
                 {CM_PUBLICERA, "Publicera webbsida", "Skriv rankinglistan som webbsida i mappen webb"},
                 {CM_RAPPORTER, "&Rankingrapporter", "Skriv ut redogörelser på hur rankingen har räknats ut"},
                 {CM_RAPPORTER_ALLA, "&Rankingrapporter, alla",
                  "Skriv .txt-filer för alla spelare i /rankingutskrifter"},
                 {CM_KLUBB, "&Namn på förening", "Vilken är din klubb?"},
                 {CM_AVSLUTA, "&Avsluta", "Avsluta programmet"},
             }},
            {"&Spelare",
             {
                 {CM_NYSPELARE, "&Ny spelare", "In med ny klubbmedlem i registret"},
                 {CM_UPPDATERA, "&Uppdatera spelare", "Välj bland spelare"},
                 {CM_TABORT, "&Ta bort spelare", "Ta bort spelare ur medlemsregistret"},
             }},
            {"&Resultat",
             {
                 {CM_NYARESULTAT, "&Nya resultat", "In med nya parti och/eller turneringsresultat"},
                 {CM_ANGRA, "&Ångra resultat", "Ångra och ta bort resultat"},
             }},
            {"&Rankingberäkna",
             {
                 {CM_RANKINGBERAKNA, "&Rankingberäkna", "Räkna ut alla klubbmedlemmars nya rankingtal"},
             }},
            {"&Om...",
             {
                 {CM_HANDBOK, "&Handbok", "Handboken, vid kapitlet om fönstret du arbetar i"},
                 {CM_OM, "&Om programmet", "Om programmet"},
             }},
        }};
    return menu;
}

const ui::MenuResource& listMenu() {
    static const ui::MenuResource menu{"UTSKRIFT",
                                       {{"&Alternativ",
                                         {{CM_SKRIVUT, "&Skriv ut", "Skriv ut listan"},
                                          {CM_FORHANDSGRANSKA, "&Förhandsgranska", "Visar sidorna som de skrivs ut"},
                                          {CM_SIDINSTALLNING, "Sidinställning", "Välj papper och marginaler"},
                                          {CM_STANGFONSTER, "Stäng fönster", "Stäng listan"}}}}};
    return menu;
}

} // namespace rankres
