// Money prizes by place: the places the prize dialog offers, the amounts it edits, the ".P"
// records it writes, and `inmedpris`, which pays the prizes out over the standings and merges
// the Elo list into them.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "lott/results/spelarstructc.h"
#include "lott/state.h"
#include "store/records.h"

namespace penning {

inline constexpr int kPlatser = 50; // prize places 1..50

// A place as the list shows it: "1:a pris.", "2:a pris.", "3:e pris.", "11:e pris.",
// "21:a pris." (":a" after a last digit 1 or 2, except 11 and 12).
std::string platsText(int plats);

// The prizes of a tournament: amount by place (index 0 is place 1) and the tie rule
// (`delasellerej`: 0 shared on equal points, 1 decided by kvalitet).
struct Priser {
    std::array<std::int32_t, kPlatser> belopp{};
    std::int32_t delasellerej = 0;
};

// The prizes stored in ".P" records: a place outside 1..50 is ignored, a place given twice takes
// its last amount, and the last record's tie rule decides.
Priser avPoster(const std::vector<penningstruct>& poster);
// The ".P" records of the prizes: one per place with an amount above 0, in place order.
std::vector<penningstruct> tillPoster(const Priser& priser);

// Pays the prizes out over the standings (best first): each tie group, the players level on
// points (rule 0) or on points and kvalitet (rule 1), shares the prizes of the places it covers,
// each getting their sum divided by its size (the remainder is not paid). The bye takes no
// place and no prize.
void fordelaPriser(std::vector<spelarstructc>& stallning, const std::vector<penningstruct>& poster);

// The Elo list: the records with an Elo or a title.
std::vector<elostructab> eloLista(const std::vector<elostructab>& poster);
// Each player's Elo and title from the list, by start number (the last record wins).
void sattElo(std::vector<spelarstructc>& stallning, const std::vector<elostructab>& lista);

} // namespace penning

// Before the standings report with prizes or with Elo (`pstallningval` 1 or 2): pays out the
// tournament's ".P" prizes and, for 2, merges its ".E" list; with no Elo or title recorded the
// report falls back to the plain standings (`pstallningval` 0). Both files are touched first.
void inmedpris(LottState& st);
