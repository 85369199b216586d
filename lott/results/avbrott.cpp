#include "lott/results/avbrott.h"

#include <algorithm>
#include <sstream>

#include "lott/results/resultattext.h"
#include "store/decimal_text.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/text.h"
#include "store/tournament.h"

namespace avbrott {

Komplettering fullborda(const std::string& falt) {
    switch (falt.empty() ? '\0' : falt.front()) {
    case '0':
        return {"0-1", resSvartVinst};
    case '1':
        return {"1-0", resVitVinst};
    case 'R':
    case 'r':
        return {"Remi", resRemi};
    case 'W':
        return {"W.O 1-", resVitWo};
    case 'd':
        return {"diskval.", resDiskval};
    case 'w':
        return {"w.o 0-1", resSvartWo};
    default:
        return {"", resUppskjutet};
    }
}

std::string visatResultat(int kod) {
    switch (kod) {
    case resVitVinst:
        return "1-0";
    case resSvartVinst:
        return "0-1";
    case resRemi:
        return "Remi";
    case resVitWo:
        return "W.O 1-";
    case resSvartWo:
        return "w.o 0-1";
    case resDiskval:
        return "diskval.";
    default:
        return "";
    }
}

} // namespace avbrott

namespace {
constexpr std::size_t kValfriFalt = 8;
} // namespace

Avbrottslista::Avbrottslista(int turnnr, int lage, bool valfri)
    : turnnr_(turnnr), lage_(lage), valfri_(valfri) {
    spelare_ = store::readAll<spelarstructtva>(store::tournamentFile(turnnr, 'T'));
    if (valfri_) {
        store::touch(store::fil::VALFRI);
        store::replaceBytes(store::fil::VFRITE, store::readBytes(store::fil::VALFRI));
        alla_ = store::touchAndReadEvery<valfristruct>(store::fil::VALFRI);
        for (const auto& v : alla_)
            if (v.turnnr == turnnr && v.plausible())
                partier_.push_back({v.vit, v.svart, v.bord, resIngen, v.rond});
    } else {
        partier_ = store::touchAndReadEvery<partistruct>(store::tournamentFile(turnnr, 'R'));
    }
    // The dialog's list is built by putting each game in front.
    std::reverse(partier_.begin(), partier_.end());
}

bool Avbrottslista::listad(const partistruct& p) const {
    if (!p.plausible()) return false;
    return lage_ == kAllaPartier || p.resultat == resUppskjutet || p.resultat == resAvbrutet;
}

std::string Avbrottslista::namn(int nr) const {
    const auto it =
        std::find_if(spelare_.begin(), spelare_.end(), [&](const spelarstructtva& s) { return s.nr == nr; });
    // A number without a record is a bye whose record has left the player file.
    return it == spelare_.end() ? store::kFrirond : it->namn;
}

std::vector<std::string> Avbrottslista::rader() const {
    std::vector<std::string> ut;
    for (const auto& p : partier_)
        if (listad(p))
            ut.push_back(std::to_string(p.rond) + " " + std::to_string(p.vit) + " " + namn(p.vit) + " - " +
                         std::to_string(p.svart) + " " + namn(p.svart));
    return ut;
}

std::optional<Avbrottslista::Rad> Avbrottslista::tolka(const std::string& rad) {
    std::istringstream in(rad);
    Rad r;
    if (!(in >> r.rond >> r.vit)) return std::nullopt;
    return r;
}

std::optional<Avbrottslista::Markering> Avbrottslista::markera(const std::string& text) const {
    const auto rad = tolka(text);
    if (!rad) return std::nullopt;
    const auto parti = std::find_if(partier_.begin(), partier_.end(), [&](const partistruct& p) {
        return p.vit == rad->vit && p.rond == rad->rond;
    });
    if (parti == partier_.end()) return std::nullopt;
    Markering m{namn(rad->vit), namn(parti->svart), avbrott::visatResultat(parti->resultat)};
    if (valfri_) {
        m.resultat.clear();
        for (const auto& v : alla_)
            if (v.turnnr == turnnr_ && v.vit == rad->vit && v.rond == rad->rond) {
                m.resultat =
                    store::decimalText(v.vitresultat, 3) + "-" + store::decimalText(v.svartresultat, 3);
                break;
            }
    }
    return m;
}

bool Avbrottslista::bekrafta(const std::string& text, int kod) {
    const auto rad = tolka(text);
    if (!rad) return false;
    bool funnen = false;
    for (auto& p : partier_)
        if (p.vit == rad->vit && p.rond == rad->rond) {
            p.resultat = kod;
            funnen = true;
        }
    return funnen;
}

bool Avbrottslista::bekraftaValfritt(const std::string& text, const std::string& falt) {
    const auto rad = tolka(text);
    if (!rad) return false;
    std::string typat = store::firstChars(falt, kValfriFalt);
    std::replace(typat.begin(), typat.end(), ',', '.');
    double vit = -1, svart = -1;
    if (!resultat::testavvalfrittresultat(typat, vit, svart)) return false;
    bool funnen = false;
    for (auto& v : alla_)
        if (v.turnnr == turnnr_ && v.vit == rad->vit && v.rond == rad->rond) {
            v.vitresultat = vit;
            v.svartresultat = svart;
            funnen = true;
        }
    valfriAndrad_ = valfriAndrad_ || funnen;
    return funnen;
}

void Avbrottslista::verkstall() const {
    if (!valfri_) {
        store::writeAll(store::tournamentFile(turnnr_, 'R'), partier_);
        return;
    }
    if (valfriAndrad_) store::rewriteThrough(store::fil::VALFRI, store::fil::TVFRI, alla_);
}
