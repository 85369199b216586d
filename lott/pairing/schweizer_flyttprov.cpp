#include "lott/pairing/schweizer_flyttprov.h"

#include <algorithm>

namespace parning {

Mote Motesrad::vid(int p) const {
    if (std::binary_search(ovreVit.begin(), ovreVit.end(), p)) return Mote::OvreVit;
    return std::binary_search(undreVit.begin(), undreVit.end(), p) ? Mote::UndreVit : Mote::Nytt;
}

int Motesrad::forsta(int a, int b) const {
    const auto it = std::lower_bound(ovreVit.begin(), ovreVit.end(), a);
    return it != ovreVit.end() && *it <= b ? *it : 0;
}

int Motesrad::sista(int a, int b) const {
    auto it = std::upper_bound(undreVit.begin(), undreVit.end(), b);
    if (it == undreVit.begin()) return 0;
    --it;
    return *it >= a ? *it : 0;
}

Flyttprov::Flyttprov(const Motestabell& tabell, std::size_t poolStorlek) : tabell_(tabell), plats_(poolStorlek, 0) {}

void Flyttprov::bygg(const Grupp& sparad) {
    sparad_ = &sparad;
    h_ = static_cast<int>(sparad.size() / 2);
    rak_.rensa();
    nedat_.rensa();
    uppat_.rensa();
    for (int p = 1; p <= h_; ++p) {
        rak_.lagg(p, mote(p, p + h_));
        if (p > 1) nedat_.lagg(p, mote(p - 1, p + h_));
        if (p < h_) uppat_.lagg(p, mote(p + 1, p + h_));
    }
    forskjutning_ = 0;
    for (int i = 1; i <= static_cast<int>(sparad.size()); ++i)
        plats_[static_cast<std::size_t>(spelare(i).index)] = i;
}

namespace {

// `till` gets the fresh positions already in it, then `fran`'s positions one further along,
// up to `grans`.
void skjut(std::vector<int>& till, const std::vector<int>& fran, int grans) {
    for (int p : fran)
        if (p + 1 <= grans) till.push_back(p + 1);
}

} // namespace

// With two players in front, position p of the larger group holds the player of p-2 and its
// upper half starts one position later: pair p is the smaller group's downward diagonal pair
// p-1, its upward diagonal pair p is the smaller group's own pair p-1. Only the new downward
// diagonal and the pairs at the front are classified.
void Flyttprov::vidga() {
    h_ = static_cast<int>(sparad_->size() / 2);
    // New pairs: 1 and 2 fresh, then the old downward diagonal.
    ledig_.rensa();
    for (int p = 1; p <= std::min(2, h_); ++p)
        ledig_.lagg(p, mote(p, p + h_));
    skjut(ledig_.ovreVit, nedat_.ovreVit, h_);
    skjut(ledig_.undreVit, nedat_.undreVit, h_);
    // New upward diagonal: 1 fresh, then the old pairs, up to h - 1.
    nedat_.rensa();
    if (h_ > 1) nedat_.lagg(1, mote(2, 1 + h_));
    skjut(nedat_.ovreVit, rak_.ovreVit, h_ - 1);
    skjut(nedat_.undreVit, rak_.undreVit, h_ - 1);
    std::swap(rak_, ledig_);   // rak_: the new pairs
    std::swap(uppat_, nedat_); // uppat_: the new upward diagonal
    nedat_.rensa();
    for (int p = 2; p <= h_; ++p)
        nedat_.lagg(p, mote(p - 1, p + h_));
    forskjutning_ += 2;
    for (int i = 1; i <= std::min(2, static_cast<int>(sparad_->size())); ++i)
        plats_[static_cast<std::size_t>(spelare(i).index)] = i - forskjutning_;
}

int Flyttprov::plats(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= plats_.size()) return 0;
    const int p = plats_[static_cast<std::size_t>(index)] + forskjutning_;
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
    // The moved player's own pair is classified only when no conflict below it settles the try.
    Mote egen = Mote::Nytt;
    bool egenKand = false;
    const auto egenAr = [&](Mote m) {
        if (!egenKand) {
            egen = fran == till ? rak_.vid(till) : mote(fran, till + h_);
            egenKand = true;
        }
        return egen == m;
    };

    int p = rak_.forsta(1, lag - 1);
    if (!p && till <= fran && egenAr(Mote::OvreVit)) p = till;
    if (!p) p = flyttade.forsta(fa, fb);
    if (!p && till > fran && egenAr(Mote::OvreVit)) p = till;
    if (!p) p = rak_.forsta(hog + 1, h_);
    if (!p) {
        p = rak_.sista(hog + 1, h_);
        if (!p && till > fran && egenAr(Mote::UndreVit)) p = till;
        if (!p) p = flyttade.sista(fa, fb);
        if (!p && till <= fran && egenAr(Mote::UndreVit)) p = till;
        if (!p) p = rak_.sista(1, lag - 1);
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
    klassad_ = 0;
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
    while (klassad_ < grans && bas_.ovreVit.empty()) {
        ++klassad_;
        bas_.lagg(klassad_, par(0, klassad_));
    }
}

// mjustera(m) changes the pairs from s-m+1-h on; the pairs below keep the first reordering's
// classification.
bool Omordningsprov::hittaKonflikt(int m, Konflikt& konflikt) {
    const int andrade = m >= 2 && m < s_ ? std::max(1, s_ - m + 1 - h_) : h_ + 1;
    klassaTill(andrade - 1);
    int p = bas_.forsta(1, andrade - 1);
    int undreVit = 0;
    for (int j = andrade; j <= h_ && !p; ++j) {
        const Mote mt = par(m, j);
        if (mt == Mote::OvreVit) p = j;
        else if (mt == Mote::UndreVit) undreVit = j;
    }
    // Without an upper-white meeting below `andrade` the classification reaches it whole.
    if (!p) p = undreVit ? undreVit : bas_.sista(1, andrade - 1);
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
