#include "lott/pairing/schweizer_senare.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <iterator>
#include <cmath>
#include <limits>
#include <utility>

#include "lott/pairing/motestabell.h"
#include "lott/pairing/reservparning.h"
#include "lott/pairing/schweizer_flyttprov.h"
#include "lott/pairing/schweizer_grupp.h"
#include "store/tournament.h"

namespace parning {

namespace {

constexpr double kOandligt = std::numeric_limits<double>::infinity();

enum class Gruppslut { Parad, SistaUtvag, Gransen };

// The driver's "LSKICKA" (last place first) read from first place down, without a copy.
class Omvand {
  public:
    explicit Omvand(const std::vector<spelarstructtvac>& lskicka) : lskicka_(lskicka) {}
    std::size_t size() const { return lskicka_.size(); }
    const spelarstructtvac& operator[](std::size_t i) const { return lskicka_[lskicka_.size() - 1 - i]; }

  private:
    const std::vector<spelarstructtvac>& lskicka_;
};

std::vector<std::int32_t> nummer(const Omvand& pool) {
    std::vector<std::int32_t> ut;
    ut.reserve(pool.size());
    for (std::size_t i = 0; i < pool.size(); ++i)
        ut.push_back(pool[i].nr);
    return ut;
}

// A player of the pool in points order: by most points, then lowest start number, then pool
// index, the order in which score groups are formed and players moved up.
struct Plats {
    double poang;
    std::int32_t nr;
    int index;
};

// The pool in points order; empty when some score is not a number and cannot be ordered. Start
// numbers lie close together and the scores are few, so the order is made by two stable counting
// passes (by start number, then by score) instead of a comparison sort.
std::vector<Plats> poangordning(const Omvand& pool) {
    std::vector<Plats> platser;
    platser.reserve(pool.size());
    for (std::size_t i = 0; i < pool.size(); ++i) {
        if (std::isnan(pool[i].poang)) return {};
        platser.push_back(Plats{pool[i].poang, pool[i].nr, static_cast<int>(i)});
    }
    const auto jamfor = [](const Plats& a, const Plats& b) {
        if (a.poang != b.poang) return a.poang > b.poang;
        if (a.nr != b.nr) return a.nr < b.nr;
        return a.index < b.index;
    };
    if (platser.empty()) return platser;
    // The scores numbered as they come: the pool runs from first place down, so a score mostly
    // repeats the one before. More than a few hundred scores: an ordinary sort.
    constexpr std::size_t kFlestPoang = 256;
    std::vector<double> poang;
    std::vector<std::uint32_t> nummerAv(platser.size());
    for (std::size_t i = 0; i < platser.size(); ++i) {
        const double v = platser[i].poang;
        if (i > 0 && platser[i - 1].poang == v) {
            nummerAv[i] = nummerAv[i - 1];
            continue;
        }
        auto k = static_cast<std::size_t>(std::find(poang.begin(), poang.end(), v) - poang.begin());
        if (k == poang.size()) poang.push_back(v);
        if (poang.size() > kFlestPoang) {
            std::sort(platser.begin(), platser.end(), jamfor);
            return platser;
        }
        nummerAv[i] = static_cast<std::uint32_t>(k);
    }
    const auto [lag, hog] = std::minmax_element(platser.begin(), platser.end(),
                                                [](const Plats& a, const Plats& b) { return a.nr < b.nr; });
    const std::int64_t bas = lag->nr;
    const std::int64_t spann = static_cast<std::int64_t>(hog->nr) - bas + 1;
    if (spann > 4 * static_cast<std::int64_t>(platser.size()) + 64) {
        std::sort(platser.begin(), platser.end(), jamfor);
        return platser;
    }
    // By start number, equal numbers in pool order.
    std::vector<std::size_t> fack(static_cast<std::size_t>(spann) + 1, 0);
    for (const Plats& p : platser)
        ++fack[static_cast<std::size_t>(p.nr - bas) + 1];
    for (std::size_t i = 1; i < fack.size(); ++i)
        fack[i] += fack[i - 1];
    std::vector<Plats> efterNr(platser.size());
    for (const Plats& p : platser)
        efterNr[fack[static_cast<std::size_t>(p.nr - bas)]++] = p;
    // Then by score, most first, keeping the start-number order within a score.
    std::vector<std::uint32_t> ordning(poang.size());
    for (std::size_t k = 0; k < ordning.size(); ++k)
        ordning[k] = static_cast<std::uint32_t>(k);
    std::sort(ordning.begin(), ordning.end(), [&](std::uint32_t a, std::uint32_t b) { return poang[a] > poang[b]; });
    std::vector<std::uint32_t> rang(poang.size());
    for (std::size_t r = 0; r < ordning.size(); ++r)
        rang[ordning[r]] = static_cast<std::uint32_t>(r);
    std::vector<std::size_t> nivaer(poang.size() + 1, 0);
    for (std::uint32_t k : nummerAv)
        ++nivaer[rang[k] + 1];
    for (std::size_t i = 1; i < nivaer.size(); ++i)
        nivaer[i] += nivaer[i - 1];
    for (const Plats& p : efterNr)
        platser[nivaer[rang[nummerAv[static_cast<std::size_t>(p.index)]]]++] = p;
    return platser;
}

// One pairing of a later round. The pool is never shrunk: a player leaves the search by being
// marked paired, and the last resort unmarks the players of the pairs it dissolves.
class Senarerond {
  public:
    Senarerond(const std::vector<spelarstructtvac>& lskicka, const std::vector<partistruct>& partier,
               int valdrond, long long arbetsgrans)
        : pool_(lskicka), motestabell_(nummer(pool_), partier),
          valdrond_(valdrond), parad_(pool_.size(), 0), iGruppen_(pool_.size(), 0),
          ordning_(poangordning(pool_)), prov_(motestabell_, pool_.size()), omordning_(motestabell_), arbetsgrans_(arbetsgrans) {}
    Senarerond(const Senarerond&) = delete; // prov_ and omordning_ refer to this round's table
    Senarerond& operator=(const Senarerond&) = delete;

    std::optional<std::vector<spelarstructtva>> lotta();
    // After lotta() gave up: any pairing of the pool without a rematch (reservparning.h), each
    // pair coloured as the groups colour theirs, the better-placed player as A.
    std::optional<std::vector<spelarstructtva>> reserv();
    bool godtagbarPool() const;

  private:
    void reserveraFrirond();
    bool reserverad(int i) const { return farfri_ >= 0 && (i == farfri_ || i == frirond_); }
    bool tillganglig(int i) const { return !parad_[static_cast<std::size_t>(i)] && !reserverad(i); }
    int antalOparade() const;
    Gruppspelare spelare(int i) const;

    Grupp byggGrupp(double& niva) const;
    int flyttaUpp(const Grupp& grupp, double niva) const;
    int flyttaUppTill(double golv, int utom, std::size_t& markor) const;
    Gruppslut paraGrupp(Grupp grupp);
    void laggTillPar(const Grupp& grupp);
    bool sistaUtvag();
    std::vector<spelarstructtva> lottningslista() const;

    Omvand pool_; // first place down
    Motestabell motestabell_;
    int valdrond_;
    std::vector<char> parad_;   // by pool index
    std::vector<char> iGruppen_; // by pool index; the saved group while paraGrupp runs
    std::vector<Plats> ordning_; // the pool in points order; empty if it cannot be ordered
    Flyttprov prov_;            // the tries on the saved group of the group being paired
    Omordningsprov omordning_;  // the tries on its reorderings
    std::vector<int> par_;      // pool indices, two per pair, white first, in the order made
    int frirond_ = -1;          // pool index of "Frirond"
    int farfri_ = -1;           // pool index of the player reserved for the bye; -1 none
    double ovre_ = kOandligt;   // the next group is the highest score strictly below this
    bool taresten_ = false;     // the remaining players are paired as one group
    int svkanta_ = 1;           // number of the current last resort
    int parVidSistaUtvag_ = -1; // pairs made when the first last resort was taken
    bool alltUpplost_ = false;  // a last resort has already dissolved every pair
    long long arbete_ = 0;
    long long arbetsgrans_;
};

bool Senarerond::godtagbarPool() const {
    return pool_.size() % 2 == 0 && !motestabell_.dubbletter();
}

// The 0-point player with the highest start number gets the bye and stays out of the groups, but
// only when there is a "Frirond" to meet.
void Senarerond::reserveraFrirond() {
    for (std::size_t i = 0; i < pool_.size() && frirond_ < 0; ++i)
        if (store::isBye(pool_[i].namn)) frirond_ = static_cast<int>(i);
    if (frirond_ < 0) return;
    for (std::size_t i = 0; i < pool_.size(); ++i) {
        if (static_cast<int>(i) == frirond_ || pool_[i].poang != 0.0) continue;
        if (farfri_ < 0 || pool_[i].nr > pool_[static_cast<std::size_t>(farfri_)].nr)
            farfri_ = static_cast<int>(i);
    }
}

int Senarerond::antalOparade() const {
    return static_cast<int>(std::count(parad_.begin(), parad_.end(), 0));
}

Gruppspelare Senarerond::spelare(int i) const {
    const spelarstructtvac& s = pool_[static_cast<std::size_t>(i)];
    return Gruppspelare{s.nr, s.poang, s.antalvita, i};
}

// The next score group: every available player on the highest score below the group paired last,
// in descending start-number order. Once the last resort has been taken, every player not yet
// paired, whatever his score, the reserved bye pair included.
Grupp Senarerond::byggGrupp(double& niva) const {
    Grupp grupp;
    const int n = static_cast<int>(pool_.size());
    if (taresten_) {
        niva = -kOandligt;
        if (ovre_ == -kOandligt) return grupp;
        for (int i = 0; i < n; ++i)
            if (!parad_[static_cast<std::size_t>(i)]) grupp.push_back(spelare(i));
        rankingsorteraAlla(grupp);
        return grupp;
    }
    if (!ordning_.empty()) {
        // In points order the group is the run of available players on the first score below the
        // group paired last, by ascending start number.
        auto it = std::partition_point(ordning_.begin(), ordning_.end(), [&](const Plats& p) { return p.poang >= ovre_; });
        while (it != ordning_.end() && !tillganglig(it->index))
            ++it;
        if (it == ordning_.end()) return grupp;
        niva = it->poang;
        for (; it != ordning_.end() && it->poang == niva; ++it)
            if (tillganglig(it->index)) grupp.push_back(spelare(it->index));
        std::reverse(grupp.begin(), grupp.end());
        return grupp;
    }
    bool funnen = false;
    for (int i = 0; i < n; ++i) {
        const double p = pool_[static_cast<std::size_t>(i)].poang;
        if (tillganglig(i) && p < ovre_ && (!funnen || p > niva)) {
            niva = p;
            funnen = true;
        }
    }
    if (!funnen) return grupp;
    for (int i = 0; i < n; ++i)
        if (tillganglig(i) && pool_[static_cast<std::size_t>(i)].poang == niva) grupp.push_back(spelare(i));
    rankingsorteraAlla(grupp);
    return grupp;
}

// The player moved up into an odd group: from the highest lower score that has one, the lowest
// start number; a lone player's partner must also be new to him. -1 when there is none.
int Senarerond::flyttaUpp(const Grupp& grupp, double niva) const {
    int bast = -1;
    for (int i = 0; i < static_cast<int>(pool_.size()); ++i) {
        const spelarstructtvac& s = pool_[static_cast<std::size_t>(i)];
        if (!tillganglig(i) || s.poang >= niva) continue;
        if (grupp.size() == 1 && motestabell_.harMotts(grupp[0].index, i)) continue;
        const spelarstructtvac* b = bast < 0 ? nullptr : &pool_[static_cast<std::size_t>(bast)];
        if (!b || s.poang > b->poang || (s.poang == b->poang && s.nr < b->nr)) bast = i;
    }
    return bast;
}

// One of the two further players moved up into a group that cannot be paired: the most points
// (lower start number on equal points) among the players not yet paired and outside the group
// who have no more points than any member. -1 when there is none.
int Senarerond::flyttaUppTill(double golv, int utom, std::size_t& markor) const {
    const auto valbar = [&](int i) {
        return i != utom && !parad_[static_cast<std::size_t>(i)] && !iGruppen_[static_cast<std::size_t>(i)];
    };
    if (!ordning_.empty()) {
        // The first player in points order at or below the floor who may be moved up. The floor
        // only sinks and nobody leaves the group or the pairs while it is paired, so the players
        // passed over once never qualify again.
        const auto start = std::partition_point(ordning_.begin(), ordning_.end(), [&](const Plats& p) { return p.poang > golv; });
        markor = std::max(markor, static_cast<std::size_t>(start - ordning_.begin()));
        while (markor < ordning_.size() && !valbar(ordning_[markor].index) && ordning_[markor].index != utom)
            ++markor;
        for (std::size_t i = markor; i < ordning_.size(); ++i)
            if (valbar(ordning_[i].index)) return ordning_[i].index;
        return -1;
    }
    int bast = -1;
    for (int i = 0; i < static_cast<int>(pool_.size()); ++i) {
        const spelarstructtvac& s = pool_[static_cast<std::size_t>(i)];
        if (!valbar(i) || s.poang > golv) continue;
        const spelarstructtvac* b = bast < 0 ? nullptr : &pool_[static_cast<std::size_t>(bast)];
        if (!b || s.poang > b->poang || (s.poang == b->poang && s.nr < b->nr)) bast = i;
    }
    return bast;
}

// Tries the group as it stands, and after each conflict changes the saved group by the first
// remedy that still applies: a shift of the lower player towards position 1, a shift towards the
// middle, a reordering, two more players from below. When none is left the last resort follows.
Gruppslut Senarerond::paraGrupp(Grupp grupp) {
    // Which group a try checks: the saved group itself or with one player moved within its lower
    // half (both checked by prov_ without being built), a group built in `grupp` (any other
    // move), or a reordering (checked by omordning_ without being built).
    enum class Prov { Sparad, Flytt, Byggd, Udda };
    Grupp sparad = grupp;
    prov_.bygg(sparad);
    // The group's members and lowest score, for the players moved up.
    double golv = kOandligt;
    for (const Gruppspelare& g : sparad) {
        golv = std::min(golv, g.poang);
        iGruppen_[static_cast<std::size_t>(g.index)] = 1;
    }
    struct Avmarkera {
        std::vector<char>& iGruppen;
        const Grupp& grupp;
        ~Avmarkera() {
            for (const Gruppspelare& g : grupp)
                iGruppen[static_cast<std::size_t>(g.index)] = 0;
        }
    } avmarkera{iGruppen_, sparad};
    std::size_t markor = 0;
    Prov prov = Prov::Sparad;
    int fran = 0, till = 0;
    const auto flytta = [&](const Konflikt& k, int position) {
        // After a try prov_ checked, it knows where the lower player stands in the saved group.
        fran = prov == Prov::Sparad || prov == Prov::Flytt ? prov_.undreIsparad() : prov_.plats(k.ejbIndex);
        till = std::clamp(position, 1, static_cast<int>(sparad.size()));
        if (fran > 0 && sparad[static_cast<std::size_t>(fran - 1)].nr == k.ejb && prov_.iUndreHalvan(fran, till)) {
            prov = Prov::Flytt;
            return;
        }
        grupp = sparad;
        flyttaTill(grupp, k.ejb, position);
        prov = Prov::Byggd;
    };
    int hoppaover = 1;
    int monradprovat = 0;
    int uddaM = 0; // the reordering tried: mjustera(uddaM) on the first one
    for (;;) {
        arbete_ += static_cast<long long>(sparad.size());
        if (arbete_ > arbetsgrans_) return Gruppslut::Gransen;
        Konflikt k;
        bool konflikt = false;
        switch (prov) {
        case Prov::Sparad: konflikt = prov_.hittaKonflikt(k); break;
        case Prov::Flytt: konflikt = prov_.hittaKonflikt(fran, till, k); break;
        case Prov::Byggd: konflikt = hittaKonflikt(grupp, motestabell_, k); break;
        case Prov::Udda: konflikt = omordning_.hittaKonflikt(uddaM, k); break;
        }
        if (!konflikt) {
            if (prov == Prov::Flytt) {
                grupp = sparad;
                flyttaTill(grupp, sparad[static_cast<std::size_t>(fran - 1)].nr, till);
            }
            if (prov == Prov::Udda) omordning_.bilda(uddaM, grupp);
            laggTillPar(prov == Prov::Sparad ? sparad : grupp);
            return Gruppslut::Parad;
        }
        const int s = static_cast<int>(sparad.size());
        if (k.ejc >= 2 && k.ejc - hoppaover >= 1) {
            flytta(k, k.ejc - hoppaover);
            ++hoppaover;
        } else if (k.ejc + hoppaover <= k.ejd) {
            flytta(k, k.ejc + hoppaover);
            ++hoppaover;
        } else if (monradprovat < s - 1 && monradprovat < 6) {
            // Odd positions before even ones, tried twice; from the third try on the last player
            // sits one position further down each time (mjustera on the first reordering).
            if (monradprovat == 0) omordning_.bygg(sparad);
            prov = Prov::Udda;
            uddaM = monradprovat;
            ++monradprovat;
        } else if (!taresten_) {
            const int uppflyttadb = flyttaUppTill(golv, -1, markor);
            const int uppflyttadc = uppflyttadb < 0 ? -1 : flyttaUppTill(golv, uppflyttadb, markor);
            if (uppflyttadc < 0) return Gruppslut::SistaUtvag;
            monradprovat = 0;
            // Each goes to the lower end in turn, so the group starts with uppflyttadc, uppflyttadb.
            const Gruppspelare fore[] = {spelare(uppflyttadc), spelare(uppflyttadb)};
            sparad.insert(sparad.begin(), std::begin(fore), std::end(fore));
            for (const Gruppspelare& g : fore) {
                golv = std::min(golv, g.poang);
                iGruppen_[static_cast<std::size_t>(g.index)] = 1;
            }
            hoppaover = 0;
            prov_.vidga();
            prov = Prov::Sparad;
        } else {
            return Gruppslut::SistaUtvag;
        }
    }
}

// Upper-half player A against lower-half player B, from position h down to 1: A has white with
// fewer whites than B, or as many in an even round.
void Senarerond::laggTillPar(const Grupp& grupp) {
    const std::size_t h = grupp.size() / 2;
    for (std::size_t j = h; j >= 1; --j) {
        const Gruppspelare& a = grupp[j + h - 1];
        const Gruppspelare& b = grupp[j - 1];
        const bool aVit = a.antalvita < b.antalvita || (a.antalvita == b.antalvita && valdrond_ % 2 == 0);
        par_.push_back(aVit ? a.index : b.index);
        par_.push_back(aVit ? b.index : a.index);
        parad_[static_cast<std::size_t>(a.index)] = 1;
        parad_[static_cast<std::size_t>(b.index)] = 1;
    }
}

// The k-th last resort leaves only the pairs made before the last k (counted from the pairs that
// stood at the first one) and pairs everybody else as one group. False once every pair has been
// dissolved and the whole field has failed too.
bool Senarerond::sistaUtvag() {
    if (taresten_) ++svkanta_;
    taresten_ = true;
    ovre_ = kOandligt;
    if (alltUpplost_) return false;
    if (parVidSistaUtvag_ < 0) parVidSistaUtvag_ = static_cast<int>(par_.size() / 2);
    const int k = std::min(svkanta_, parVidSistaUtvag_);
    const std::size_t behall = std::min(par_.size(), static_cast<std::size_t>(parVidSistaUtvag_ - k) * 2);
    for (std::size_t i = behall; i < par_.size(); ++i)
        parad_[static_cast<std::size_t>(par_[i])] = 0;
    par_.resize(behall);
    if (k == parVidSistaUtvag_) alltUpplost_ = true;
    return true;
}

std::vector<spelarstructtva> Senarerond::lottningslista() const {
    std::vector<spelarstructtva> lista;
    lista.reserve(par_.size());
    for (int i : par_) {
        const spelarstructtvac& s = pool_[static_cast<std::size_t>(i)];
        spelarstructtva ut;
        ut.nr = s.nr;
        ut.namn = s.namn;
        ut.klubb = s.klubb;
        ut.ranking = s.ranking;
        lista.push_back(std::move(ut));
    }
    return lista;
}

std::optional<std::vector<spelarstructtva>> Senarerond::reserv() {
    const auto par = reservparning(static_cast<int>(pool_.size()), [&](int i, int j) {
        return motestabell_.harMotts(i, j);
    });
    if (!par) return std::nullopt;
    par_.clear();
    for (const auto& [i, j] : *par) {
        // A pair of two: position 2 (A, better placed) against position 1 (B).
        laggTillPar(Grupp{spelare(j), spelare(i)});
    }
    return lottningslista();
}

std::optional<std::vector<spelarstructtva>> Senarerond::lotta() {
    if (!godtagbarPool()) return std::nullopt;
    reserveraFrirond();
    for (;;) {
        double niva = 0;
        Grupp grupp = byggGrupp(niva);
        if (grupp.empty()) {
            if (farfri_ >= 0 && !parad_[static_cast<std::size_t>(farfri_)] &&
                !parad_[static_cast<std::size_t>(frirond_)]) {
                par_.push_back(farfri_);
                par_.push_back(frirond_);
                parad_[static_cast<std::size_t>(farfri_)] = 1;
                parad_[static_cast<std::size_t>(frirond_)] = 1;
            }
            if (antalOparade() == 0) return lottningslista();
            // Somebody no group reached (half of the bye pair taken into a group): pair the rest anew.
            if (!sistaUtvag()) return std::nullopt;
            continue;
        }
        if (grupp.size() == 2 && antalOparade() == 2 && motestabell_.harMotts(grupp[0].index, grupp[1].index)) {
            if (!sistaUtvag()) return std::nullopt;
            continue;
        }
        if (grupp.size() % 2 != 0) {
            const int uppflyttad = flyttaUpp(grupp, niva);
            if (uppflyttad < 0) {
                if (!sistaUtvag()) return std::nullopt;
                continue;
            }
            grupp.insert(grupp.begin(), spelare(uppflyttad));
        }
        switch (paraGrupp(std::move(grupp))) {
        case Gruppslut::Gransen:
            return std::nullopt;
        case Gruppslut::SistaUtvag:
            if (!sistaUtvag()) return std::nullopt;
            break;
        case Gruppslut::Parad:
            ovre_ = taresten_ ? -kOandligt : niva;
            break;
        }
    }
}

} // namespace

std::optional<std::vector<spelarstructtva>> schweizerb(const std::vector<spelarstructtvac>& lskicka,
                                                       const std::vector<partistruct>& partier, int valdrond,
                                                       long long arbetsgrans, bool reserv) {
    Senarerond rond(lskicka, partier, valdrond, arbetsgrans);
    if (auto lista = rond.lotta()) return lista;
    if (!reserv || !rond.godtagbarPool()) return std::nullopt;
    return Senarerond(lskicka, partier, valdrond, arbetsgrans).reserv();
}

} // namespace parning
