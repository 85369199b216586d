// Dialog resources of the set-up steps: the new-tournament dialog and the four layouts of the
// player-registration form.
#pragma once
#include "ui/resource.h"

// Dialog 1601, "Ny turnering".
const ui::DialogResource& nyTurneringResurs();

// The player-registration form ("Inskrivning av spelare") for a player-data category:
// 0 dialog 1, 1 dialog 428, 2 dialog 1528, 3 dialog 228.
const ui::DialogResource& inskrivningResurs(int turnkat);
