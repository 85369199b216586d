// Reads the tables of a page back, independently of the site writer: each <table> as rows of
// cell texts (th and td alike, entities resolved, tags inside a cell dropped).
#pragma once
#include <string>
#include <vector>

namespace webbtest {

using Tabellrader = std::vector<std::vector<std::string>>;

inline std::string avkoda(const std::string& s) {
    std::string ut;
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == '<') { // a tag inside a cell
            const auto slut = s.find('>', i);
            i = slut == std::string::npos ? s.size() : slut + 1;
            continue;
        }
        if (s[i] == '&') {
            const auto slut = s.find(';', i);
            const std::string e = s.substr(i, slut - i + 1);
            if (e == "&amp;")
                ut += '&';
            else if (e == "&lt;")
                ut += '<';
            else if (e == "&gt;")
                ut += '>';
            else if (e == "&quot;")
                ut += '"';
            else if (e == "&#39;")
                ut += '\'';
            else
                ut += e; // unknown: kept, so a test sees it
            i = slut + 1;
            continue;
        }
        ut += s[i++];
    }
    return ut;
}

inline std::vector<Tabellrader> tabeller(const std::string& html) {
    std::vector<Tabellrader> ut;
    std::size_t pos = 0;
    while ((pos = html.find("<table", pos)) != std::string::npos) {
        const auto slut = html.find("</table>", pos);
        const std::string tab = html.substr(pos, slut - pos);
        Tabellrader rader;
        std::size_t r = 0;
        while ((r = tab.find("<tr", r)) != std::string::npos) {
            const auto rslut = tab.find("</tr>", r);
            const std::string rad = tab.substr(r, rslut - r);
            std::vector<std::string> celler;
            std::size_t c = 0;
            while (true) {
                const auto th = rad.find("<th", c), td = rad.find("<td", c);
                const auto b = std::min(th, td);
                if (b == std::string::npos) break;
                const auto inne = rad.find('>', b) + 1;
                const auto e = rad.find(b == th ? "</th>" : "</td>", inne);
                celler.push_back(avkoda(rad.substr(inne, e - inne)));
                c = e + 5;
            }
            rader.push_back(celler);
            r = rslut + 5;
        }
        ut.push_back(rader);
        pos = slut + 8;
    }
    return ut;
}

// The column named `namn` in a table's first (heading) row; -1 when there is none.
inline int kolumn(const Tabellrader& t, const std::string& namn) {
    if (t.empty()) return -1;
    for (std::size_t i = 0; i < t[0].size(); ++i)
        if (t[0][i] == namn) return static_cast<int>(i);
    return -1;
}

} // namespace webbtest
