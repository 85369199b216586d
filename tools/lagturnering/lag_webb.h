// The team standings on the web site of the directory lagturnering works in: a page per event in
// webb/lagstallningar/, with a list of the events there, linked from the site's front page.
#pragma once
#include <string>
#include <vector>

#include "tools/lagturnering/lagpoang.h"

namespace lagturnering {

// The page of event `namn`: place, team and value as the documented page shows them.
std::string lagWebbsida(const std::string& namn, const std::vector<Lagrad>& rader, Variant v);

// Writes the event's page and the list of every event's page into webb/lagstallningar/ (pages
// unchanged are not rewritten).
void skrivLagWebb(const std::string& namn, const std::vector<Lagrad>& rader, Variant v);

} // namespace lagturnering
