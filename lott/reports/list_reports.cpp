// The participant list, the pairings of a round and the results of a round.
#include <algorithm>

#include "lott/reports/game_texts.h"
#include "lott/reports/report_content.h"
#include "store/text.h"
#include "store/tournament.h"

namespace reports {
namespace {

// Board lists: a board per row, a wider gap after every fifth board.
constexpr double kBoardGap = 0.65;
constexpr double kFifthBoardGap = 1.2;
constexpr std::size_t kBoardsPerPage = 45; // 90 records: two players a board

// Column positions of a board, in u (origin 1/10 of the window height).
constexpr double kBoardOrigin = 5;
constexpr double kBord = 0, kVitNr = 5, kVitNamn = 8, kVitRanking = 22, kStreck = 27;
constexpr double kSvartNr = 29, kSvartNamn = 32, kSvartRanking = 46, kResultat = 51;

double boardGap(std::size_t boardIndex) {
    return boardIndex % 5 == 0 ? kFifthBoardGap : kBoardGap;
}

void addSide(Row& row, const spelarstructtva* p, int nr, bool withNr, bool vit) {
    const double at = kBoardOrigin;
    if (p && store::isBye(p->namn)) { // the bye shows only as the missing opponent
        row.cells.push_back({at + (vit ? kVitNamn : kSvartNamn), store::kFrirond});
        return;
    }
    if (withNr) row.cells.push_back({at + (vit ? kVitNr : kSvartNr), std::to_string(nr)});
    if (!p) return;
    row.cells.push_back({at + (vit ? kVitNamn : kSvartNamn), p->namn});
    if (p->ranking != 0)
        row.cells.push_back({at + (vit ? kVitRanking : kSvartRanking), std::to_string(p->ranking)});
}

Row boardRow(std::size_t index, int bord, const spelarstructtva* vit, int vitNr, const spelarstructtva* svart,
             int svartNr, bool withNr, const std::string& result) {
    Row row;
    row.gap = boardGap(index);
    row.cells.push_back({kBoardOrigin + kBord, "Bord " + std::to_string(bord)});
    addSide(row, vit, vitNr, withNr, true);
    row.cells.push_back({kBoardOrigin + kStreck, "-"});
    addSide(row, svart, svartNr, withNr, false);
    row.cells.push_back({kBoardOrigin + kResultat, result});
    return row;
}

ReportContent boardList(std::string title) {
    ReportContent c;
    c.fortsTitle = title + ", forts";
    c.title = std::move(title);
    c.titleX = kBoardOrigin;
    c.firstRowGap = 1.5;
    return c;
}

} // namespace

ReportContent deltagareContent(const ReportInput& in) {
    constexpr double origin = 10; // 1/5 of the window height
    ReportContent c;
    c.title = "Deltagarlista " + in.tnamn;
    c.fortsTitle = "Deltagarlista, forts";
    const bool longTitle = store::charCount(c.title) > 35;
    c.titleHeight = longTitle ? 28 : 34;
    c.titleX = longTitle ? origin - 6 : origin;
    c.titleY = 1.0; // 1/30 of the window width
    c.smallFontsAlike = true;
    c.headings = {
        {origin - 8, "Startnummer"}, {origin + 14, "Namn"}, {origin + 39, "Klubb"}, {origin + 60, "Ranking"}};
    for (const auto& p : in.spelare) {
        if (store::isBye(p.namn)) continue;
        Row row;
        row.gap = 0.8;
        row.cells.push_back({origin - 3, std::to_string(p.nr)});
        row.cells.push_back({origin + 12, p.namn});
        if (p.klubb != "nej") row.cells.push_back({origin + 37, p.klubb});
        if (p.ranking > 0) row.cells.push_back({origin + 62, std::to_string(p.ranking)});
        c.rows.push_back(std::move(row));
    }
    c.pages = fixedPages(c.rows.size(), static_cast<std::size_t>(sidposter(kDeltagare)));
    return c;
}

ReportContent lottningContent(const ReportInput& in) {
    ReportContent c = boardList(in.tnamn + " lottning rond " + std::to_string(in.valdrond));
    const bool withNr = in.medstartnummer != 0;
    // The pairing list holds white and black of board 1, then of board 2, and so on.
    for (std::size_t i = 0; i + 1 < in.spelare.size(); i += 2) {
        const auto& vit = in.spelare[i];
        const auto& svart = in.spelare[i + 1];
        c.rows.push_back(
            boardRow(i / 2, static_cast<int>(i / 2 + 1), &vit, vit.nr, &svart, svart.nr, withNr, "-"));
    }
    c.pages = fixedPages(c.rows.size(), kBoardsPerPage);
    return c;
}

ReportContent resultatContent(const ReportInput& in) {
    ReportContent c = boardList(in.tnamn + " resultat rond " + std::to_string(in.valdrond));
    const PlayerIndex players(in.spelare);
    if (valfritt(in)) {
        std::vector<valfristruct> games;
        for (const auto& g : in.valfria)
            if (g.rond == in.valdrond) games.push_back(g);
        std::stable_sort(games.begin(), games.end(),
                         [](const auto& a, const auto& b) { return a.bord < b.bord; });
        for (std::size_t i = 0; i < games.size(); ++i) {
            const auto& g = games[i];
            c.rows.push_back(boardRow(i, g.bord, players.find(g.vit), g.vit, players.find(g.svart), g.svart,
                                      true, valfriResultText(g)));
        }
    } else {
        std::vector<partistruct> games;
        for (const auto& g : in.partier)
            if (g.rond == in.valdrond) games.push_back(g);
        std::stable_sort(games.begin(), games.end(),
                         [](const auto& a, const auto& b) { return a.bord < b.bord; });
        for (std::size_t i = 0; i < games.size(); ++i) {
            const auto& g = games[i];
            c.rows.push_back(boardRow(i, g.bord, players.find(g.vit), g.vit, players.find(g.svart), g.svart,
                                      true, resultText(g.resultat)));
        }
    }
    c.pages = fixedPages(c.rows.size(), kBoardsPerPage);
    return c;
}

} // namespace reports
