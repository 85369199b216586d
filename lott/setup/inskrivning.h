// The entry list of the player-registration form: what the organiser has typed, page by page,
// keyed by the start number shown beside each row.
#pragma once
#include <string>
#include <vector>

#include "lott/setup/inskrivning_layout.h"

// One row of the form as taken into the entry list.
struct spelarstruct {
    int nr = 0;
    std::string namn;
    std::string klubb; // "nej" in layouts without clubs
    int ranking = 0;   // 0 when none or out of range
    bool operator==(const spelarstruct&) const = default;
};

// The texts of one row on screen.
struct InskrivenRad {
    std::string namn;
    std::string klubb;
    std::string ranking;
    bool operator==(const InskrivenRad&) const = default;
};

// A typed ranking as stored: kept when 700 < r < 3100, or for a "Valfritt" tournament when
// 0 < r < 100 (there the field holds a team size); everything else, unreadable text included, is 0.
int normaliseraRanking(const std::string& text, bool valfri);

// A row taken into the entry list under the layout's rules (texts cut to the field limits).
spelarstruct normaliseraRad(const InskrivningLayout& layout, int nr, const InskrivenRad& rad, bool valfri);

// Takes the visible page (its rows in start-number order from `forsta`) into the list: every node
// in the page's range is replaced by one node per row, empty rows included.
void gorlista(std::vector<spelarstruct>& lista, const InskrivningLayout& layout, int forsta,
              const std::vector<InskrivenRad>& sida, bool valfri);

// The row texts of the page starting at `forsta`: empty for numbers without a node, the club only
// in layouts with clubs, the ranking only in layouts with rankings and only when it is not 0.
std::vector<InskrivenRad> sidansRader(const std::vector<spelarstruct>& lista, const InskrivningLayout& layout,
                                      int forsta);
