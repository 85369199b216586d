#include "store/webb_sida.h"

#include <filesystem>
#include <system_error>

#include "store/fatal.h"
#include "store/files.h"

namespace store::webb {

std::string text(std::string_view s) {
    std::string out;
    out.reserve(s.size() + 8);
    for (char c : s) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string lank(std::string_view namn) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : namn) {
        const auto u = static_cast<unsigned char>(c);
        const bool fri = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
                         c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
        if (fri) {
            out += c;
        } else {
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 15];
        }
    }
    return out;
}

std::string tabell(const Tabell& t) {
    std::string out = "<div class=\"tabell\"><table>\n";
    if (!t.rubrik.empty()) out += "<caption>" + text(t.rubrik) + "</caption>\n";
    const auto tal = [&t](std::size_t k) { return k < t.tal.size() && t.tal[k]; };
    out += "<thead><tr>";
    for (std::size_t k = 0; k < t.kolumner.size(); ++k)
        out += std::string("<th scope=\"col\"") + (tal(k) ? " class=\"tal\"" : "") + ">" + text(t.kolumner[k]) +
               "</th>";
    out += "</tr></thead>\n<tbody>\n";
    for (std::size_t r = 0; r < t.rader.size(); ++r) {
        const bool klass = r < t.radklass.size() && !t.radklass[r].empty();
        out += klass ? "<tr class=\"" + text(t.radklass[r]) + "\">" : "<tr>";
        const auto& rad = t.rader[r];
        for (std::size_t k = 0; k < rad.size(); ++k) {
            const bool rubrik = t.radrubrik && k == 0;
            out += rubrik ? "<th scope=\"row\"" : "<td";
            if (tal(k)) out += " class=\"tal\"";
            out += ">" + text(rad[k]) + (rubrik ? "</th>" : "</td>");
        }
        out += "</tr>\n";
    }
    out += "</tbody>\n</table></div>\n";
    return out;
}

std::string lankLista(const std::vector<Lank>& lankar) {
    std::string out = "<ul class=\"lankar\">\n";
    for (const auto& l : lankar)
        out += "<li><a href=\"" + text(l.href) + "\">" + text(l.text) + "</a></li>\n";
    out += "</ul>\n";
    return out;
}

std::string sida(const Sida& s) {
    std::string out;
    out += "<!DOCTYPE html>\n<html lang=\"sv\">\n<head>\n<meta charset=\"utf-8\">\n";
    out += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    out += "<title>" + text(s.flik.empty() ? s.titel : s.flik) + "</title>\n";
    out += "<link rel=\"stylesheet\" href=\"" + text(s.stilmall) + "\">\n</head>\n<body>\n";
    if (!s.meny.empty()) {
        out += "<nav><ul>\n";
        for (const auto& l : s.meny)
            out += "<li><a href=\"" + text(l.href) + "\">" + text(l.text) + "</a></li>\n";
        out += "</ul></nav>\n";
    }
    out += "<main>\n<h1>" + text(s.titel) + "</h1>\n";
    if (!s.underrubrik.empty()) out += "<p class=\"under\">" + text(s.underrubrik) + "</p>\n";
    out += s.innehall;
    out += "</main>\n";
    if (!s.fot.empty()) out += "<footer><p>" + text(s.fot) + "</p></footer>\n";
    out += "</body>\n</html>\n";
    return out;
}

const std::string& stilmall() {
    // Small on purpose: system fonts, tables that scroll in their box on a narrow screen, and a
    // print form without the navigation.
    static const std::string css = R"(html { -webkit-text-size-adjust: 100%; }
body { margin: 0; font: 16px/1.4 system-ui, -apple-system, "Segoe UI", Roboto, Arial, sans-serif;
  color: #1b1b1b; background: #fff; }
main { max-width: 72rem; margin: 0 auto; padding: 0.5rem 1rem 2rem; }
h1 { font-size: 1.5rem; margin: 0.75rem 0 0.25rem; }
h2 { font-size: 1.2rem; margin: 1.5rem 0 0.5rem; }
p.under { margin: 0 0 1rem; color: #555; }
nav { background: #f3f4f6; border-bottom: 1px solid #d8dbe0; }
nav ul { list-style: none; margin: 0 auto; padding: 0.25rem 1rem; max-width: 72rem;
  display: flex; flex-wrap: wrap; gap: 0.25rem 1rem; }
nav a, ul.lankar a { color: #0b57a4; }
ul.lankar { padding-left: 1.2rem; }
ul.lankar li { margin: 0.3rem 0; }
.tabell { overflow-x: auto; max-width: 100%; margin: 0 0 1rem; }
table { border-collapse: collapse; font-variant-numeric: tabular-nums; }
caption { text-align: left; font-weight: 600; padding: 0.25rem 0; }
th, td { padding: 0.3rem 0.6rem; border-bottom: 1px solid #e3e5e8; text-align: left; white-space: nowrap; }
thead th { background: #f3f4f6; border-bottom: 2px solid #c9ccd1; }
tbody th { font-weight: normal; }
.tal { text-align: right; }
tr.utgatt td, tr.utgatt th { color: #777; }
footer { max-width: 72rem; margin: 0 auto; padding: 0 1rem 1rem; color: #666; font-size: 0.85rem; }
@media print {
  nav { display: none; }
  body { font-size: 10pt; }
  .tabell { overflow: visible; }
  th, td { padding: 0.1rem 0.4rem; }
}
)";
    return css;
}

bool skriv(const std::string& path, const std::string& innehall) {
    return writeIfChanged(path, innehall);
}

void skapaMapp(const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) fatalFileError();
}

} // namespace store::webb
