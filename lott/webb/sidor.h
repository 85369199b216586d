// The pages of one tournament's site, each a pure function of the tournament's data. File names
// are fixed ASCII names inside the tournament's folder; the standings and pairing pages are
// numbered by round.
#pragma once
#include <string>
#include <vector>

#include "lott/webb/turneringsdata.h"
#include "store/webb_sida.h"

namespace webb {

struct Webbsida {
    std::string fil;   // inside the tournament's folder
    std::string titel; // plain text, for links to the page
    std::string html;
};

std::string rondFil(int rond);      // "rond-3.html"
std::string stallningFil(int rond); // "stallning-3.html"
inline constexpr const char* kDeltagareFil = "deltagare.html";
inline constexpr const char* kKorstabellFil = "korstabell.html";
inline constexpr const char* kSlutstallningFil = "slutstallning.html";
inline constexpr const char* kPriserFil = "priser.html";
inline constexpr const char* kGrupperFil = "rankinggrupper.html";
inline constexpr const char* kKategorierFil = "kategorier.html";

// A page of the tournament `t` with the site's navigation around `innehall`.
std::string turneringsSida(const Turneringsdata& t, const std::string& titel, const std::string& innehall,
                           const std::string& underrubrik = {});

Webbsida deltagarSida(const Turneringsdata& t);
// Round `rond`'s boards with their results, or the boards of the round just paired.
Webbsida rondSida(const Turneringsdata& t, int rond);
// The standings after round `rond` (already computed: `stallning`).
Webbsida stallningSida(const Turneringsdata& t, int rond, const std::vector<spelarstructc>& stallning);
// Pages over the standings after the last round played: the final standings (with prize and Elo
// columns where the tournament has them), the cross table, the prize winners, the ranking groups
// and the own categories. Only the pages the tournament has are returned.
std::vector<Webbsida> slutsidor(const Turneringsdata& t, const std::vector<spelarstructc>& stallning);
// The tournament's front page: name, system, scoring, rounds played of planned, links to every
// page in `sidor`.
Webbsida turneringsIndex(const Turneringsdata& t, const std::vector<Webbsida>& sidor);

// The site's front page: every tournament, newest first, linked to its folder.
struct TurneringsLank {
    std::string mapp; // folder name inside webb/
    std::string namn;
    std::string lottning;
    int spelade = 0;
    int planerade = 0;
};
// `lagstallningar`: lagturnering has team standings in the site, linked from here.
std::string katalogIndex(const std::vector<TurneringsLank>& turneringar, bool lagstallningar = false);

} // namespace webb
