#include "resources/resultfix/handbok.h"

namespace resultfixres {

const ui::Usage& usage() {
    static const ui::Usage u{
        "resultfix",
        {"Rättar ett sparat parti i en lott-turnering: byter spelarna och resultatet.",
         "Starta programmet i turneringsmappen (lott:s mapp).",
         "Utan flagga: partiet i turneringens partifil, resultatet som ord (1-0, Remi, ...)."},
        {{"--lag", "partierna med valfria poäng i VALFRI.DAT, poängen skrivna vit-svart"}}};
    return u;
}

const ui::HelpTopics& helpTopics() {
    static const ui::HelpTopics t{"13.3 resultfix: rätta ett parti", {}};
    return t;
}

} // namespace resultfixres
