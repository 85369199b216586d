// rank's message catalogue: every fixed message, question and help box, by number.
#pragma once
#include <vector>

#include "ui/resource.h"

namespace rankres {

enum Meddelande {
    MSG_SAMMA_NAMN = 1,        // a new member named like one in the register
    MSG_INGEN_RANKING = 2,     // a member without a valid rating
    MSG_NAMNET_ANDRAT = 3,     // an update whose name was changed
    MSG_PARTI_FEL = 4,         // a game without a valid rating or result
    MSG_TURNERING_FEL = 5,     // a tournament change out of range
    MSG_HJALP_PERIOD = 6,      // help of the period dialog
    MSG_ERSATT_RANKING = 7,    // confirmation of the recalculation: "&Verkställ" / "&Avbryt"
    MSG_FONT = 8,              // the text size: "Standard" / "Större"
    MSG_INGET_NAMN = 9,        // a member without a name
    MSG_REDAN_VERKSTALLD = 10, // the period's recalculation was committed before: "&Ja" / "&Nej"
    MSG_OM = 11,               // "Om programmet"
    MSG_FONSTER_OPPET = 36,    // another dialog is open
};

const std::vector<ui::Message>& messages();

} // namespace rankres
