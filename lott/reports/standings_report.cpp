// The standings (plain, with prizes, with Elo and title) and the standings of one own category.
#include "lott/reports/game_texts.h"
#include "lott/reports/number_format.h"
#include "lott/reports/report_content.h"
#include "store/decimal_text.h"
#include "store/text.h"

namespace reports {
namespace {

// Which columns a standings report has and where they stand (u from the window's left edge).
struct StandingsColumns {
    bool club = false, ranking = false, elo = false, prize = false;
    double origin = 0, klubb = 0, rankingX = 0, eloX = 0, poang = 0, kval = 0, pris = 0;
};

StandingsColumns columnsFor(const ReportInput& in, const std::vector<const spelarstructc*>& rows) {
    StandingsColumns k;
    bool klubbfinns = in.klubbfinns, rankingfinns = in.rankingfinns;
    for (const auto* r : rows) {
        klubbfinns = klubbfinns || (!r->klubb.empty() && r->klubb != "nej");
        rankingfinns = rankingfinns || r->ranking > 0;
    }
    k.elo = in.pstallningval == 2;
    k.prize = in.pstallningval == 1 || (in.pstallningval == 2 && in.pengarfinns);
    k.club = (in.pstallningval == 0 || in.vilkpaint == kEgenKategori) && klubbfinns;
    k.ranking = rankingfinns;
    k.origin = k.prize ? 50.0 / 5 : 50.0 / 6;
    k.klubb = k.origin + 28;
    k.rankingX = k.origin + (k.prize ? 24 : k.elo ? 28 : 46);
    k.eloX = k.rankingX + 11;
    k.poang = k.rankingX + (k.elo ? 19 : 11);
    k.kval = k.poang + 9;
    k.pris = k.poang + 22;
    return k;
}

std::string tieBreakHeading(const ReportInput& in, Band band) {
    const bool wide = band == Band::Large;
    if (valfritt(in)) return wide ? "Match" : "Matchp.";
    return wide ? "Kval." : "Kvalitet";
}

} // namespace

std::string standingsPointsText(const spelarstructc& s) {
    std::string points = pointsText(s.poang);
    if (s.antalvita > 0) points += "(" + std::to_string(s.antalvita) + ")";
    return points;
}

ReportContent stallningContent(const ReportInput& in, Band band) {
    const auto rows = drawnRows(in.stallning);
    const StandingsColumns k = columnsFor(in, rows);

    ReportContent c;
    c.title = "Ställning " + in.tnamn + " rond " + std::to_string(in.valdrond);
    if (in.vilkpaint == kEgenKategori && !in.kategori.empty()) c.title += " - " + in.kategori;
    c.fortsTitle = c.title + ", forts";
    const std::size_t len = store::charCount(c.title);
    c.titleHeight = len > 50 ? 22 : len > 40 ? 28 : 34;
    c.titleX = len > 40 ? k.origin - 6 : k.origin;

    c.headings.push_back({k.origin, "Spelare"});
    if (k.club) c.headings.push_back({k.klubb, "Klubb"});
    if (k.ranking) c.headings.push_back({k.rankingX, "Ranking"});
    if (k.elo) c.headings.push_back({k.eloX, "ELO"});
    c.headings.push_back({k.poang, "Poäng"});
    c.headings.push_back({k.kval, tieBreakHeading(in, band)});
    if (k.prize) c.headings.push_back({k.pris, "Pris"});

    const auto places = tiedPlaces(rows);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const spelarstructc& s = *rows[i];
        Row row;
        row.gap = 0.7;
        if (places[i] != 0) row.cells.push_back({k.origin - 7, std::to_string(places[i])});
        row.cells.push_back({k.origin - 3.5, std::to_string(s.nr)});
        const std::size_t titelLen = store::charCount(s.titel);
        if (k.elo && titelLen >= 1 && titelLen <= 3) row.cells.push_back({k.origin, s.titel});
        row.cells.push_back({k.origin + (k.elo ? 3 : 0), s.utgatt ? s.namn + " Utgått" : s.namn});
        if (k.club && !s.klubb.empty() && s.klubb != "nej") row.cells.push_back({k.klubb, s.klubb});
        if (k.ranking && s.ranking > 0)
            row.cells.push_back(
                {k.rankingX, std::to_string(s.ranking) + " (" + ratingChangeText(s.rankingandring) + ")"});
        if (k.elo && s.elo > 0) row.cells.push_back({k.eloX, std::to_string(s.elo)});
        row.cells.push_back({k.poang, standingsPointsText(s)});
        row.cells.push_back({k.kval, store::decimalText(s.kvalitet, 3)});
        if (k.prize && in.pengarfinns && s.pris > 0) row.cells.push_back({k.pris, std::to_string(s.pris)});
        c.rows.push_back(std::move(row));
    }
    c.pages = fixedPages(c.rows.size(), static_cast<std::size_t>(sidposter(kStallning)));
    return c;
}

} // namespace reports
