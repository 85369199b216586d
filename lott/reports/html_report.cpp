#include "lott/reports/html_report.h"

#include <filesystem>
#include <system_error>
#include <unordered_map>

#include "lott/reports/game_texts.h"
#include "store/decimal_text.h"
#include "store/fatal.h"
#include "store/files.h"
#include "store/html.h"
#include "store/safe_name.h"
#include "store/tournament.h"

namespace reports {
namespace {

std::string esc(const std::string& text) {
    return store::htmlEscape(text);
}

std::string td(const char* width, const std::string& value) {
    return std::string("<td width='") + width + "' height='13'>" + value + "</td>\n";
}
std::string strongTd(const char* width, const std::string& value) {
    return td(width, "<strong>" + value + "</strong>");
}

void deltagareTable(const ReportInput& in, std::string& out) {
    out += "<tr><td width='200' height='13'>\n";
    out += strongTd("50", "Nr.") + strongTd("200", "Namn") + strongTd("200", "Klubb") + "</tr>\n";
    for (const auto& p : in.spelare) {
        if (store::isBye(p.namn)) continue;
        out += "<tr><td width='200' height='13'></td>\n";
        out +=
            td("50", std::to_string(p.nr) + ".") + td("200", esc(p.namn)) + td("200", esc(htmlClub(p.klubb)));
        out += "</tr>\n";
    }
}

void stallningTable(const ReportInput& in, std::string& out) {
    out += "<tr><td width='100' height='13'></td>\n";
    out += strongTd("50", "Plats") + strongTd("200", "Namn") + strongTd("200", "Klubb") +
           strongTd("50", "Poäng");
    out += strongTd("50", valfritt(in) ? "Matchpoäng" : "Kvalitét") + "</tr>\n";
    // Every record, the bye included; a tied row leaves its place empty.
    std::vector<const spelarstructc*> rows;
    for (const auto& s : in.stallning)
        rows.push_back(&s);
    const auto places = tiedPlaces(rows);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const spelarstructc& s = *rows[i];
        out += "<tr><td width='100' height='13'></td>\n";
        out += strongTd("50", places[i] ? std::to_string(places[i]) : "");
        out += strongTd("150", esc(s.namn)) + strongTd("250", esc(htmlClub(s.klubb)));
        out += strongTd("50", store::decimalText(s.poang, 3)) + strongTd("50", store::decimalText(s.kvalitet, 3)) + "</tr>\n";
    }
}

// Heading row of the pairing and result tables; `clubWidth` 250 for pairings, 200 for results.
std::string boardHeading(const char* clubWidth) {
    return "<tr><td width='10' height='13'></td>\n" + strongTd("25", "Nr") + strongTd("200", "Namn") +
           strongTd(clubWidth, "Klubb") + strongTd("50", "-") + strongTd("25", "Nr") +
           strongTd("200", "Namn");
}

// Number, name and club cells of one side; the club of the bye stays empty. The last cell of a
// pairing row is closed together with the row, so the club cell is left open here.
std::string sideCells(const spelarstructtva* p, int nr, const char* clubWidth) {
    std::string name = p ? esc(p->namn) : "";
    std::string club = p && !store::isBye(p->namn) ? esc(htmlClub(p->klubb)) : "";
    return td("25", std::to_string(nr)) + td("200", name) + "<td width='" + clubWidth + "' height='13'>" +
           club;
}

void lottningTable(const ReportInput& in, std::string& out) {
    out += boardHeading("250") + "<td width='250' height='13'><strong>Klubb</strong></td></tr>\n";
    for (std::size_t i = 0; i + 1 < in.spelare.size(); i += 2) {
        const auto& vit = in.spelare[i];
        const auto& svart = in.spelare[i + 1];
        out += "<tr><td width='10' height='13'></td>\n";
        out += sideCells(&vit, vit.nr, "250") + "</td>\n" + td("50", "-");
        out += sideCells(&svart, svart.nr, "250") + "</td></tr>\n";
    }
}

void resultRow(std::string& out, const PlayerIndex& players, int vit, int svart, const std::string& result) {
    out += "<tr><td width='10' height='13'></td>\n";
    out += sideCells(players.find(vit), vit, "200") + "</td>\n" + td("50", "-");
    out += sideCells(players.find(svart), svart, "200") + "</td>\n";
    out += "<td width='100' height='13'>" + result + "</td></tr>\n";
}

void resultatTable(const ReportInput& in, std::string& out) {
    out += boardHeading("200") + strongTd("200", "Klubb") +
           "<td width='100' height='13'><strong>Resultat</strong></td></tr>\n";
    const PlayerIndex players(in.spelare);
    if (valfritt(in)) {
        const auto games = gamesOfRound(in.valfria, in.valdrond);
        for (const auto& g : games)
            resultRow(out, players, g.vit, g.svart, valfriResultText(g));
    } else {
        const auto games = gamesOfRound(in.partier, in.valdrond);
        for (const auto& g : games)
            resultRow(out, players, g.vit, g.svart, resultText(g.resultat));
    }
}

const char* suffixOf(const ReportInput& in, std::string& rond) {
    switch (in.vilkpaint) {
    case kDeltagare:
        return "_deltagarlista";
    case kStallning:
    case kEgenKategori:
        return "_stallning";
    case kLottning:
        return "_lottning";
    case kResultat:
        rond = "_rond" + std::to_string(in.valdrond);
        return rond.c_str();
    default:
        return "";
    }
}

void makeFolder(const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder)) store::fatalFileError();
}

} // namespace

std::string cleanedName(const std::string& tnamn) {
    std::string out = tnamn;
    std::replace_if(
        out.begin(), out.end(),
        [](char c) { return std::string_view("/\\.-*><").find(c) != std::string_view::npos; }, '_');
    return out;
}

std::string htmlTitle(const ReportInput& in) {
    std::string rond;
    const char* suffix = suffixOf(in, rond);
    return cleanedName(in.tnamn) + suffix;
}

std::string pageStart(const std::string& title) {
    std::string out;
    out += "<html><head><title>" + title + "</title>" + store::kHtmlCharsetMeta;
    out += "<meta name='GENERATOR' content='Microsoft FrontPage' 3.0>\n";
    out += "<meta name='Microsoft Border' content='none'>\n";
    out += "<base target='rbottom'></head>\n";
    out += "<body bgcolor='#FFFFFF' text='#000000' link='#FFFFFF' vlink='#FFFFFF' alink='#FFFFFF' >\n";
    out += "<div align='center'>\n";
    out += "<strong><big><big><big>" + title + "\n" + "</strong></big></big></big></font>";
    out += "<div align='left'><p><table><font face='Helvetica'>\n";
    return out;
}

std::string htmlPage(const ReportInput& in) {
    std::string out = pageStart(esc(htmlTitle(in)));
    switch (in.vilkpaint) {
    case kDeltagare:
        deltagareTable(in, out);
        break;
    case kStallning:
    case kEgenKategori:
        stallningTable(in, out);
        break;
    case kLottning:
        lottningTable(in, out);
        break;
    case kResultat:
        resultatTable(in, out);
        break;
    default:
        break; // the group report and the final report have no table
    }
    out += kPageEnd;
    return out;
}

std::string finalReportText(const ReportInput& in) {
    std::unordered_map<int, std::vector<const partistruct*>> gamesOf;
    for (const auto& g : in.partier) {
        gamesOf[g.vit].push_back(&g);
        if (g.svart != g.vit) gamesOf[g.svart].push_back(&g);
    }
    std::string out = std::to_string(in.valdrond) + "\n";
    int place = 0;
    for (const auto& s : in.stallning) {
        out += std::to_string(++place) + ".#" + s.namn + "#" + s.klubb + "#";
        const auto it = gamesOf.find(s.nr);
        for (int r = 1; r <= in.valdrond && it != gamesOf.end(); ++r) {
            for (const partistruct* g : it->second) {
                if (g->rond != r) continue;
                switch (outcomeFor(g->resultat, g->vit == s.nr)) {
                case Outcome::Win:
                    out += "1";
                    break;
                case Outcome::Loss:
                    out += "0";
                    break;
                case Outcome::Draw:
                    out += "0.5";
                    break;
                case Outcome::None:
                    out += " ";
                    break;
                }
                out += ";";
            }
        }
        out += "#" + store::decimalText(s.poang, 3) + "#" + store::decimalText(s.kvalitet, 3) + "\n";
    }
    return out;
}

std::string htmlPath(const std::string& folder, const ReportInput& in) {
    return store::safePathIn(folder, htmlTitle(in), ".htm");
}

std::string finalTextPath(const std::string& folder, const ReportInput& in) {
    return store::safePathIn(folder, in.tnamn, ".txt");
}

std::string printPath(const std::string& folder, const ReportInput& in) {
    std::string stem = htmlTitle(in);
    if (in.vilkpaint == kRankinggrupper) stem += "_rankinggrupper";
    if (in.vilkpaint == kSlutrapport) stem += "_slutrapport";
    return store::safePathIn(folder, stem, ".pdf");
}

void writeReportFiles(const ReportInput& in, const std::string& folder) {
    makeFolder(folder);
    store::writeReport(htmlPath(folder, in), htmlPage(in));
    if (in.vilkpaint == kSlutrapport) store::writeReport(finalTextPath(folder, in), finalReportText(in));
}

} // namespace reports
