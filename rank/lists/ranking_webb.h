// rank's lists on the web site in "webb/" of the rating directory: the ranking list, the floating
// list and the federation list as modern pages beside the documented ones, from the same list
// lines the list window shows. E-mail addresses are published only when asked for, and the
// federation list leaves out the members' birth data.
#pragma once
#include <ctime>
#include <string>
#include <vector>

#include "rank/lists/listinnehall.h"
#include "rank/rating/rank_records.h"

namespace rank {

enum class WebbLista { Ranking, Flytande, Federation };

// The page's file name inside webb/: "rankinglista.html", "flytande.html", "ssf-lista.html".
std::string webbFil(WebbLista lista);

// The page of a list: its title with `period`, a table with the list's columns (the column
// heading line) and a row per list row; with `epost` an "E-post" column from the members'
// addresses, by name.
std::string webbListsida(WebbLista lista, const Listinnehall& innehall, const std::string& period,
                         const std::vector<mailstruct>* epost);

// The period a list of today belongs to, as its page's title names it: "januari–april 2024" for
// the ranking list, the day for the floating list ("flytande 7/3 2024").
std::string webbPeriod(WebbLista lista, const std::tm& idag);

// Writes the list's page (only when changed), the shared style sheet and the front page linking
// every list page there is; with `visaEpost` the members' addresses from "MAIL" are on the page.
void skrivWebbLista(WebbLista lista, const Listinnehall& innehall, const std::string& period, bool visaEpost);

} // namespace rank
