#include "resources/rank/messages.h"

namespace rankres {

const std::vector<ui::Message>& messages() {
    static const std::vector<ui::Message> catalogue{
        {RUTA_SAMMA_NAMN,
         "Meddelande",
         {"Två spelare får inte ha exakt samma ", "namn. Hitta på något i namnen som", "skiljer."},
         {"&OK"}},
        {RUTA_INGEN_RANKING,
         "Meddelande",
         {"Den nye spelaren hade inget ", "rankingtal. Ingen ny post sparas."},
         {"&OK"}},
        {RUTA_NAMNET_ANDRAT,
         "Meddelande",
         {"Namnet på den uppdaterade spelaren", "har ändrats. Inga ny uppgifter kom-", "mer att noteras."},
         {"&OK"}},
        {RUTA_PARTI_FEL, "Meddelande", {"Fyll i rankingtalet/resultatet korrekt tack!"}, {"&OK"}},
        {RUTA_TURNERING_FEL, "Meddelande", {"Fyll i rankingändringen korrekt tack!"}, {"&OK"}},
        {RUTA_HJALP_PERIOD,
         "Hjälp",
         {"Välj aktuell tid i listan och verkställ", "för att komma vidare."},
         {"&OK"}},
        {RUTA_ERSATT_RANKING,
         "Meddelande",
         {"Nu ersätts alla spelares rankingtal", "med nya om några resultat skrivits", "in."},
         {"&Verkställ", "&Avbryt"}},
        {RUTA_FONT,
         "Fontinställning",
         {"Reglerar storleken på texten i utskrifterna."},
         {"Standard", "Större"}},
        {RUTA_INGET_NAMN,
         "Meddelande",
         {"Den nye spelaren hade inget ", "namn. Ingen ny post sparas."},
         {"&OK"}},
        {RUTA_REDAN_VERKSTALLD,
         "Varning!",
         {"Rankingberäkningen för den här perioden har", "redan verkställts en gång. Verkställs den",
          "igen räknas periodens resultat två gånger.", "Vill du ändå verkställa den?"},
         {"&Ja", "&Nej"}},
        {RUTA_OM,
         "Om programmet",
         {"Rankingverktyg", "Klubbens rankinglista: medlemsregister, resultat,",
          "rankingberäkning per period, listor och rapporter.", std::string("Version ") + SUITE_VERSION},
         {"&Stäng"}},
        {RUTA_FONSTER_OPPET, "Meddelande", {"Stäng först det fönster som du redan", "har öppet!"}, {"&OK"}},
    };
    return catalogue;
}

} // namespace rankres
