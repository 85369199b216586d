#include "resources/lagturnering/handbok.h"

namespace lagturneringres {

const ui::Usage& usage() {
    static const ui::Usage u{
        "lagturnering",
        {"Räknar ihop spelarna i en eller flera lott-turneringar klubb för klubb till en",
         "lagställning och skriver den som webbsida i mappens lottutskrifter/.",
         "Starta programmet var som helst; mappen med turneringarna väljs i fönstrets mapplista.",
         "Utan flagga: 3-2-1 poäng per parti och 40 x summan / antalet spelare i laget."},
        {{"--total", "1-½-0 poäng per parti, lagets summa"}}};
    return u;
}

const ui::HelpTopics& helpTopics() {
    static const ui::HelpTopics t{"13.2 lagturnering: lagställning", {}};
    return t;
}

} // namespace lagturneringres
