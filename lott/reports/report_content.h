// The rows each report kind shows in the window and on paper (see report_layout.h for the
// drawing model). Pure computations on the report's input.
#pragma once
#include "lott/reports/report_input.h"
#include "lott/reports/report_layout.h"

namespace reports {

ReportContent deltagareContent(const ReportInput& in);
ReportContent lottningContent(const ReportInput& in);
ReportContent resultatContent(const ReportInput& in);
ReportContent stallningContent(const ReportInput& in, Band band); // kinds 4 and 9
ReportContent slutrapportContent(const ReportInput& in);
ReportContent rankinggruppContent(const ReportInput& in);

// A player's points as the standings window shows them, with the count of games still open in
// parentheses ("5.5", "4(1)").
std::string standingsPointsText(const spelarstructc& s);

// The cross table of the final report: for each drawn standings row (drawnRows order) the text of
// each round 1..valdrond ("" for a round without a game): opponent's place ("Fri" for the bye) and
// outcome, with the rating change in short tournaments; under "Valfritt" score and place.
std::vector<std::vector<std::string>> crossTableCells(const ReportInput& in);

// The standings within each ranking group 1..antalgr: its players in standings order, how many
// lead it (tied for first) and the prize each leader gets.
struct GroupStanding {
    int grupp = 0;
    std::vector<const spelarstructc*> members;
    std::size_t leaders = 0;
    long prize = 0;
};
std::vector<GroupStanding> groupStandings(const ReportInput& in);

// Ranking-group paging: rows per printed page and whole groups per page.
int groupRowsPerPage(const rankingstruct& g);
int groupsPerPage(const rankingstruct& g);

// The content of the kind in `in.vilkpaint`.
ReportContent reportContent(const ReportInput& in, Band band);

// The window caption of a report kind.
std::string reportCaption(int vilkpaint);

// Rows (records) per printed page of a kind: 40, 90 or 50 (`sidposter`).
int sidposter(int vilkpaint);

} // namespace reports
