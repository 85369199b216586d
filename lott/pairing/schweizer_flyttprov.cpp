#include "lott/pairing/schweizer_flyttprov.h"

#include <algorithm>

namespace parning {

void Motesrad::fyll(int h) {
    forstaOvreVit.assign(static_cast<std::size_t>(h + 2), h + 1);
    sistaUndreVit.assign(static_cast<std::size_t>(h + 1), 0);
    for (int p = h; p >= 1; --p)
        forstaOvreVit[static_cast<std::size_t>(p)] =
            mote[static_cast<std::size_t>(p)] == Mote::OvreVit ? p : forstaOvreVit[static_cast<std::size_t>(p + 1)];
    for (int p = 1; p <= h; ++p)
        sistaUndreVit[static_cast<std::size_t>(p)] =
            mote[static_cast<std::size_t>(p)] == Mote::UndreVit ? p : sistaUndreVit[static_cast<std::size_t>(p - 1)];
}

int Motesrad::forsta(int a, int b) const {
    if (a > b) return 0;
    const int p = forstaOvreVit[static_cast<std::size_t>(a)];
    return p <= b ? p : 0;
}

int Motesrad::sista(int a, int b) const {
    if (a > b) return 0;
    const int p = sistaUndreVit[static_cast<std::size_t>(b)];
    return p >= a ? p : 0;
}

Flyttprov::Flyttprov(const Motestabell& tabell, std::size_t poolStorlek) : tabell_(tabell), plats_(poolStorlek, 0) {}

void Flyttprov::bygg(const Grupp& sparad) {
    sparad_ = &sparad;
    h_ = static_cast<int>(sparad.size() / 2);
    const auto storlek = static_cast<std::size_t>(h_ + 1);
    rak_.mote.assign(storlek, Mote::Nytt);
    nedat_.mote.assign(storlek, Mote::Nytt);
    uppat_.mote.assign(storlek, Mote::Nytt);
    for (int p = 1; p <= h_; ++p) {
        rak_.mote[static_cast<std::size_t>(p)] = mote(p, p + h_);
        if (p > 1) nedat_.mote[static_cast<std::size_t>(p)] = mote(p - 1, p + h_);
        if (p < h_) uppat_.mote[static_cast<std::size_t>(p)] = mote(p + 1, p + h_);
    }
    fyllAlla();
}

// With two players in front, position p of the larger group holds the player of p-2 and its
// upper half starts one position later: pair p is the smaller group's downward diagonal pair
// p-1, its upward diagonal pair p is the smaller group's own pair p-1.
void Flyttprov::vidga() {
    h_ = static_cast<int>(sparad_->size() / 2);
    const auto h = static_cast<std::size_t>(h_);
    std::swap(uppat_.mote, rak_.mote); // uppat_ holds the old pairs, rak_ is free
    std::swap(rak_.mote, nedat_.mote); // rak_ holds the old downward diagonal
    rak_.mote.insert(rak_.mote.begin() + 1, Mote::Nytt);
    uppat_.mote.insert(uppat_.mote.begin() + 1, Mote::Nytt);
    rak_.mote.resize(h + 1, Mote::Nytt);
    uppat_.mote.resize(h + 1, Mote::Nytt);
    for (int p = 1; p <= std::min(2, h_); ++p)
        rak_.mote[static_cast<std::size_t>(p)] = mote(p, p + h_);
    if (h_ > 1) uppat_.mote[1] = mote(2, 1 + h_);
    uppat_.mote[h] = Mote::Nytt;
    nedat_.mote.assign(h + 1, Mote::Nytt);
    for (int p = 2; p <= h_; ++p)
        nedat_.mote[static_cast<std::size_t>(p)] = mote(p - 1, p + h_);
    fyllAlla();
}

void Flyttprov::fyllAlla() {
    rak_.fyll(h_);
    nedat_.fyll(h_);
    uppat_.fyll(h_);
    for (int i = static_cast<int>(sparad_->size()); i >= 1; --i)
        plats_[static_cast<std::size_t>(spelare(i).index)] = i;
}

int Flyttprov::plats(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= plats_.size()) return 0;
    const int p = plats_[static_cast<std::size_t>(index)];
    return p >= 1 && p <= static_cast<int>(sparad_->size()) && spelare(p).index == index ? p : 0;
}

bool Flyttprov::konflikt(int p, int undre, Konflikt& konflikt) const {
    if (!p) return false;
    konflikt = Konflikt{spelare(p + h_).nr, spelare(undre).nr, p, h_, spelare(undre).index};
    return true;
}

bool Flyttprov::hittaKonflikt(Konflikt& konflikt) const {
    int p = rak_.forsta(1, h_);
    if (!p) p = rak_.sista(1, h_);
    return this->konflikt(p, p, konflikt);
}

// The conflict hittaKonflikt would report: the lowest pair where the upper player had white,
// else the highest pair where the lower player had white. The ranges are looked at in order of
// position: the saved pairs below the move, the moved ones, the saved pairs above it.
bool Flyttprov::hittaKonflikt(int fran, int till, Konflikt& konflikt) const {
    const int lag = std::min(fran, till);
    const int hog = std::max(fran, till);
    const Motesrad& flyttade = till < fran ? nedat_ : uppat_;
    // The moved range without the moved player's own position `till`.
    const int fa = till < fran ? till + 1 : fran;
    const int fb = till < fran ? fran : till - 1;
    const Mote egen = fran == till ? rak_.mote[static_cast<std::size_t>(till)] : mote(fran, till + h_);

    int p = rak_.forsta(1, lag - 1);
    if (!p && till <= fran && egen == Mote::OvreVit) p = till;
    if (!p) p = flyttade.forsta(fa, fb);
    if (!p && till > fran && egen == Mote::OvreVit) p = till;
    if (!p) p = rak_.forsta(hog + 1, h_);
    if (!p) {
        p = rak_.sista(hog + 1, h_);
        if (!p && till > fran && egen == Mote::UndreVit) p = till;
        if (!p) p = flyttade.sista(fa, fb);
        if (!p && till <= fran && egen == Mote::UndreVit) p = till;
        if (!p) p = rak_.sista(1, lag - 1);
    }
    int undre = p; // the position in the saved group of the lower player now at p
    if (p == till) undre = fran;
    else if (p >= fa && p <= fb) undre = till < fran ? p - 1 : p + 1;
    return this->konflikt(p, undre, konflikt);
}

void Omordningsprov::bygg(const Grupp& forsta) {
    const int h = static_cast<int>(forsta.size() / 2);
    bas_.mote.assign(static_cast<std::size_t>(h + 1), Mote::Nytt);
    for (int p = 1; p <= h; ++p)
        bas_.mote[static_cast<std::size_t>(p)] =
            tabell_.mote(forsta[static_cast<std::size_t>(p - 1)].index, forsta[static_cast<std::size_t>(p + h - 1)].index);
    bas_.fyll(h);
}

// mjustera(m) moves the last player to position s-m+1 and the players after it one further: the
// pairs from s-m+1-h on change, the pairs below keep the first reordering's classification.
bool Omordningsprov::hittaKonflikt(const Grupp& grupp, int m, Konflikt& konflikt) const {
    const int s = static_cast<int>(grupp.size());
    const int h = s / 2;
    const int andrade = m >= 2 && m < s ? std::max(1, s - m + 1 - h) : h + 1;
    const auto par = [&](int j) {
        return tabell_.mote(grupp[static_cast<std::size_t>(j - 1)].index, grupp[static_cast<std::size_t>(j + h - 1)].index);
    };
    int p = bas_.forsta(1, andrade - 1);
    int undreVit = 0;
    for (int j = andrade; j <= h && !p; ++j) {
        const Mote mt = par(j);
        if (mt == Mote::OvreVit) p = j;
        else if (mt == Mote::UndreVit) undreVit = j;
    }
    if (!p) p = undreVit ? undreVit : bas_.sista(1, andrade - 1);
    if (!p) return false;
    const Gruppspelare& undre = grupp[static_cast<std::size_t>(p - 1)];
    konflikt = Konflikt{grupp[static_cast<std::size_t>(p + h - 1)].nr, undre.nr, p, h, undre.index};
    return true;
}

} // namespace parning
