// The main window's overview of the tournaments in the working directory: each tournament of
// "TURN" with its pairing system, the rounds played of those planned, and what the organiser
// does next. Reads the tournament files as they are, without creating or changing any.
#pragma once
#include <string>
#include <vector>

// A round that has been paired (its round list shown, or result entry opened on it) and whose
// results are not in yet. Pairings are not stored, so only the running program knows this.
struct LottadRond {
    int turnnr = 0;
    int rond = 0;
};

struct Oversiktsrad {
    std::string namn;
    std::string lottning; // "Monrad", "Nordisk schweizer" or "Schweizer"
    int spelade = 0;      // rounds with games
    int planerade = 0;    // "Antal ronder"
    std::string nastaSteg;
};

// One row per tournament of "TURN", in file order.
std::vector<Oversiktsrad> turneringsoversikt(const LottadRond& lottad);

// The overview's column headings, and a row's cells under them ("2 av 7" for the rounds).
std::vector<std::string> oversiktsrubriker();
std::vector<std::string> oversiktsceller(const Oversiktsrad& rad);
// Shown in place of the rows in a folder without tournaments.
inline constexpr const char* kIngaTurneringar = "Inga turneringar ännu. Börja med Turnering > Ny turnering.";
