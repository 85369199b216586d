// Own categories (juniors, veterans, ladies): the texts of the own-category dialog, the ".K"
// records it collects, and the standings of one category (`ekat`) with its prize text (`epris`).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "lott/results/spelarstructc.h"
#include "store/records.h"

namespace egenkat {

// A category as the organiser typed its name: blanks at the ends dropped and runs of blanks
// made one, since two blanks in a row end the name in the category's list text.
std::string rensaNamn(const std::string& namn);
// The category's list text, also its `namn` in ".K": the name, three blanks, the prize as typed.
std::string kategoriText(const std::string& namn, const std::string& pris);
// The name in a list text: everything before the first two blanks in a row.
std::string kategoriNamn(const std::string& text);

// A player as the dialog lists him for picking: start number, "." and name; and the start
// number back from such a line (the text before the ".").
std::string spelarRad(const spelarstructtva& s);
int nrAvSpelarRad(const std::string& rad);
// A pick as listed: the player line, two blanks, the category text.
std::string valdRad(const std::string& spelarRad, const std::string& kategoriText);

// The distinct categories of ".K" records, in the order they first occur, with the prize of
// that first record.
struct Kategori {
    std::string text;
    std::int32_t pris = 0;
};
std::vector<Kategori> kategorier(const std::vector<egenkategoriastruct>& poster);

// The standings of one category: the players (never the bye) with a ".K" record of category
// text `text`, in standings order.
std::vector<spelarstructc> ekat(const std::vector<spelarstructc>& stallning,
                                const std::vector<egenkategoriastruct>& poster, const std::string& text);

// The prize text of a category report: "(" prize " kr)", empty when there is no prize.
std::string epris(std::int32_t pris);

// The name the category report goes under: the tournament name, "_" and the category name when
// the two together are shorter than 38 characters, else the category name alone. The category
// name goes into a file name, so it is made safe first.
std::string rapportNamn(const std::string& tnamn, const std::string& kategorinamn);

} // namespace egenkat
