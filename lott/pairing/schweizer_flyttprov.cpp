#include "lott/pairing/schweizer_flyttprov.h"

#include <algorithm>

namespace parning {

Flyttprov::Flyttprov(const Motestabell& tabell, std::size_t poolStorlek) : tabell_(tabell), plats_(poolStorlek, 0) {
    rak_.diagonal = Diagonal::Rak;
    nedat_.diagonal = Diagonal::Nedat;
    uppat_.diagonal = Diagonal::Uppat;
}

Mote Flyttprov::klassa(Diagonal d, int p) const {
    switch (d) {
    case Diagonal::Rak: return mote(p, p + h_);
    case Diagonal::Nedat: return p > 1 ? mote(p - 1, p + h_) : Mote::Nytt;
    case Diagonal::Uppat: return p < h_ ? mote(p + 1, p + h_) : Mote::Nytt;
    }
    return Mote::Nytt;
}

void Flyttprov::klassaTill(Rad& rad, int grans) {
    grans = std::min(grans, h_);
    while (rad.klassad < grans) {
        ++rad.klassad;
        rad.lagg(rad.klassad, klassa(rad.diagonal, rad.klassad));
    }
}

// The first upper-white position in [a, b], 0 when none: classified up to it, or up to b.
int Flyttprov::forsta(Rad& rad, int a, int b) {
    b = std::min(b, h_);
    if (a > b) return 0;
    if (const int p = rad.kandForsta(a, b)) return p;
    while (rad.klassad < b) {
        ++rad.klassad;
        const Mote m = klassa(rad.diagonal, rad.klassad);
        rad.lagg(rad.klassad, m);
        if (m == Mote::OvreVit && rad.klassad >= a) return rad.klassad;
    }
    return 0;
}

int Flyttprov::sista(Rad& rad, int a, int b) {
    b = std::min(b, h_);
    if (a > b) return 0;
    klassaTill(rad, b);
    return rad.kandSista(a, b);
}

Mote Flyttprov::vid(Rad& rad, int p) {
    klassaTill(rad, p);
    if (std::find(rad.ovreVit.begin(), rad.ovreVit.end(), p) != rad.ovreVit.end()) return Mote::OvreVit;
    return std::find(rad.undreVit.begin(), rad.undreVit.end(), p) != rad.undreVit.end() ? Mote::UndreVit : Mote::Nytt;
}

void Flyttprov::bygg(const Grupp& sparad) {
    sparad_ = &sparad;
    h_ = static_cast<int>(sparad.size() / 2);
    rak_.rensa();
    nedat_.rensa();
    uppat_.rensa();
    forskjutning_ = 0;
    for (int i = 1; i <= static_cast<int>(sparad.size()); ++i)
        plats_[static_cast<std::size_t>(spelare(i).index)] = i;
}

void Flyttprov::skjut(Rad& till, const Rad& fran, int fria, int grans) {
    till.rensa();
    if (fran.klassad == 0) return; // nothing known to carry over
    const int klassad = std::min(fran.klassad + 1, grans);
    for (int p = 1; p <= std::min(fria, klassad); ++p)
        till.lagg(p, klassa(till.diagonal, p));
    for (int p : fran.ovreVit)
        if (p + 1 > fria && p + 1 <= klassad) till.ovreVit.push_back(p + 1);
    for (int p : fran.undreVit)
        if (p + 1 > fria && p + 1 <= klassad) till.undreVit.push_back(p + 1);
    till.klassad = std::max(klassad, std::min(fria, grans));
}

// With two players in front, position p of the larger group holds the player of p-2 and its
// upper half starts one position later: pair p is the smaller group's downward diagonal pair
// p-1, its upward diagonal pair p is the smaller group's own pair p-1. The new downward diagonal
// is unknown.
void Flyttprov::vidga() {
    h_ = static_cast<int>(sparad_->size() / 2);
    ledig_.diagonal = Diagonal::Rak;
    skjut(ledig_, nedat_, 2, h_);
    nedat_.diagonal = Diagonal::Uppat;
    skjut(nedat_, rak_, 1, h_);
    // Position h of the upward diagonal has no pair below it.
    std::erase(nedat_.ovreVit, h_);
    std::erase(nedat_.undreVit, h_);
    std::swap(rak_, ledig_);   // rak_: the new pairs
    std::swap(uppat_, nedat_); // uppat_: the new upward diagonal
    nedat_.diagonal = Diagonal::Nedat;
    nedat_.rensa();
    forskjutning_ += 2;
    for (int i = 1; i <= std::min(2, static_cast<int>(sparad_->size())); ++i)
        plats_[static_cast<std::size_t>(spelare(i).index)] = i - forskjutning_;
}

int Flyttprov::plats(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= plats_.size()) return 0;
    const int p = plats_[static_cast<std::size_t>(index)] + forskjutning_;
    return p >= 1 && p <= static_cast<int>(sparad_->size()) && spelare(p).index == index ? p : 0;
}

bool Flyttprov::konflikt(int p, int undre, Konflikt& konflikt) {
    if (!p) return false;
    undre_ = undre;
    konflikt = Konflikt{spelare(p + h_).nr, spelare(undre).nr, p, h_, spelare(undre).index};
    return true;
}

bool Flyttprov::hittaKonflikt(Konflikt& konflikt) {
    int p = forsta(rak_, 1, h_);
    if (!p) p = sista(rak_, 1, h_);
    return this->konflikt(p, p, konflikt);
}

// The conflict hittaKonflikt would report: the lowest pair where the upper player had white,
// else the highest pair where the lower player had white. The ranges are looked at in order of
// position: the saved pairs below the move, the moved ones, the saved pairs above it.
bool Flyttprov::hittaKonflikt(int fran, int till, Konflikt& konflikt) {
    const int lag = std::min(fran, till);
    const int hog = std::max(fran, till);
    Rad& flyttade = till < fran ? nedat_ : uppat_;
    // The moved range without the moved player's own position `till`.
    const int fa = till < fran ? till + 1 : fran;
    const int fb = till < fran ? fran : till - 1;
    // The moved player's own pair is classified only when no conflict below it settles the try.
    Mote egen = Mote::Nytt;
    bool egenKand = false;
    const auto egenAr = [&](Mote m) {
        if (!egenKand) {
            egen = fran == till ? vid(rak_, till) : mote(fran, till + h_);
            egenKand = true;
        }
        return egen == m;
    };

    int p = forsta(rak_, 1, lag - 1);
    if (!p && till <= fran && egenAr(Mote::OvreVit)) p = till;
    if (!p) p = forsta(flyttade, fa, fb);
    if (!p && till > fran && egenAr(Mote::OvreVit)) p = till;
    if (!p) p = forsta(rak_, hog + 1, h_);
    if (!p) {
        p = sista(rak_, hog + 1, h_);
        if (!p && till > fran && egenAr(Mote::UndreVit)) p = till;
        if (!p) p = sista(flyttade, fa, fb);
        if (!p && till <= fran && egenAr(Mote::UndreVit)) p = till;
        if (!p) p = sista(rak_, 1, lag - 1);
    }
    int undre = p; // the position in the saved group of the lower player now at p
    if (p == till) undre = fran;
    else if (p >= fa && p <= fb) undre = till < fran ? p - 1 : p + 1;
    return this->konflikt(p, undre, konflikt);
}

void Omordningsprov::bygg(const Grupp& sparad) {
    sparad_ = &sparad;
    s_ = static_cast<int>(sparad.size());
    h_ = s_ / 2;
    bas_.rensa();
}

// uddaJamna puts positions 1, 3, 5, ... first; mjustera(m) then takes the last player out and puts
// him back at position s-m+1.
const Gruppspelare& Omordningsprov::vid(int m, int position) const {
    int i = position - 1; // 0-based in the first reordering
    if (m >= 2 && m < s_) {
        if (i == s_ - m) i = s_ - 1;
        else if (i > s_ - m) i -= 1;
    }
    const int udda = (s_ + 1) / 2;
    const int k = i < udda ? 2 * i : 2 * (i - udda) + 1;
    return (*sparad_)[static_cast<std::size_t>(k)];
}

// Up to position `grans`, or to the first upper-white meeting when that comes sooner: below it
// nothing else is ever asked.
void Omordningsprov::klassaTill(int grans) {
    while (bas_.klassad < grans && bas_.ovreVit.empty()) {
        ++bas_.klassad;
        bas_.lagg(bas_.klassad, par(0, bas_.klassad));
    }
}

// mjustera(m) changes the pairs from s-m+1-h on; the pairs below keep the first reordering's
// classification.
bool Omordningsprov::hittaKonflikt(int m, Konflikt& konflikt) {
    const int andrade = m >= 2 && m < s_ ? std::max(1, s_ - m + 1 - h_) : h_ + 1;
    klassaTill(andrade - 1);
    int p = bas_.kandForsta(1, andrade - 1);
    int undreVit = 0;
    for (int j = andrade; j <= h_ && !p; ++j) {
        const Mote mt = par(m, j);
        if (mt == Mote::OvreVit) p = j;
        else if (mt == Mote::UndreVit) undreVit = j;
    }
    // Without an upper-white meeting below `andrade` the classification reaches it whole.
    if (!p) p = undreVit ? undreVit : bas_.kandSista(1, andrade - 1);
    if (!p) return false;
    const Gruppspelare& undre = vid(m, p);
    konflikt = Konflikt{vid(m, p + h_).nr, undre.nr, p, h_, undre.index};
    return true;
}

void Omordningsprov::bilda(int m, Grupp& grupp) const {
    grupp = *sparad_;
    uddaJamna(grupp);
    if (m > 1) mjustera(grupp, m);
}

} // namespace parning
