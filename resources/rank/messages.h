// rank's message catalogue: every fixed message, question and help box, by number.
#pragma once
#include <vector>

#include "ui/resource.h"

namespace rankres {

// The boxes ("rutor") of the catalogue, shown with TEnkel.
enum Meddelande {
    RUTA_SAMMA_NAMN = 1,        // a new member named like one in the register
    RUTA_INGEN_RANKING = 2,     // a member without a valid rating
    RUTA_NAMNET_ANDRAT = 3,     // an update whose name was changed
    RUTA_PARTI_FEL = 4,         // a game without a valid rating or result
    RUTA_TURNERING_FEL = 5,     // a tournament change out of range
    RUTA_HJALP_PERIOD = 6,      // help of the period dialog
    RUTA_ERSATT_RANKING = 7,    // confirmation of the recalculation: "&Verkställ" / "&Avbryt"
    RUTA_FONT = 8,              // the text size: "Standard" / "Större"
    RUTA_INGET_NAMN = 9,        // a member without a name
    RUTA_REDAN_VERKSTALLD = 10, // the period's recalculation was committed before: "&Ja" / "&Nej"
    RUTA_OM = 11,               // "Om programmet"
    RUTA_FONSTER_OPPET = 36,    // another dialog is open
};

const std::vector<ui::Message>& messages();

} // namespace rankres
