#include "resources/lott/menu.h"

#include "resources/lott/fide_resurs.h"

namespace lottres {

const ui::MenuResource& commandsMenu() {
    static const ui::MenuResource menu{
        "COMMANDS",
        {
            {"&Turnering",
             {
                 {CM_NYTURNERING, "&Ny turnering", "Skapa en ny turnering"},
                 {CM_LADDATURNERING, "&Hämta spelare",
                  "Skapa en turnering med spelarna från en tidigare turnering"},
                 {0, "", ""},
                 {CM_DELTAGARLISTA, "&Deltagarlista", "Visa och skriv ut deltagarlistan"},
                 {CM_SORTERA, "&Sortera Deltagarlista", "Sortera deltagarlistan"},
                 {0, "", ""},
                 {CM_RONDLISTA, "&Rondlista", "Lotta nästa rond och visa rondlistan"},
                 {CM_TIDIGARE, "&Tidigare Resultat", "Visa resultaten från en spelad rond"},
                 {CM_SLUTRAPPORT, "&Slutrapport", "Visa slutrapporten med korstabell"},
                 {CM_FIDEUPPGIFTER, "FIDE-uppgifter", "Spelarnas och turneringens uppgifter för FIDE-rapporten"},
                 {CM_FIDERAPPORT, "Exportera FIDE-rapport (TRF)", "Skriv turneringens rapport till förbundet"},
                 {CM_PUBLICERA, "Publicera webbsida", "Skriv webbplatsen i mappen webb och visa mappen"},
                 {0, "", ""},
                 {CM_AVSLUTA, "&Avsluta", "Avsluta programmet"},
             }},
            {"&Ställning",
             {
                 {CM_STALLNING, "&Ställning", "Visa ställningen"},
                 {CM_PSTALLNING, "Med &Priser", "Visa ställningen med penningpriser"},
                 {CM_ELOTITEL, "Med &ELO och titel", "Visa ställningen med ELO-tal och titlar"},
                 {0, "", ""},
                 {CM_RSTALLNING, "&Rankinggrupper", "Visa ställningen i rankinggrupperna"},
                 {CM_ESTALLNING, "&Egen kategori", "Visa ställningen i en egen kategori"},
             }},
            {"&Nya Resultat",
             {
                 {CM_RESULTAT, "&Resultat senaste rond", "Skriv in resultaten från den senaste ronden"},
                 {CM_AVBROTT, "&Avbrutna och uppskjutna partier",
                  "Skriv in resultat för avbrutna och uppskjutna partier"},
                 {CM_ANGRA, "&Ångra enskilt resultat", "Ändra ett redan inskrivet resultat"},
             }},
            {"&Specialfunktioner",
             {
                 {CM_TILLBAKA, "Ta tillbaka &rond", "Ta tillbaka den senast spelade ronden"},
                 {CM_ANDRASTART, "Ändra i &startlista",
                  "Ändra i startlistan och i lottningen i första ronden"},
                 {0, "", ""},
                 {CM_SPELAREIN, "Spelare &tillkommer", "Lägg till en spelare i en pågående turnering"},
                 {CM_SPELAREUT, "Spelare &utgår", "Låt en spelare utgå ur turneringen"},
                 {0, "", ""},
                 {CM_ANDRAUPP, "Ändra spelaruppgifter", "Ändra namn, klubb eller ranking"},
                 {0, "", ""},
                 {CM_EGNAKAT, "Lägg till egna kategorier", "Definiera egna kategorier"},
                 {CM_ANDRARANK, "Ändra rankinggrupper", "Ändra rankinggrupperna"},
                 {CM_ANDRAPRIS, "Ändra penningpriser", "Ändra penningpriserna"},
             }},
            {"&Inställningar",
             {
                 {CM_FONT, "&Fontstorlek", "Välj fontstorlek i utskrifterna"},
             }},
            {"&Hjälp",
             {
                 {CM_HJALP, "&Hjälp", "Allmän hjälp"},
                 {CM_HANDBOK, "Hand&bok", "Handboken, vid kapitlet om fönstret du arbetar i"},
                 {CM_ABOUT, "Om programmet", "Programmets namn och version"},
             }},
        },
    };
    return menu;
}

const ui::MenuResource& reportMenu() {
    static const ui::MenuResource menu{
        "UTSKRIFT",
        {
            {"&Alternativ",
             {
                 {CM_SKRIVUT, "&Skriv ut", "Skriv ut nästa sida"},
                 {CM_SIDINSTALLNINGAR, "Sidinställningar", "Välj skrivare och papper"},
                 {CM_STANGFONSTER, "Stäng fönster", "Stäng utskriftsfönstret"},
             }},
        },
    };
    return menu;
}

} // namespace lottres
