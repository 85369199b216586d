#include "lott/pairing/schweizer_flyttprov.h"

#include <algorithm>

namespace parning {

void Flyttprov::Rad::fyll(int h) {
    forstaOvreVit.assign(static_cast<std::size_t>(h + 2), h + 1);
    sistaUndreVit.assign(static_cast<std::size_t>(h + 1), 0);
    for (int p = h; p >= 1; --p)
        forstaOvreVit[static_cast<std::size_t>(p)] =
            mote[static_cast<std::size_t>(p)] == Mote::OvreVit ? p : forstaOvreVit[static_cast<std::size_t>(p + 1)];
    for (int p = 1; p <= h; ++p)
        sistaUndreVit[static_cast<std::size_t>(p)] =
            mote[static_cast<std::size_t>(p)] == Mote::UndreVit ? p : sistaUndreVit[static_cast<std::size_t>(p - 1)];
}

int Flyttprov::Rad::forsta(int a, int b) const {
    if (a > b) return 0;
    const int p = forstaOvreVit[static_cast<std::size_t>(a)];
    return p <= b ? p : 0;
}

int Flyttprov::Rad::sista(int a, int b) const {
    if (a > b) return 0;
    const int p = sistaUndreVit[static_cast<std::size_t>(b)];
    return p >= a ? p : 0;
}

Flyttprov::Flyttprov(const MoteAv& mote, std::size_t poolStorlek) : mote_(mote), plats_(poolStorlek, 0) {}

void Flyttprov::bygg(const Grupp& sparad) {
    sparad_ = &sparad;
    h_ = static_cast<int>(sparad.size() / 2);
    const auto storlek = static_cast<std::size_t>(h_ + 1);
    rak_.mote.assign(storlek, Mote::Nytt);
    nedat_.mote.assign(storlek, Mote::Nytt);
    uppat_.mote.assign(storlek, Mote::Nytt);
    for (int p = 1; p <= h_; ++p) {
        const Gruppspelare& ovre = spelare(p + h_);
        rak_.mote[static_cast<std::size_t>(p)] = mote_(spelare(p), ovre);
        if (p > 1) nedat_.mote[static_cast<std::size_t>(p)] = mote_(spelare(p - 1), ovre);
        if (p < h_) uppat_.mote[static_cast<std::size_t>(p)] = mote_(spelare(p + 1), ovre);
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
        rak_.mote[static_cast<std::size_t>(p)] = mote_(spelare(p), spelare(p + h_));
    if (h_ > 1) uppat_.mote[1] = mote_(spelare(2), spelare(1 + h_));
    uppat_.mote[h] = Mote::Nytt;
    nedat_.mote.assign(h + 1, Mote::Nytt);
    for (int p = 2; p <= h_; ++p)
        nedat_.mote[static_cast<std::size_t>(p)] = mote_(spelare(p - 1), spelare(p + h_));
    fyllAlla();
}

void Flyttprov::fyllAlla() {
    rak_.fyll(h_);
    nedat_.fyll(h_);
    uppat_.fyll(h_);
    for (int i = static_cast<int>(sparad_->size()); i >= 1; --i)
        plats_[static_cast<std::size_t>(spelare(i).index)] = i;
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

int Flyttprov::plats(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= plats_.size()) return 0;
    const int p = plats_[static_cast<std::size_t>(index)];
    return p >= 1 && p <= static_cast<int>(sparad_->size()) && spelare(p).index == index ? p : 0;
}

// The conflict hittaKonflikt would report: the lowest pair where the upper player had white,
// else the highest pair where the lower player had white. The ranges are looked at in order of
// position: the saved pairs below the move, the moved ones, the saved pairs above it.
bool Flyttprov::hittaKonflikt(int fran, int till, Konflikt& konflikt) const {
    const int lag = std::min(fran, till);
    const int hog = std::max(fran, till);
    const Rad& flyttade = till < fran ? nedat_ : uppat_;
    // The moved range without the moved player's own position `till`.
    const int fa = till < fran ? till + 1 : fran;
    const int fb = till < fran ? fran : till - 1;
    const Mote egen = fran == till ? rak_.mote[static_cast<std::size_t>(till)]
                                   : mote_(spelare(fran), spelare(till + h_));

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

} // namespace parning
