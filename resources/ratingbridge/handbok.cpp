#include "resources/ratingbridge/handbok.h"

namespace ratingbridgeres {

const ui::Usage& usage() {
    static const ui::Usage u{
        "ratingbridge",
        {"För över en färdigspelad lott-turnering till rank: turneringens partier blir en",
         "rankingförändring per spelare i rankingmappens TALLA, under vald rankingperiod.",
         "Starta programmet i rankingmappen (rank:s mapp); turneringen väljs i fönstrets mapplista."},
        {}};
    return u;
}

const ui::HelpTopics& helpTopics() {
    static const ui::HelpTopics t{"13.1 ratingbridge: turneringen till rankingen", {}};
    return t;
}

} // namespace ratingbridgeres
