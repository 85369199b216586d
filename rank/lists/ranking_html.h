// The HTML ranking page in "rankingutskrifter": the members in rating order with their ratings
// ("VELK"), e-mail links and, when any member has one, Elo numbers. Two variants: the ranking list
// of the current third of the year, and the floating list of today.
#pragma once
#include <ctime>
#include <string>
#include <vector>

#include "rank/rating/rank_records.h"

namespace rank {

// "ranking_1_" + first month of today's third ("1", "5" or "9") + "_" + year + ".htm", or for the
// floating list "flytande_ranking_" + day + "_" + month + "_" + year + ".htm".
std::string rankingHtmlNamn(bool flytande, const std::tm& idag);

// The page for `sorterade` (in list order), Windows-1252 once written. Names, addresses and the
// club name are escaped, so that no text can break the page.
std::string rankingHtml(const std::vector<spelarstruct>& sorterade, const std::vector<elostruct>& elo,
                        const std::vector<mailstruct>& mail, const std::string& klubb, bool flytande,
                        const std::tm& idag);

// `gorhtml`: reads "ELO", "MAIL" and "AKLUBB", writes the page of today into "rankingutskrifter"
// (created when missing) and returns its path.
std::string gorhtml(const std::vector<spelarstruct>& sorterade, bool flytande);

// Creates "rankingutskrifter" when missing; a folder that cannot be made is the fatal file error.
void skapaUtskriftsmapp();

} // namespace rank
