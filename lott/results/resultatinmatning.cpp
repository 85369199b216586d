#include "lott/results/resultatinmatning.h"

#include <algorithm>

#include "lott/results/resultattext.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"

Resultatinmatning::Resultatinmatning(const std::vector<spelarstructtva>& lskicka, bool valfritt)
    : valfritt_(valfritt) {
    parningslista_.reserve(lskicka.size());
    for (std::size_t k = 0; k < lskicka.size(); ++k) {
        const auto& s = lskicka[k];
        const int bord = static_cast<int>(k / 2) + 1;
        const int farg = static_cast<int>(k % 2);
        parningslista_.push_back({s.nr, s.namn, s.klubb, s.ranking, bord, farg});
        if (store::isBye(s.namn)) {
            frirondbord_ = bord;
            frirondfarg_ = farg == 0 ? resultat::frirondVit : resultat::frirondSvart;
        }
    }
    const int antal = static_cast<int>(lskicka.size() / 2);
    for (int bord = 1; bord <= antal; ++bord) {
        partistructd p;
        p.bord = bord;
        if (const auto* v = spelare(bord, 0)) p.vit = v->nr;
        if (const auto* s = spelare(bord, 1)) p.svart = s->nr;
        bordlista_.push_back(p);
    }
}

Resultatinmatning Resultatinmatning::franLskicka(bool valfritt) {
    return Resultatinmatning(store::readAll<spelarstructtva>(store::fil::LSKICKA), valfritt);
}

const spelarstructd* Resultatinmatning::spelare(int bord, int farg) const {
    // Record 2(b-1)+f holds board b, colour f.
    const long k = 2L * (bord - 1) + farg;
    if (bord < 1 || k >= static_cast<long>(parningslista_.size())) return nullptr;
    return &parningslista_[static_cast<std::size_t>(k)];
}

const partistructd* Resultatinmatning::hittaBord(int bord) const {
    const auto it = std::find_if(bordlista_.begin(), bordlista_.end(),
                                 [&](const partistructd& p) { return p.bord == bord; });
    return it == bordlista_.end() ? nullptr : &*it;
}

std::string Resultatinmatning::sattstrang(int bord, int farg) const {
    const auto* s = spelare(bord, farg);
    if (!s) return "";
    std::string t = std::to_string(s->nr) + ". " + s->namn;
    if (s->ranking > 0) t += " " + std::to_string(s->ranking);
    return t;
}

std::string Resultatinmatning::resultatfalt(int bord) const {
    const auto* p = hittaBord(bord);
    if (!p) return "";
    return valfritt_ ? p->resultatstrang : resultat::text(p->resultat);
}

std::string Resultatinmatning::foradla(int bord, const std::string& text) const {
    return resultat::foradla(text, bord == frirondbord_, frirondfarg_);
}

void Resultatinmatning::gorlista(int forsta, const Sidtexter& texter) {
    std::vector<partistructd> ny;
    ny.reserve(bordlista_.size());
    for (const auto& p : bordlista_)
        if (p.bord < forsta || p.bord > forsta + kRaderPerSida - 1) ny.push_back(p);
    for (int i = 0; i < kRaderPerSida; ++i) {
        const auto* gammal = hittaBord(forsta + i);
        if (!gammal) continue;
        partistructd p = *gammal;
        if (valfritt_) {
            p.resultatstrang = texter[i];
            std::replace(p.resultatstrang.begin(), p.resultatstrang.end(), ',', '.');
        } else {
            p.resultat = resultat::kod(texter[i]);
        }
        ny.push_back(std::move(p));
    }
    bordlista_ = std::move(ny);
}

bool Resultatinmatning::komplett() const {
    double v = 0;
    double s = 0;
    for (const auto& p : bordlista_) {
        if (valfritt_ ? resultat::testavvalfrittresultat(p.resultatstrang, v, s) == 0 : p.resultat == 0)
            return false;
    }
    return true;
}

double Resultatinmatning::skalad(double poang, const spelarstructd* spelaren, int minsta) const {
    if (!spelaren || store::isBye(spelaren->namn)) return poang;
    if (spelaren->ranking < 1 || spelaren->ranking > 99) return poang;
    return poang * 40 / minsta;
}

void Resultatinmatning::sparaValfritt(int turnnr) const {
    int rond = 0;
    for (const auto& v : store::readValfri(turnnr))
        rond = std::max(rond, v.rond);
    std::vector<valfristruct> nya;
    for (const auto& p : bordlista_) {
        valfristruct v;
        v.turnnr = turnnr;
        v.vit = p.vit;
        v.svart = p.svart;
        v.bord = p.bord;
        v.rond = rond + 1;
        resultat::testavvalfrittresultat(p.resultatstrang, v.vitresultat, v.svartresultat);
        // Team matches: scores are brought to a common scale by the smaller team size on the board.
        const auto* vit = spelare(p.bord, 0);
        const auto* svart = spelare(p.bord, 1);
        int minsta = 99;
        for (const auto* s : {vit, svart})
            if (s && s->ranking > 0) minsta = std::min(minsta, s->ranking);
        v.vitresultat = skalad(v.vitresultat, vit, minsta);
        v.svartresultat = skalad(v.svartresultat, svart, minsta);
        nya.push_back(v);
    }
    store::append(store::fil::VALFRI, nya);
}

void Resultatinmatning::sparaPartier(int turnnr) const {
    const std::string fil = store::tournamentFile(turnnr, 'R');
    int rond = 0;
    for (const auto& g : store::touchAndReadAll<partistruct>(fil))
        rond = std::max(rond, g.rond);
    std::vector<partistruct> nya;
    nya.reserve(bordlista_.size());
    for (const auto& p : bordlista_)
        nya.push_back({p.vit, p.svart, p.bord, p.resultat, rond + 1});
    store::append(fil, nya);
}

bool Resultatinmatning::spara(int turnnr) {
    if (!komplett()) return false;
    if (valfritt_)
        sparaValfritt(turnnr);
    else
        sparaPartier(turnnr);
    return true;
}
