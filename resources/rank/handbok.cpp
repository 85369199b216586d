#include "resources/rank/handbok.h"

namespace rankres {

const ui::Usage& usage() {
    static const ui::Usage u{
        "rank",
        {"För schackklubbens rankinglista: medlemsregistret, partier och turneringsresultat per",
         "rankingperiod, rankingberäkningen och listorna (rankinglista, flytande ranking, SSF-lista,",
         "rankingrapporter).",
         "Programmet arbetar i mappen det startas i (från skrivbordets meny i ~/ranking); listornas",
         "webbsidor och textfiler hamnar i rankingutskrifter/ där."},
        {}};
    return u;
}

const ui::HelpTopics& helpTopics() {
    static const ui::HelpTopics t{"12. Rank: klubbens rankinglista",
                                  {
                                      {"Välj rankingperiod", "12.1 Rankingperioderna"},
                                      {"Spelaruppgifter", "12.2 Medlemsregistret"},
                                      {"Välj spelare", "12.2 Medlemsregistret"},
                                      {"Ta bort spelare ur registret", "12.2 Medlemsregistret"},
                                      {"Nya rankingberäknande resultat", "12.3 Resultat"},
                                      {"Ångra resultat", "12.3 Resultat"},
                                      {"Rankinglista", "12.5 Listor och rapporter"},
                                      {"SSF:lista", "12.5 Listor och rapporter"},
                                      {"Rankingrapport", "12.5 Listor och rapporter"},
                                      {"Namn på föreningen", "12.5 Listor och rapporter"},
                                  }};
    return t;
}

} // namespace rankres
