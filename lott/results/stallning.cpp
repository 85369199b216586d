#include "lott/results/stallning.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <utility>
#include <unordered_map>
#include <unordered_set>

#include "lott/results/poang.h"
#include "lott/results/rankingandring.h"
#include "lott/results/valfri_stallning.h"
#include "store/tournament.h"

namespace stallning {

namespace {

constexpr int kIngen = -1;

// Position of each start number in the player list (the first when a number repeats).
class Spelarindex {
  public:
    explicit Spelarindex(const std::vector<spelarstructtva>& spelare) {
        pos_.reserve(spelare.size() * 2);
        for (std::size_t i = 0; i < spelare.size(); ++i)
            pos_.emplace(spelare[i].nr, static_cast<int>(i));
    }
    int operator()(int nr) const {
        const auto it = pos_.find(nr);
        return it == pos_.end() ? kIngen : it->second;
    }

  private:
    std::unordered_map<int, int> pos_;
};

// One game seen from one player's side.
struct Sida {
    const partistruct* parti;
    bool vit;
    int motstandare; // index in the player list, or kIngen for a bye without a record
};

// Every player's games, built once so that no computation rescans the game list: one array,
// each player's games together in file order.
class Sidor {
  public:
    Sidor(const Indata& in, const Spelarindex& index) : borjan_(in.spelare.size() + 1, 0) {
        std::vector<std::pair<int, int>> spelare; // white's and black's index per game
        spelare.reserve(in.partier.size());
        for (const auto& p : in.partier) {
            spelare.emplace_back(index(p.vit), index(p.svart));
            if (spelare.back().first != kIngen) ++borjan_[static_cast<std::size_t>(spelare.back().first) + 1];
            if (spelare.back().second != kIngen) ++borjan_[static_cast<std::size_t>(spelare.back().second) + 1];
        }
        for (std::size_t i = 1; i < borjan_.size(); ++i)
            borjan_[i] += borjan_[i - 1];
        alla_.resize(borjan_.back());
        std::vector<std::size_t> nasta(borjan_.begin(), borjan_.end() - 1);
        for (std::size_t g = 0; g < in.partier.size(); ++g) {
            const auto [v, s] = spelare[g];
            if (v != kIngen) alla_[nasta[static_cast<std::size_t>(v)]++] = Sida{&in.partier[g], true, s};
            if (s != kIngen) alla_[nasta[static_cast<std::size_t>(s)]++] = Sida{&in.partier[g], false, v};
        }
    }
    std::span<const Sida> operator[](std::size_t i) const {
        return {alla_.data() + borjan_[i], borjan_[i + 1] - borjan_[i]};
    }

  private:
    std::vector<std::size_t> borjan_;
    std::vector<Sida> alla_;
};

// The points of the byes that have no record in the player list: a number that no player has can
// only be a bye's, one whose record a late entry removed or one the pairing added. Their games
// count as games against the bye, and the bye scores them as a registered "Frirond" would.
std::unordered_map<int, double> frironderUtanPost(const Indata& in, const Spelarindex& index) {
    std::unordered_map<int, double> poangAv;
    for (const auto& p : in.partier) {
        if (index(p.vit) == kIngen)
            poangAv[p.vit] += poang(utfall(p.resultat, true, in.schwanrop), in.poangval);
        if (index(p.svart) == kIngen && p.svart != p.vit)
            poangAv[p.svart] += poang(utfall(p.resultat, false, in.schwanrop), in.poangval);
    }
    return poangAv;
}

int motstandarNr(const Sida& s) {
    return s.vit ? s.parti->svart : s.parti->vit;
}

bool avgjord(int resultat) {
    return resultat >= resVitVinst && resultat <= resSvartWo;
}

void raknaPoang(const Indata& in, const Sidor& sidor,
                std::vector<spelarstructc>& rader) {
    for (std::size_t i = 0; i < rader.size(); ++i) {
        for (const Sida& s : sidor[i]) {
            const Utfall u = utfall(s.parti->resultat, s.vit, in.schwanrop);
            if (u == Utfall::Oppet) ++rader[i].antalvita;
            rader[i].poang += poang(u, in.poangval);
        }
    }
}

// Vanlig: the opponents' points without the weakest opponent's, or all of them for a player
// who has had the bye.
double vanligKvalitet(std::span<const Sida> sidor, const std::vector<spelarstructc>& rader,
                      const std::unordered_map<int, double>& frironder, int valdrond) {
    double summa = 0;
    double svagast = 0;
    int motstandare = 0;
    bool motFrirond = false;
    for (const Sida& s : sidor) {
        if (!avgjord(s.parti->resultat)) continue;
        const bool utanPost = s.motstandare == kIngen;
        const double q = utanPost ? frironder.at(motstandarNr(s)) : rader[s.motstandare].poang;
        summa += q;
        svagast = motstandare == 0 ? q : std::min(svagast, q);
        ++motstandare;
        if (utanPost || store::isBye(rader[s.motstandare].namn)) motFrirond = true;
    }
    if (valdrond <= 0) return 0;
    if (motFrirond) return summa;
    if (motstandare == 0) return 0;
    return summa - svagast;
}

// Progressiv: the sum of the running score after each round 1..srond. A game of round r adds its
// points once for every round from r on.
double progressivKvalitet(std::span<const Sida> sidor, int poangval, int srond) {
    double summa = 0;
    for (const Sida& s : sidor) {
        const int fran = std::max(s.parti->rond, 1);
        if (fran > srond) continue;
        summa += progressivPoang(s.parti->resultat, s.vit, poangval) * (srond - fran + 1);
    }
    return summa;
}

double rankingandring(const spelarstructc& p, std::span<const Sida> sidor,
                      const std::vector<spelarstructc>& rader) {
    double summa = 0;
    for (const Sida& s : sidor) {
        if (!avgjord(s.parti->resultat) || s.motstandare == kIngen) continue;
        const spelarstructc& q = rader[s.motstandare];
        if (p.ranking == 0 || q.ranking == 0) continue;
        summa += rankingfunkb(p.ranking, q.ranking, s.parti->resultat, s.vit ? 1 : 0);
    }
    return summa;
}

std::vector<spelarstructc> startrader(const std::vector<spelarstructtva>& spelare) {
    std::vector<spelarstructc> rader;
    rader.reserve(spelare.size());
    for (const auto& s : spelare) {
        spelarstructc r;
        r.nr = s.nr;
        r.namn = s.namn;
        r.klubb = s.klubb;
        r.ranking = s.ranking;
        rader.push_back(std::move(r));
    }
    return rader;
}

void beraknaMedResultatkoder(const Indata& in, int valdrond, std::vector<spelarstructc>& rader) {
    const Spelarindex index(in.spelare);
    const Sidor sidor(in, index);
    const auto frironder = frironderUtanPost(in, index);
    raknaPoang(in, sidor, rader);
    const int srond = store::largestRound(in.partier);
    for (std::size_t i = 0; i < rader.size(); ++i) {
        spelarstructc& p = rader[i];
        if (store::isBye(p.namn)) continue; // the bye keeps kvalitet and rating change 0
        p.kvalitet = in.progressiv ? progressivKvalitet(sidor[i], in.poangval, srond)
                                   : vanligKvalitet(sidor[i], rader, frironder, valdrond);
        p.rankingandring = rankingandring(p, sidor[i], rader);
    }
}

// Equal players keep their start-list order, as the repeated selection of the best did. The keys
// are sorted, not the rows with their names, and the rows then moved once into place.
void sorteraEfterPlacering(std::vector<spelarstructc>& rader) {
    struct Nyckel {
        double poang;
        double kvalitet;
        std::int32_t nr;
        std::size_t rad;
    };
    std::vector<Nyckel> nycklar;
    nycklar.reserve(rader.size());
    for (std::size_t i = 0; i < rader.size(); ++i)
        nycklar.push_back(Nyckel{rader[i].poang, rader[i].kvalitet, rader[i].nr, i});
    std::stable_sort(nycklar.begin(), nycklar.end(), [](const Nyckel& a, const Nyckel& b) {
        if (a.poang != b.poang) return a.poang > b.poang;
        if (a.kvalitet != b.kvalitet) return a.kvalitet > b.kvalitet;
        return a.nr < b.nr;
    });
    std::vector<spelarstructc> sorterade;
    sorterade.reserve(rader.size());
    for (const Nyckel& n : nycklar)
        sorterade.push_back(std::move(rader[n.rad]));
    rader.swap(sorterade);
}

} // namespace

bool fore(const spelarstructc& a, const spelarstructc& b) {
    if (a.poang != b.poang) return a.poang > b.poang;
    if (a.kvalitet != b.kvalitet) return a.kvalitet > b.kvalitet;
    return a.nr < b.nr;
}

void lankabortutgadda(std::vector<spelarstructc>& lista, const std::vector<int>& utgadda) {
    int hogsta = 0;
    for (const auto& s : lista)
        hogsta = std::max(hogsta, s.nr);
    const std::unordered_set<int> ut(utgadda.begin(), utgadda.end());
    std::erase_if(lista, [&](const spelarstructc& s) { return ut.count(s.nr) > 0; });
    if (lista.size() % 2 == 0) return;
    const auto bye =
        std::find_if(lista.begin(), lista.end(), [](const spelarstructc& s) { return store::isBye(s.namn); });
    if (bye != lista.end()) {
        lista.erase(bye);
        return;
    }
    spelarstructc frirond;
    frirond.nr = hogsta + 1;
    frirond.namn = store::kFrirond;
    frirond.klubb = "nej";
    lista.push_back(std::move(frirond));
}

Resultat berakna(const Indata& in) {
    // A damaged start number takes no part (the bye number of "Valfritt" is the largest plus one).
    const auto rimlig = [](const spelarstructtva& s) { return s.plausible(); };
    if (!std::all_of(in.spelare.begin(), in.spelare.end(), rimlig)) {
        Indata utanSkadade = in;
        std::erase_if(utanSkadade.spelare, [&](const spelarstructtva& s) { return !rimlig(s); });
        return berakna(utanSkadade);
    }

    Resultat ut;
    ut.valdrond = std::max(in.valdrond, store::largestRound(in.partier));

    std::vector<spelarstructc> rader = startrader(in.spelare);
    if (in.poangval == 4) {
        ut.valdrond = store::largestRound(in.valfria);
        valfriPoangOchKvalitet(in.valfria, rader);
    } else {
        beraknaMedResultatkoder(in, ut.valdrond, rader);
    }

    for (const auto& r : rader) {
        if (!r.klubb.empty() && r.klubb != "nej") ut.klubbfinns = 1;
        if (r.ranking > 0) ut.rankingfinns = 1;
    }

    sorteraEfterPlacering(rader);
    const std::unordered_set<int> utgadda(in.utgadda.begin(), in.utgadda.end());
    for (auto& r : rader)
        r.utgatt = utgadda.count(r.nr) > 0 ? 1 : 0;
    if (in.schwanrop) lankabortutgadda(rader, in.utgadda);
    ut.parslistac = std::move(rader);
    return ut;
}

} // namespace stallning
