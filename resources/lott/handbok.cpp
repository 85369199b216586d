#include "resources/lott/handbok.h"

namespace lottres {

const ui::Usage& usage() {
    static const ui::Usage u{
        "lott",
        {"Lottar och rapporterar schackklubbens turneringar: spelare, lottning (Monrad, nordisk",
         "schweizer, schweizer), resultat, ställning, priser, utskrifter och webbsidor.",
         "Programmet arbetar i mappen det startas i (från skrivbordets meny i ~/turneringar);",
         "turneringarnas filer och rapporterna i lottutskrifter/ hamnar där."},
        {}};
    return u;
}

const ui::HelpTopics& helpTopics() {
    static const ui::HelpTopics t{
        "2. Lott: huvudfönstret",
        {
            {"Ny turnering", "3.1 Ny turnering"},
            {"Inskrivning av spelare", "3.2 Skriv in spelarna"},
            {"Välj turnering", "3.3 Lotta en rond"},
            {"Välj turnering och rond", "3.6 Nästa rond och slutrapporten"},
            {"Resultat", "3.4 För in resultaten"},
            {"Sortera deltarlista", "3.7 Deltagarlistan och sortering"},
            {"Modifiera uppgifter", "3.8 Ny turnering med spelarna från en tidigare"},
            {"Modifiera lottningsstystem", "3.8 Ny turnering med spelarna från en tidigare"},
            {"Penningpriser", "6. Tillval: priser, rankinggrupper, ELO och egna kategorier"},
            {"Rankinggrupper", "6. Tillval: priser, rankinggrupper, ELO och egna kategorier"},
            {"Spelare med titel och elotal", "6. Tillval: priser, rankinggrupper, ELO och egna kategorier"},
            {"Spelare med egen kategori", "6. Tillval: priser, rankinggrupper, ELO och egna kategorier"},
            {"Välj egen kategori", "6. Tillval: priser, rankinggrupper, ELO och egna kategorier"},
            {"Ställning egenkategorier", "6. Tillval: priser, rankinggrupper, ELO och egna kategorier"},
            {"Uppskjutna och avbrutna partier", "7.2 Avbrutna och uppskjutna partier"},
            {"Ändra i startlistan", "7.4 Ändra i startlista"},
            {"Ny spelare in i turneringen", "7.5 Spelare tillkommer och utgår"},
            {"Spelare som utgår", "7.5 Spelare tillkommer och utgår"},
            {"Ändra spelaruppgifter", "7.6 Ändra spelaruppgifter"},
            {"Uppgifter för startnummer", "7.6 Ändra spelaruppgifter"},
            {"Utskrift av", "8. Skriva ut"},
        }};
    return t;
}

} // namespace lottres
