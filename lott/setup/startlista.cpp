#include "lott/setup/startlista.h"

#include <algorithm>

#include "store/tournament.h"

Startlista::Startlista(std::vector<spelarstructtva> spelare) : spelare_(std::move(spelare)) {
    for (std::size_t i = 0; i < spelare_.size(); ++i)
        spelare_[i].nr = static_cast<std::int32_t>(i + 1);
}

int Startlista::visadIndex(int nr) const {
    for (std::size_t i = 0; i < spelare_.size(); ++i)
        if (spelare_[i].nr == nr && static_cast<int>(i) != hallen_) return static_cast<int>(i);
    return -1;
}

std::string Startlista::radText(int nr) const {
    const int i = visadIndex(nr);
    return i < 0 ? std::string() : std::to_string(nr) + ". " + spelare_[i].namn;
}

Startlista::Klick Startlista::klick(int nr) const {
    const bool tom = visadIndex(nr) < 0;
    if (!tom && !haller()) return Klick::KlippUt;
    if (tom && haller()) return Klick::KlistraIn;
    return Klick::Inget;
}

void Startlista::klippUt(int nr) {
    if (klick(nr) == Klick::KlippUt) hallen_ = visadIndex(nr);
}

void Startlista::klistraIn(int nr) {
    if (klick(nr) != Klick::KlistraIn) return;
    spelare_[hallen_].nr = nr;
    hallen_ = -1;
}

bool Startlista::harLuckor() const {
    for (int nr = 1; nr <= antal(); ++nr)
        if (visadIndex(nr) < 0) return true;
    return false;
}

std::vector<spelarstructtva> Startlista::nyStartlista() const {
    std::vector<spelarstructtva> lista = spelare_;
    std::stable_sort(lista.begin(), lista.end(),
                     [](const spelarstructtva& a, const spelarstructtva& b) { return a.nr < b.nr; });
    for (auto& s : lista) {
        s.elo = 0;
        s.egenkategori = 0;
    }
    return flyttaFrirondSist(std::move(lista));
}

std::vector<spelarstructtva> flyttaFrirondSist(std::vector<spelarstructtva> lista) {
    const auto bye = std::find_if(lista.begin(), lista.end(),
                                  [](const spelarstructtva& s) { return store::isBye(s.namn); });
    const int m = static_cast<int>(lista.size());
    if (bye == lista.end() || bye->nr == m) return lista;

    const int b = bye->nr;
    const int motstandare = b % 2 == 1 ? b + 1 : b - 1;
    for (auto& s : lista) {
        if (s.nr == b)
            s.nr = m;
        else if (s.nr == motstandare)
            s.nr = m - 1;
        else if (s.nr > b)
            s.nr -= 2;
    }
    std::stable_sort(lista.begin(), lista.end(),
                     [](const spelarstructtva& a, const spelarstructtva& b) { return a.nr < b.nr; });
    return lista;
}
