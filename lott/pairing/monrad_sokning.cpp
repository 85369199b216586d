#include "lott/pairing/monrad_sokning.h"

#include <array>

namespace parning {

namespace {

enum class Utgang { Klar, Passgrans, Omordna };

// The players not yet placed, as a doubly linked list over positions of the ordering, so that
// placing a player costs nothing and a pass walks only until it finds a partner.
class Kvar {
  public:
    explicit Kvar(std::size_t n) : nasta_(n + 1), forra_(n + 1) {
        // Node n is the head sentinel.
        for (std::size_t i = 0; i <= n; ++i) {
            nasta_[i] = (i + 1) % (n + 1);
            forra_[i] = (i + n) % (n + 1);
        }
        slut_ = n;
    }
    std::size_t forsta() const { return nasta_[slut_]; }
    std::size_t efter(std::size_t i) const { return nasta_[i]; }
    std::size_t slut() const { return slut_; }
    bool tom() const { return forsta() == slut_; }
    void taBort(std::size_t i) {
        nasta_[forra_[i]] = nasta_[i];
        forra_[nasta_[i]] = forra_[i];
    }

  private:
    std::vector<std::size_t> nasta_, forra_;
    std::size_t slut_ = 0;
};

// Which skip rule applies with `rem` players left to place once the top of a pair is placed:
// the second-last pair (3), third-last (5), fourth-last (7), fifth-last (9).
int hoppregel(std::size_t rem) {
    switch (rem) {
    case 3:
        return 0;
    case 5:
        return 1;
    case 7:
        return 2;
    case 9:
        return 3;
    default:
        return -1;
    }
}

class Sokning {
  public:
    Sokning(const std::vector<MonradSpelare>& ordning, const PartiIndex& partier, Sokrakning& rakning)
        : ordning_(ordning), partier_(partier), rakning_(rakning) {}

    // One search from label A: attempts with rising skip counters until one completes, the pass
    // limit is reached, or 105 attempts have failed and the ordering must change.
    Utgang sok(std::vector<std::size_t>& placerade) {
        int passraknare = 0;
        std::array<int, 4> hoppaover{}; // hoppaover, hoppaoverb, hoppaoverc, hoppaoverd
        int lasning = 1;
        while (lasning == 1 && passraknare <= kPassgrans - 1) {
            ++rakning_.forsok;
            std::array<int, 4> hoppatover{};
            placerade.clear();
            Kvar kvar(ordning_.size());
            lasning = 0;
            while (lasning == 0 && passraknare < kPassgrans && !kvar.tom()) {
                ++passraknare;
                ++rakning_.pass;
                if (!placeraPar(kvar, placerade, hoppaover, hoppatover)) {
                    lasning = 1;
                    if (!hojHoppraknare(hoppaover)) return Utgang::Omordna;
                }
            }
        }
        if (lasning == 0 && placerade.size() == ordning_.size()) return Utgang::Klar;
        return Utgang::Passgrans;
    }

  private:
    // One pass: the first player left is the top T; he takes the first acceptable player below
    // him. False when T found nobody.
    bool placeraPar(Kvar& kvar, std::vector<std::size_t>& placerade, const std::array<int, 4>& hoppaover,
                    std::array<int, 4>& hoppatover) {
        const std::size_t t = kvar.forsta();
        kvar.taBort(t);
        placerade.push_back(t);
        const int tNr = ordning_[t].spelare.nr;
        const std::size_t rem = ordning_.size() - placerade.size();
        const int regel = hoppregel(rem);
        for (std::size_t q = kvar.forsta(); q != kvar.slut(); q = kvar.efter(q)) {
            if (partier_.harMotts(tNr, ordning_[q].spelare.nr)) continue;
            if (regel >= 0 && hoppatover[regel] != hoppaover[regel]) {
                ++hoppatover[regel];
                continue;
            }
            kvar.taBort(q);
            placerade.push_back(q);
            return true;
        }
        return false;
    }

    // After a failed attempt: the second-last pair tries its first three acceptable partners,
    // for each of those the third-last its first five, for each of those the fourth-last its
    // first seven. False when all 105 combinations have failed.
    static bool hojHoppraknare(std::array<int, 4>& hoppaover) {
        if (++hoppaover[0] < 3) return true;
        hoppaover[0] = 0;
        if (++hoppaover[1] < 5) return true;
        hoppaover[1] = 0;
        if (++hoppaover[2] < 7) return true;
        hoppaover[2] = 0;
        return false;
    }

    const std::vector<MonradSpelare>& ordning_;
    const PartiIndex& partier_;
    Sokrakning& rakning_;
};

} // namespace

std::optional<std::vector<MonradSpelare>> monradSok(std::vector<MonradSpelare> ordning,
                                                    const PartiIndex& partier, Sokrakning* rakning) {
    Sokrakning egen;
    Sokrakning& r = rakning ? *rakning : egen;
    // kastaomm rotates the lower n/2 + 1 places by one; after that many reorderings the first
    // ordering would come back and every later search would repeat an earlier one.
    const int olikaOrdningar = static_cast<int>(ordning.size() / 2 + 1);
    std::vector<std::size_t> placerade;
    for (;;) {
        const Utgang utgang = Sokning(ordning, partier, r).sok(placerade);
        if (utgang == Utgang::Klar) {
            std::vector<MonradSpelare> ut;
            ut.reserve(placerade.size());
            for (const auto i : placerade)
                ut.push_back(ordning[i]);
            return ut;
        }
        if (utgang == Utgang::Passgrans || r.omordningar + 1 >= olikaOrdningar) return std::nullopt;
        kastaomm(ordning);
        ++r.omordningar;
    }
}

} // namespace parning
