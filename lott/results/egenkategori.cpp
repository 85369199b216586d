#include "lott/results/egenkategori.h"

#include <cstdlib>
#include <unordered_set>

#include "store/safe_name.h"
#include "store/text.h"
#include "store/tournament.h"

namespace egenkat {
namespace {
constexpr std::size_t kRapportNamnGrans = 38; // tournament and category names together
} // namespace

std::string rensaNamn(const std::string& namn) {
    std::string ut;
    for (char c : namn) {
        const bool blank = c == ' ' || c == '\t';
        if (blank) {
            if (!ut.empty() && ut.back() != ' ') ut += ' ';
        } else {
            ut += c;
        }
    }
    if (!ut.empty() && ut.back() == ' ') ut.pop_back();
    return ut;
}

std::string kategoriText(const std::string& namn, const std::string& pris) {
    return namn + "   " + pris;
}

std::string kategoriNamn(const std::string& text) {
    return text.substr(0, text.find("  "));
}

std::string spelarRad(const spelarstructtva& s) {
    return std::to_string(s.nr) + "." + s.namn;
}

int nrAvSpelarRad(const std::string& rad) {
    return std::atoi(rad.substr(0, rad.find('.')).c_str());
}

std::string valdRad(const std::string& spelarRad, const std::string& kategoriText) {
    return spelarRad + "  " + kategoriText;
}

std::vector<Kategori> kategorier(const std::vector<egenkategoriastruct>& poster) {
    std::vector<Kategori> ut;
    std::unordered_set<std::string> sedda;
    for (const auto& k : poster)
        if (sedda.insert(k.namn).second) ut.push_back({k.namn, k.pris});
    return ut;
}

std::vector<spelarstructc> ekat(const std::vector<spelarstructc>& stallning,
                                const std::vector<egenkategoriastruct>& poster, const std::string& text) {
    std::unordered_set<int> medlemmar;
    for (const auto& k : poster)
        if (k.namn == text) medlemmar.insert(k.nr);
    std::vector<spelarstructc> ut;
    for (const auto& s : stallning)
        if (medlemmar.count(s.nr) && !store::isBye(s.namn)) ut.push_back(s);
    return ut;
}

std::string epris(std::int32_t pris) {
    return pris > 0 ? "(" + std::to_string(pris) + " kr)" : "";
}

std::string rapportNamn(const std::string& tnamn, const std::string& kategorinamn) {
    const std::string namn = store::safeFileName(kategorinamn);
    if (store::charCount(tnamn) + store::charCount(namn) < kRapportNamnGrans) return tnamn + "_" + namn;
    return namn;
}

} // namespace egenkat
