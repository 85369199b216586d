#include "lott/webb/webbplats.h"

#include <unistd.h>

#include <filesystem>
#include <set>
#include <system_error>

#include "store/filenames.h"
#include "store/files.h"
#include "store/safe_name.h"
#include "store/tournament.h"

namespace webb {

namespace fs = std::filesystem;
namespace sw = store::webb;

std::vector<Webbsida> turneringensSidor(const Turneringsdata& t) {
    std::vector<Webbsida> sidor;
    sidor.push_back(deltagarSida(t));
    const int n = spelade(t);
    std::vector<spelarstructc> stallning;
    for (int r = 1; r <= n; ++r) {
        sidor.push_back(rondSida(t, r));
        stallning = stallningEfter(t, r);
        sidor.push_back(stallningSida(t, r, stallning));
    }
    if (t.lottadRond == n + 1 && !t.lottadePar.empty()) sidor.push_back(rondSida(t, t.lottadRond));
    for (auto& s : slutsidor(t, stallning))
        sidor.push_back(std::move(s));
    sidor.push_back(turneringsIndex(t, sidor));
    return sidor;
}

std::vector<std::string> mappar(const std::vector<Turneringsdata>& alla) {
    std::vector<std::string> ut;
    std::set<std::string> tagna;
    for (const auto& t : alla) {
        std::string namn = store::safeFileName(t.turnering.tnamn);
        if (tagna.count(namn))
            namn = store::safeFileName(t.turnering.tnamn, "_" + std::to_string(t.turnering.filnamnint)) +
                   "_" + std::to_string(t.turnering.filnamnint);
        tagna.insert(namn);
        ut.push_back(namn);
    }
    return ut;
}

namespace {

// Pages the site writer makes under names that depend on the tournament's rounds and options;
// such a page that is not made any more is removed. Other files in the folder are left alone.
bool egenSida(const std::string& namn) {
    static const std::set<std::string> fasta{kDeltagareFil, kKorstabellFil, kSlutstallningFil,
                                             kPriserFil,    kGrupperFil,    kKategorierFil};
    const bool html = namn.size() > 5 && namn.compare(namn.size() - 5, 5, ".html") == 0;
    return html && (fasta.count(namn) || namn.rfind("rond-", 0) == 0 || namn.rfind("stallning-", 0) == 0);
}

void rensaGamla(const std::string& mapp, const std::vector<Webbsida>& sidor) {
    std::set<std::string> kvar;
    for (const auto& s : sidor)
        kvar.insert(s.fil);
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(mapp, ec)) {
        const std::string namn = e.path().filename().string();
        if (egenSida(namn) && !kvar.count(namn)) fs::remove(e.path(), ec);
    }
}

} // namespace

Utfall skrivWebbplats(const std::vector<Turneringsdata>& alla, const std::string& rot,
                      const std::vector<bool>& hoppaOver) {
    Utfall u;
    sw::skapaMapp(rot);
    const auto skriv = [&u](const std::string& path, const std::string& html) {
        ++u.sidor;
        if (sw::skriv(path, html)) ++u.skrivna;
    };
    skriv(rot + "/" + sw::kStilmall, sw::stilmall());
    const auto namn = mappar(alla);
    std::vector<TurneringsLank> lankar;
    for (std::size_t i = 0; i < alla.size(); ++i) {
        const auto& t = alla[i];
        // Newest first: "TURN" holds the tournaments in the order they were made.
        lankar.insert(lankar.begin(),
                      {namn[i], t.turnering.tnamn, lottningsText(t), spelade(t), t.turnering.antalronder});
        if (i < hoppaOver.size() && hoppaOver[i]) continue;
        const std::string mapp = rot + "/" + namn[i];
        sw::skapaMapp(mapp);
        const auto sidor = turneringensSidor(t);
        for (const auto& s : sidor)
            skriv(mapp + "/" + s.fil, s.html);
        rensaGamla(mapp, sidor);
    }
    std::error_code ec;
    const bool lag = fs::exists(rot + "/" + sw::kLagMapp + "/index.html", ec);
    skriv(rot + "/index.html", katalogIndex(lankar, lag));
    return u;
}

namespace {

// What a tournament's pages are made from, as sizes and modification times of its files and of
// the directory's shared files, with the round the program has paired.
std::string signatur(const Turneringsdata& t, const std::string& gemensam, const Lottad& lottad) {
    std::string s = gemensam;
    for (char ext : {'T', 'R', 'U', 'P', 'E', 'G', 'K'}) {
        std::error_code ec;
        const fs::path p = store::tournamentFile(t.turnering.filnamnint, ext);
        const auto storlek = fs::file_size(p, ec);
        s += ec ? std::string("-") : std::to_string(storlek);
        const auto tid = fs::last_write_time(p, ec);
        s += ":" + (ec ? std::string("-") : std::to_string(tid.time_since_epoch().count())) + ";";
    }
    if (lottad.turnnr == t.turnering.filnamnint) {
        s += "L" + std::to_string(lottad.rond) + "/" + std::to_string(lottad.par.size());
        for (const auto& [v, b] : lottad.par)
            s += "," + std::to_string(v) + "-" + std::to_string(b);
    }
    return s;
}

std::string gemensamSignatur() {
    std::string s;
    for (const char* f :
         {store::fil::TURN, store::fil::POANGSYS, store::fil::SELN, store::fil::VILKV, store::fil::VALFRI}) {
        std::error_code ec;
        const auto storlek = fs::file_size(f, ec);
        s += ec ? std::string("-") : std::to_string(storlek);
        const auto tid = fs::last_write_time(f, ec);
        s += ":" + (ec ? std::string("-") : std::to_string(tid.time_since_epoch().count())) + ";";
    }
    return s;
}

} // namespace

bool kanSkrivas() {
    if (store::readAllIfPresent<turneringsstruct>(store::fil::TURN).empty()) return false;
    std::error_code ec;
    if (fs::is_directory(sw::kMapp, ec)) return ::access(sw::kMapp, W_OK) == 0;
    return ::access(".", W_OK) == 0;
}

std::map<int, std::string> Webbplats::signaturerNu(const std::vector<Turneringsdata>& alla,
                                                   const Lottad& lottad) const {
    const std::string gemensam = gemensamSignatur();
    std::map<int, std::string> nya;
    for (const auto& t : alla)
        nya[t.turnering.filnamnint] = signatur(t, gemensam, lottad);
    return nya;
}

void Webbplats::borja(const Lottad& lottad) {
    signaturer_ = signaturerNu(lasTurneringar(lottad), lottad);
}

std::string Webbplats::skriv(const Lottad& lottad, bool allt) {
    const auto alla = lasTurneringar(lottad);
    auto nya = signaturerNu(alla, lottad);
    std::vector<bool> hoppaOver(alla.size(), false);
    bool nagon = allt;
    for (std::size_t i = 0; i < alla.size(); ++i) {
        const int nr = alla[i].turnering.filnamnint;
        const auto it = signaturer_.find(nr);
        hoppaOver[i] = !allt && it != signaturer_.end() && it->second == nya[nr];
        nagon = nagon || !hoppaOver[i];
    }
    // Nothing changed: the site stays as it is (and is not made where there is none).
    if (nagon || signaturer_.size() != nya.size())
        senaste_ = skrivWebbplats(alla, sw::kMapp, hoppaOver);
    else
        senaste_ = {};
    signaturer_ = std::move(nya);
    return sw::kMapp;
}

std::string Webbplats::uppdatera(const Lottad& lottad) {
    return skriv(lottad, false);
}

std::string Webbplats::publicera(const Lottad& lottad) {
    return skriv(lottad, true);
}

} // namespace webb
