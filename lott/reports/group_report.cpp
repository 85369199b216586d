// The standings within the ranking groups, a group under each heading.
#include <algorithm>

#include "lott/reports/game_texts.h"
#include "lott/reports/report_content.h"
#include "store/decimal_text.h"

namespace reports {

// Rows per printed page of the group report: 40, or, with more than two groups, the largest
// i * S (i from 2 to 6) that lies between 40 and 49, so that whole groups fill a page.
int groupRowsPerPage(const rankingstruct& g) {
    int rows = 40;
    // Worked out wide: a damaged group size must not overflow the product.
    if (g.antalgr > 2 && g.spelarepergr > 0)
        for (long long i = 2; i <= 6; ++i)
            if (i * g.spelarepergr >= 40 && i * g.spelarepergr <= 49)
                rows = static_cast<int>(i * g.spelarepergr);
    return rows;
}

int groupsPerPage(const rankingstruct& g) {
    if (g.spelarepergr <= 0) return 1;
    const int n = groupRowsPerPage(g) / g.spelarepergr;
    return n > 0 ? n : 1;
}

std::vector<GroupStanding> groupStandings(const ReportInput& in) {
    const rankingstruct& g = in.grupper;
    // A damaged count stops at the most groups a readable ".G" record can hold, instead of drawing
    // empty groups without end; the players are sorted into their groups once.
    const int antalgr = std::min(g.antalgr, kStorstaStartnummer);
    std::vector<GroupStanding> out(static_cast<std::size_t>(std::max(antalgr, 0)));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i].grupp = static_cast<int>(i + 1);
    for (const auto* s : drawnRows(in.stallning))
        if (s->rankinggrupp >= 1 && s->rankinggrupp <= antalgr)
            out[static_cast<std::size_t>(s->rankinggrupp - 1)].members.push_back(s);
    for (auto& group : out) {
        const auto& members = group.members;
        // The players tied for the lead share the group prize.
        std::size_t leaders = members.empty() ? 0 : 1;
        while (leaders < members.size() && members[leaders]->poang == members[0]->poang &&
               (g.delasellerej != 1 || members[leaders]->kvalitet == members[0]->kvalitet))
            ++leaders;
        group.leaders = leaders;
        group.prize = leaders > 0 ? g.rpris / static_cast<long>(leaders) : 0;
    }
    return out;
}

ReportContent rankinggruppContent(const ReportInput& in) {
    constexpr double origin = 50.0 / 5 - 7;
    const rankingstruct& g = in.grupper;

    ReportContent c;
    c.title = in.tnamn + " rankinggrupper rond " + std::to_string(in.valdrond);
    c.fortsTitle = c.title + ", forts";
    c.titleX = origin;
    c.firstRowGap = 1.5; // the first group heading clears the title, as rows do elsewhere

    const int perPage = groupsPerPage(g);
    const auto groups = groupStandings(in);
    const int antalgr = static_cast<int>(groups.size());
    std::size_t pageStart = 0;
    for (const auto& group : groups) {
        const int grupp = group.grupp;
        Row heading;
        heading.heading = true;
        heading.gap = 1.2;
        heading.cells = {{origin, "Grupp " + std::to_string(grupp)},
                         {origin + 48, "Poäng"},
                         {origin + 53, "Kvalité"},
                         {origin + 61, "Pris"}};
        c.rows.push_back(std::move(heading));

        const auto& members = group.members;
        const std::size_t leaders = group.leaders;
        const long prize = group.prize;

        for (std::size_t i = 0; i < members.size(); ++i) {
            const spelarstructc& s = *members[i];
            Row row;
            row.gap = i == 0 ? 0.9 : 0.7;
            row.cells = {{origin + 10, std::to_string(s.nr)},
                         {origin + 14, s.namn},
                         {origin + 34, std::to_string(s.ranking)},
                         {origin + 49, store::decimalText(s.poang, 3)},
                         {origin + 54, store::decimalText(s.kvalitet, 3)}};
            if (i < leaders && prize > 0) row.cells.push_back({origin + 61, std::to_string(prize)});
            c.rows.push_back(std::move(row));
        }
        if (grupp % perPage == 0 || grupp == antalgr) {
            c.pages.push_back({pageStart, c.rows.size()});
            pageStart = c.rows.size();
        }
    }
    if (c.pages.empty()) c.pages.push_back({0, 0});
    return c;
}

} // namespace reports
