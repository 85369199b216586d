// The final report: the standings with a cross table of every round.
#include <unordered_map>

#include "lott/reports/game_texts.h"
#include "lott/reports/report_content.h"
#include "lott/results/rankingandring.h"
#include "store/decimal_text.h"
#include "store/text.h"
#include "store/tournament.h"

namespace reports {
namespace {

// Ratings from 801 to 3099 are real club ratings; only such players get rating changes.
bool rated(int ranking) {
    return ranking >= 801 && ranking <= 3099;
}

// Rounds with rating changes in the cells: fewer than 8.
constexpr int kRoundsWithChanges = 8;

double cellSpacing(int rounds) {
    return rounds <= 7 ? 8.5 : rounds <= 9 ? 6.5 : 5.5;
}

// Games of the tournament by round and start number.
class GameIndex {
  public:
    explicit GameIndex(const std::vector<partistruct>& games) {
        for (const auto& g : games) {
            byKey_.emplace(key(g.rond, g.vit), &g); // the first game of a round wins
            byKey_.emplace(key(g.rond, g.svart), &g);
        }
    }
    const partistruct* find(int rond, int nr) const {
        const auto it = byKey_.find(key(rond, nr));
        return it == byKey_.end() ? nullptr : it->second;
    }

  private:
    static long long key(int rond, int nr) {
        return (static_cast<long long>(rond) << 32) | static_cast<unsigned>(nr);
    }
    std::unordered_map<long long, const partistruct*> byKey_;
};

// The cell of one round under scoring systems 1 to 3: opponent's place, outcome, and for rated
// players of a short tournament the rating change of the game.
std::string crossCell(const spelarstructc& player, const partistruct* game, int rounds,
                      const std::unordered_map<int, int>& placeOf,
                      const std::unordered_map<int, const spelarstructc*>& byNr) {
    if (!game) return "";
    const bool vit = game->vit == player.nr;
    const int opponent = vit ? game->svart : game->vit;
    const auto opp = byNr.find(opponent);
    // A number no player has is a bye whose record has left the start list.
    const bool bye = opp == byNr.end() || store::isBye(opp->second->namn);
    const auto place = placeOf.find(opponent);
    std::string cell = bye ? "Fri" : place != placeOf.end() ? std::to_string(place->second) : "";
    cell += ",";
    switch (outcomeFor(game->resultat, vit)) {
    case Outcome::Win:
        cell += "1";
        break;
    case Outcome::Draw:
        cell += "R";
        break;
    case Outcome::Loss:
        cell += "0";
        break;
    case Outcome::None:
        break;
    }
    // Games against the bye or an unrated opponent do not change a rating, so none is shown.
    const bool ratedGame = opp != byNr.end() && !bye && opp->second->ranking > 0;
    if (rated(player.ranking) && rounds < kRoundsWithChanges && ratedGame) {
        const double change =
            stallning::rankingfunkb(player.ranking, opp->second->ranking, game->resultat, vit ? 1 : 0);
        cell += ",";
        if (change > 0) cell += "+";
        cell += store::decimalText(change, 3);
    }
    return cell;
}

// The cell of one round under "Valfritt": the player's score and the opponent's place.
std::string valfriCell(const spelarstructc& player, int rond, const std::vector<valfristruct>& games,
                       const std::unordered_map<int, int>& placeOf) {
    const valfristruct* asWhite = nullptr;
    const valfristruct* asBlack = nullptr;
    for (const auto& g : games) {
        if (g.rond != rond) continue;
        if (g.vit == player.nr && !asWhite) asWhite = &g;
        if (g.svart == player.nr && !asBlack) asBlack = &g;
    }
    const valfristruct* g = asWhite ? asWhite : asBlack;
    if (!g) return "";
    const int opponent = asWhite ? g->svart : g->vit;
    const auto place = placeOf.find(opponent);
    if (place == placeOf.end()) return "";
    const double score = asWhite ? g->vitresultat : g->svartresultat;
    return store::decimalText(score, 3) + "p," + std::to_string(place->second);
}

} // namespace

std::vector<std::vector<std::string>> crossTableCells(const ReportInput& in) {
    const bool fri = valfritt(in);
    const auto rows = drawnRows(in.stallning);
    // Places count drawn rows only, so the bye never takes a place.
    std::unordered_map<int, int> placeOf;
    std::unordered_map<int, const spelarstructc*> byNr;
    for (std::size_t i = 0; i < rows.size(); ++i)
        placeOf.emplace(rows[i]->nr, static_cast<int>(i + 1));
    for (const auto& s : in.stallning)
        byNr.emplace(s.nr, &s);
    const GameIndex games(in.partier);

    std::vector<std::vector<std::string>> cells(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const spelarstructc& s = *rows[i];
        for (int r = 1; r <= in.valdrond; ++r)
            cells[i].push_back(fri ? valfriCell(s, r, in.valfria, placeOf)
                                   : crossCell(s, games.find(r, s.nr), in.valdrond, placeOf, byNr));
    }
    return cells;
}

ReportContent slutrapportContent(const ReportInput& in) {
    const bool fri = valfritt(in);
    const auto rows = drawnRows(in.stallning);

    ReportContent c;
    c.title = "Slutställning " + in.tnamn;
    if (store::charCount(c.title) < 30) c.title += " rond " + std::to_string(in.valdrond);
    c.fortsTitle = "Slutställning, forts";
    const std::size_t len = store::charCount(c.title);
    c.titleHeight = len > 50 ? 22 : len > 40 ? 28 : 34;
    c.titleX = 1;
    // Columns of a row, in u from the left edge.
    const double poangX = fri ? 20 : 18, kvalX = fri ? 25 : 21, firstCell = fri ? 30 : 26;
    // Each heading stands over its own column ("Poäng" a little to the left, so that it ends
    // before "Kvalité" begins), so that nothing overlaps and the columns read straight down.
    c.headings = {{3, "Spelare"}, {poangX - 1.5, "Poäng"}, {kvalX, "Kvalité"}, {firstCell, "Motståndare"}};

    const auto cells = crossTableCells(in);
    const double spacing = cellSpacing(in.valdrond);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const spelarstructc& s = *rows[i];
        Row row;
        row.gap = 2.0 / 3.0;
        row.cells.push_back({0, std::to_string(i + 1)});
        row.cells.push_back({3, s.namn});
        row.cells.push_back({poangX, store::decimalText(s.poang, 3)});
        row.cells.push_back({kvalX, store::decimalText(s.kvalitet, 3)});
        for (int r = 1; r <= in.valdrond; ++r) {
            const std::string& cell = cells[i][static_cast<std::size_t>(r - 1)];
            if (!cell.empty()) row.cells.push_back({firstCell + (r - 1) * spacing, cell});
        }
        c.rows.push_back(std::move(row));
    }
    c.pages = fixedPages(c.rows.size(), static_cast<std::size_t>(sidposter(kSlutrapport)));
    return c;
}

} // namespace reports
