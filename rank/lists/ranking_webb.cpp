#include "rank/lists/ranking_webb.h"

#include <cmath>
#include <ctime>
#include <filesystem>
#include <unordered_map>

#include "store/files.h"
#include "store/webb_sida.h"

namespace rank {

namespace sw = store::webb;

std::string webbFil(WebbLista lista) {
    switch (lista) {
    case WebbLista::Flytande:
        return "flytande.html";
    case WebbLista::Federation:
        return "ssf-lista.html";
    default:
        return "rankinglista.html";
    }
}

namespace {

std::string rubrikAv(const Listinnehall& l) {
    for (const auto& r : l.huvud)
        if (r.stil == Stil::Rubrik && !r.falt.empty()) return r.falt.front().text;
    return {};
}

const Rad* kolumnrad(const Listinnehall& l) {
    for (const auto& r : l.huvud)
        if (r.stil == Stil::Kolumnrubrik) return &r;
    return nullptr;
}

// Birth data identify a member; the published federation list goes without them.
bool privat(const std::string& kolumn) {
    return kolumn == "Födelsedata";
}

const char* titelFor(WebbLista lista) {
    switch (lista) {
    case WebbLista::Flytande:
        return "Flytande ranking";
    case WebbLista::Federation:
        return "Spelarförteckning";
    default:
        return "Rankinglista";
    }
}

} // namespace

std::string webbListsida(WebbLista lista, const Listinnehall& innehall, const std::string& period,
                         const std::vector<mailstruct>* epost) {
    sw::Tabell tab;
    std::vector<double> x; // the columns kept, by their place on the list
    int namnKolumn = -1;
    std::vector<Falt> rubriker;
    if (const Rad* k = kolumnrad(innehall)) rubriker = k->falt;
    // A running number left of the first heading (the federation list's) gets a heading of its own.
    if (!rubriker.empty() && !innehall.rader.empty() && !innehall.rader.front().falt.empty() &&
        innehall.rader.front().falt.front().x < rubriker.front().x)
        rubriker.insert(rubriker.begin(), {innehall.rader.front().falt.front().x, "Nr"});
    {
        for (const auto& f : rubriker) {
            if (privat(f.text)) {
                x.push_back(NAN);
                continue;
            }
            if (f.text == "Namn") namnKolumn = static_cast<int>(tab.kolumner.size());
            tab.kolumner.push_back(f.text);
            tab.tal.push_back(f.text == "Nr" || f.text == "Ranking" || f.text.rfind("Rating", 0) == 0);
            x.push_back(f.x);
        }
    }
    std::unordered_map<std::string, std::string> adress;
    if (epost) {
        for (const auto& m : *epost)
            if (!m.mail.empty()) adress.emplace(m.namn, m.mail); // the first address of a name
        tab.kolumner.push_back("E-post");
        tab.tal.push_back(false);
    }
    for (const auto& r : innehall.rader) {
        std::vector<std::string> rad(tab.kolumner.size());
        for (const auto& f : r.falt) {
            std::size_t kol = 0;
            for (std::size_t i = 0; i < x.size(); ++i) {
                if (std::isnan(x[i])) {
                    continue;
                }
                if (x[i] == f.x) {
                    rad[kol] = f.text;
                    break;
                }
                ++kol;
            }
        }
        if (epost && namnKolumn >= 0) {
            const auto it = adress.find(rad[static_cast<std::size_t>(namnKolumn)]);
            if (it != adress.end()) rad.back() = it->second;
        }
        tab.rader.push_back(std::move(rad));
    }
    sw::Sida s;
    s.titel = std::string(titelFor(lista)) + " " + period;
    s.underrubrik = rubrikAv(innehall);
    s.stilmall = sw::kStilmall;
    s.meny = {{"index.html", "Listor"}};
    s.innehall = sw::tabell(tab);
    return sw::sida(s);
}

std::string webbPeriod(WebbLista lista, const std::tm& idag) {
    const std::string ar = std::to_string(idag.tm_year + 1900);
    if (lista == WebbLista::Flytande)
        return "flytande " + std::to_string(idag.tm_mday) + "/" + std::to_string(idag.tm_mon + 1) + " " + ar;
    static const char* const tredjedelar[] = {"januari–april", "maj–augusti", "september–december"};
    return std::string(tredjedelar[idag.tm_mon / 4]) + " " + ar;
}

void skrivWebbLista(WebbLista lista, const Listinnehall& innehall, const std::string& period,
                    bool visaEpost) {
    sw::skapaMapp(sw::kMapp);
    const std::string rot = sw::kMapp;
    std::vector<mailstruct> epost;
    if (visaEpost) epost = store::readAllIfPresent<mailstruct>(fil::MAIL);
    sw::skriv(rot + "/" + webbFil(lista),
              webbListsida(lista, innehall, period, visaEpost ? &epost : nullptr));
    sw::skriv(rot + "/" + sw::kStilmall, sw::stilmall());

    std::vector<sw::Lank> lankar;
    for (auto l : {WebbLista::Ranking, WebbLista::Flytande, WebbLista::Federation}) {
        std::error_code ec;
        if (std::filesystem::exists(rot + "/" + webbFil(l), ec)) lankar.push_back({webbFil(l), titelFor(l)});
    }
    sw::Sida s;
    s.titel = "Listor";
    s.stilmall = sw::kStilmall;
    s.innehall = sw::lankLista(lankar);
    sw::skriv(rot + "/index.html", sw::sida(s));
}

} // namespace rank
