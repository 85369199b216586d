#include "tools/lagturnering/lag_webb.h"

#include <algorithm>
#include <filesystem>

#include "store/safe_name.h"
#include "store/webb_sida.h"
#include "tools/lagturnering/lagsida.h"

namespace lagturnering {

namespace sw = store::webb;

std::string lagWebbsida(const std::string& namn, const std::vector<Lagrad>& rader, Variant v) {
    sw::Tabell tab;
    tab.kolumner = {"Plats", "Lag", "Poäng"};
    tab.tal = {true, false, true};
    int plats = 0;
    for (const auto& r : rader)
        tab.rader.push_back({std::to_string(++plats), r.namn, vardetext(r.varde, v)});
    sw::Sida s;
    s.titel = namn;
    s.underrubrik = v == Variant::Relativ ? "Lagställning, 3-2-1 poäng per parti, 40 × summa ÷ spelare"
                                          : "Lagställning, summan av spelarnas poäng";
    s.stilmall = std::string("../") + sw::kStilmall;
    s.meny = {{"../index.html", "Alla turneringar"}, {"index.html", "Lagställningar"}};
    s.innehall = rader.empty() ? "<p>Inga lag.</p>\n" : sw::tabell(tab);
    return sw::sida(s);
}

void skrivLagWebb(const std::string& namn, const std::vector<Lagrad>& rader, Variant v) {
    namespace fs = std::filesystem;
    const std::string mapp = std::string(sw::kMapp) + "/" + sw::kLagMapp;
    sw::skapaMapp(mapp);
    sw::skriv(std::string(sw::kMapp) + "/" + sw::kStilmall, sw::stilmall());
    sw::skriv(store::safePathIn(mapp, namn, ".html"), lagWebbsida(namn, rader, v));

    // The events by their page's name, which is the event's name made safe.
    std::vector<std::string> sidor;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(mapp, ec)) {
        const std::string fil = e.path().filename().string();
        if (fil != "index.html" && e.path().extension() == ".html") sidor.push_back(fil);
    }
    std::sort(sidor.begin(), sidor.end());
    std::vector<sw::Lank> lankar;
    for (const auto& fil : sidor)
        lankar.push_back({sw::lank(fil), fil.substr(0, fil.size() - 5)});
    sw::Sida s;
    s.titel = "Lagställningar";
    s.stilmall = std::string("../") + sw::kStilmall;
    s.meny = {{"../index.html", "Alla turneringar"}};
    s.innehall = sw::lankLista(lankar);
    sw::skriv(mapp + "/index.html", sw::sida(s));
}

} // namespace lagturnering
