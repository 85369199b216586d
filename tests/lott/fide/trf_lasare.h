// A reader of TRF-16 written for the tests from the format's column table, independent of the
// exporter: header lines by their three-digit code, 001 lines cut at their fixed columns.
#pragma once
#include <map>
#include <string>
#include <vector>

namespace trftest {

struct Runda {
    int motstandare = 0;
    char farg = ' ';
    char resultat = ' ';
};

struct Rad001 {
    int nr = 0;
    std::string kon, titel, namn, federation, fideid, fodd;
    int rating = 0;
    int halvor = 0; // points in half points
    int placering = 0;
    std::vector<Runda> ronder;
    std::string rad;
};

struct Trf {
    std::multimap<std::string, std::string> huvud; // code -> text from column 5
    std::vector<std::string> ronddatum;            // from the 132 line
    std::vector<Rad001> spelare;
    std::vector<std::string> fel;                  // what the reader found malformed
};

inline std::string trimmad(const std::string& s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

inline int heltal(const std::string& s, bool& ok) {
    const std::string t = trimmad(s);
    if (t.empty()) return 0;
    int v = 0;
    for (char c : t) {
        if (c < '0' || c > '9') {
            ok = false;
            return 0;
        }
        v = v * 10 + (c - '0');
    }
    return v;
}

// Columns are 1-based and inclusive, as the format's table gives them.
inline std::string kol(const std::string& rad, std::size_t fran, std::size_t till) {
    if (rad.size() < fran) return {};
    return rad.substr(fran - 1, till - fran + 1);
}

inline Trf lasTrf(const std::string& text) {
    Trf t;
    std::size_t from = 0;
    while (from < text.size()) {
        const auto slut = text.find("\r\n", from);
        if (slut == std::string::npos) {
            t.fel.push_back("a line without CR LF at the end");
            break;
        }
        const std::string rad = text.substr(from, slut - from);
        from = slut + 2;
        const std::string kod = rad.substr(0, 3);
        if (kod == "132") {
            for (std::size_t k = 92; k <= rad.size(); k += 10)
                t.ronddatum.push_back(trimmad(kol(rad, k, k + 7)));
            if (trimmad(kol(rad, 4, 91)) != "") t.fel.push_back("132 has text before column 92");
            continue;
        }
        if (kod != "001") {
            if (rad.size() > 3 && rad[3] != ' ') t.fel.push_back("header " + kod + " without blank at column 4");
            t.huvud.emplace(kod, rad.substr(4));
            continue;
        }
        Rad001 s;
        s.rad = rad;
        bool ok = true;
        s.nr = heltal(kol(rad, 5, 8), ok);
        s.kon = trimmad(kol(rad, 10, 10));
        s.titel = trimmad(kol(rad, 11, 13));
        s.namn = trimmad(kol(rad, 15, 47));
        s.rating = heltal(kol(rad, 49, 52), ok);
        s.federation = trimmad(kol(rad, 54, 56));
        s.fideid = trimmad(kol(rad, 58, 68));
        s.fodd = trimmad(kol(rad, 70, 79));
        const std::string p = trimmad(kol(rad, 81, 84));
        const auto punkt = p.find('.');
        if (punkt == std::string::npos || punkt + 2 != p.size() || (p.back() != '0' && p.back() != '5'))
            ok = false;
        else
            s.halvor = heltal(p.substr(0, punkt), ok) * 2 + (p.back() == '5' ? 1 : 0);
        s.placering = heltal(kol(rad, 86, 89), ok);
        for (std::size_t c : {4u, 9u, 14u, 48u, 53u, 57u, 69u, 80u, 85u, 90u, 91u})
            if (rad.size() >= c && rad[c - 1] != ' ') ok = false;
        for (std::size_t k = 92; k <= rad.size(); k += 10) {
            Runda r;
            const std::string m = kol(rad, k, k + 3);
            for (char c : m)
                if (c < '0' || c > '9') ok = false;
            r.motstandare = heltal(m, ok);
            r.farg = kol(rad, k + 5, k + 5)[0];
            r.resultat = kol(rad, k + 7, k + 7)[0];
            if (kol(rad, k + 4, k + 4) != " " || kol(rad, k + 6, k + 6) != " ") ok = false;
            s.ronder.push_back(r);
        }
        if (!ok) t.fel.push_back("malformed 001 line: " + rad);
        t.spelare.push_back(s);
    }
    return t;
}

} // namespace trftest
