// The quick checks of the repair tries against the plain check on the rearranged group (with the
// meetings from the game index, not from the pool's table): random groups and earlier games, every
// move within the lower half, the group widened by two players in front, and the reorderings.
#include "lott/pairing/schweizer_flyttprov.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

using namespace parning;

namespace {

auto falt(const Konflikt& k) {
    return std::make_tuple(k.ej, k.ejb, k.ejc, k.ejd, k.ejbIndex);
}

// Players with distinct start numbers (the group's pool indices 0..s-1) and games among them and
// two further players, dense enough that most groups have several conflicts.
struct Fall {
    Grupp grupp;
    std::vector<partistruct> partier;
    Gruppspelare extra[2];
};

Fall fall(std::mt19937& slump, int s) {
    Fall f;
    // Every other case with start numbers far apart, as only a damaged file has them.
    const int steg = slump() % 2 ? 1 : 10'000'000;
    std::vector<int> nummer(90);
    for (int i = 0; i < 90; ++i)
        nummer[static_cast<std::size_t>(i)] = (i + 1) * steg;
    std::shuffle(nummer.begin(), nummer.end(), slump);
    for (int i = 0; i < s + 2; ++i) {
        Gruppspelare g{nummer[static_cast<std::size_t>(i)], 1.0, 0, i};
        if (i < s) f.grupp.push_back(g);
        else f.extra[i - s] = g;
    }
    const int antal = static_cast<int>(slump() % static_cast<unsigned>(2 * s + 3));
    for (int i = 0; i < antal; ++i) {
        const auto a = nummer[slump() % static_cast<unsigned>(s + 2)];
        const auto b = nummer[slump() % static_cast<unsigned>(s + 2)];
        if (a != b) f.partier.push_back(partistruct{a, b, 1, 1, 1 + i % 5});
    }
    return f;
}

// The pool is the group and the two further players, pool index = Gruppspelare::index.
Motestabell tabellFor(const Fall& f) {
    std::vector<std::int32_t> nummer;
    for (const Gruppspelare& g : f.grupp)
        nummer.push_back(g.nr);
    nummer.push_back(f.extra[0].nr);
    nummer.push_back(f.extra[1].nr);
    return Motestabell(nummer, f.partier);
}

// Every move of the lower half and the saved group itself, quick check against plain check.
void jamforAllaFlyttar(const Grupp& sparad, Flyttprov& prov, const PartiIndex& mote) {
    Konflikt vantad, fatt;
    const bool v0 = hittaKonflikt(sparad, mote, vantad);
    ASSERT_EQ(prov.hittaKonflikt(fatt), v0);
    if (v0) {
        ASSERT_EQ(falt(fatt), falt(vantad));
    }
    const int h = static_cast<int>(sparad.size() / 2);
    for (int fran = 1; fran <= h; ++fran)
        for (int till = 1; till <= h; ++till) {
            Grupp g = sparad;
            flyttaTill(g, sparad[static_cast<std::size_t>(fran - 1)].nr, till);
            const bool v = hittaKonflikt(g, mote, vantad);
            SCOPED_TRACE(std::to_string(fran) + " -> " + std::to_string(till));
            ASSERT_EQ(prov.hittaKonflikt(fran, till, fatt), v);
            if (v) {
                ASSERT_EQ(falt(fatt), falt(vantad));
                ASSERT_EQ(sparad[static_cast<std::size_t>(prov.undreIsparad() - 1)].nr, fatt.ejb);
            }
        }
}

TEST(SchweizerFlyttprov, EveryMoveAndEveryWideningAnswersAsThePlainCheck) {
    std::mt19937 slump(17);
    for (int runda = 0; runda < 300; ++runda) {
        const int s = 2 + static_cast<int>(slump() % 21);
        Fall f = fall(slump, s);
        const PartiIndex mote(f.partier);
        const Motestabell tabell = tabellFor(f);
        SCOPED_TRACE("round " + std::to_string(runda) + ", size " + std::to_string(s));
        Grupp sparad = f.grupp;
        Flyttprov prov(tabell, static_cast<std::size_t>(s + 2));
        prov.bygg(sparad);
        jamforAllaFlyttar(sparad, prov, mote);
        ASSERT_EQ(prov.plats(f.grupp[0].index), 1);
        ASSERT_EQ(prov.plats(f.extra[0].index), 0);

        sparad.insert(sparad.begin(), std::begin(f.extra), std::end(f.extra));
        prov.vidga();
        jamforAllaFlyttar(sparad, prov, mote);
        ASSERT_EQ(prov.plats(f.grupp[0].index), 3);
    }
}

TEST(SchweizerFlyttprov, ReorderingsReadFromTheSavedGroupAnswerAsThePlainCheck) {
    std::mt19937 slump(5);
    for (int runda = 0; runda < 300; ++runda) {
        const int s = 2 + static_cast<int>(slump() % 21);
        Fall f = fall(slump, s);
        const PartiIndex mote(f.partier);
        const Motestabell tabell = tabellFor(f);
        Omordningsprov prov(tabell);
        prov.bygg(f.grupp);
        for (int m = 0; m < s - 1 && m < 6; ++m) {
            SCOPED_TRACE("round " + std::to_string(runda) + ", size " + std::to_string(s) + ", m " + std::to_string(m));
            Grupp direkt = f.grupp;
            uddaJamna(direkt);
            if (m > 1) mjustera(direkt, m);
            Grupp byggd;
            prov.bilda(m, byggd);
            for (std::size_t i = 0; i < direkt.size(); ++i)
                ASSERT_EQ(byggd[i].index, direkt[i].index) << "position " << i;
            Konflikt vantad, fatt;
            const bool v = hittaKonflikt(direkt, mote, vantad);
            ASSERT_EQ(prov.hittaKonflikt(m, fatt), v);
            if (v) {
                ASSERT_EQ(falt(fatt), falt(vantad));
            }
        }
    }
}

} // namespace
