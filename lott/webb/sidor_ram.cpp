// The frame every tournament page shares, the tournament's front page and the site's front page.
#include "lott/webb/sidor.h"

namespace webb {

namespace sw = store::webb;

std::string rondFil(int rond) {
    return "rond-" + std::to_string(rond) + ".html";
}

std::string stallningFil(int rond) {
    return "stallning-" + std::to_string(rond) + ".html";
}

std::string turneringsSida(const Turneringsdata& t, const std::string& titel, const std::string& innehall,
                           const std::string& underrubrik) {
    sw::Sida s;
    s.titel = titel;
    if (titel != t.turnering.tnamn) s.flik = titel + " – " + t.turnering.tnamn;
    s.underrubrik = underrubrik;
    s.stilmall = std::string("../") + sw::kStilmall;
    s.meny = {{"../index.html", "Alla turneringar"},
              {"index.html", t.turnering.tnamn},
              {kDeltagareFil, "Deltagare"}};
    const int n = spelade(t);
    if (n > 0) {
        s.meny.push_back({stallningFil(n), "Ställning"});
        s.meny.push_back({kKorstabellFil, "Korstabell"});
    }
    s.innehall = innehall;
    return sw::sida(s);
}

Webbsida turneringsIndex(const Turneringsdata& t, const std::vector<Webbsida>& sidor) {
    const int n = spelade(t);
    std::string html = "<dl class=\"fakta\">\n";
    const auto fakta = [&html](const std::string& namn, const std::string& varde) {
        html += "<dt>" + sw::text(namn) + "</dt><dd>" + sw::text(varde) + "</dd>\n";
    };
    fakta("Lottning", lottningsText(t));
    fakta("Poäng", poangText(t));
    fakta("Kvalitet", valfritt(t) ? "Matchpoäng" : t.progressiv ? "Progressiv" : "Vanlig");
    fakta("Ronder", std::to_string(n) + " av " + std::to_string(t.turnering.antalronder));
    html += "</dl>\n";

    // The pages in the order a visitor reads them: the lists, then each round newest first.
    std::vector<sw::Lank> lankar;
    std::vector<sw::Lank> ronder;
    for (const auto& s : sidor) {
        sw::Lank l{sw::lank(s.fil), s.titel};
        if (s.fil.rfind("rond-", 0) == 0 || s.fil.rfind("stallning-", 0) == 0)
            ronder.insert(ronder.begin(), l);
        else
            lankar.push_back(l);
    }
    lankar.insert(lankar.end(), ronder.begin(), ronder.end());
    html += "<h2>Sidor</h2>\n" + sw::lankLista(lankar);
    return {"index.html", t.turnering.tnamn, turneringsSida(t, t.turnering.tnamn, html)};
}

std::string katalogIndex(const std::vector<TurneringsLank>& turneringar, bool lagstallningar) {
    sw::Sida s;
    s.titel = "Turneringar";
    s.stilmall = sw::kStilmall;
    std::string html;
    if (turneringar.empty()) {
        html = "<p>Inga turneringar ännu.</p>\n";
    } else {
        html = "<ul class=\"lankar\">\n";
        for (const auto& t : turneringar)
            html += "<li><a href=\"" + sw::text(sw::lank(t.mapp) + "/index.html") + "\">" + sw::text(t.namn) +
                    "</a> – " + sw::text(t.lottning) + ", " + std::to_string(t.spelade) + " av " +
                    std::to_string(t.planerade) + " ronder</li>\n";
        html += "</ul>\n";
    }
    if (lagstallningar)
        html += "<p><a href=\"" + std::string(sw::kLagMapp) + "/index.html\">Lagställningar</a></p>\n";
    s.innehall = html;
    return sw::sida(s);
}

} // namespace webb
