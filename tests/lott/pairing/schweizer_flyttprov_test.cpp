// The quick checks of the repair tries against the plain check on the rearranged group: random
// groups and earlier games, every move within the lower half, the group widened by two players
// in front, and the reorderings continued by one swap.
#include "lott/pairing/schweizer_flyttprov.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

using namespace parning;

namespace {

auto falt(const Konflikt& k) {
    return std::make_tuple(k.ej, k.ejb, k.ejc, k.ejd, k.ejbIndex);
}

Gruppspelare spelare(std::mt19937& slump, int index) {
    return Gruppspelare{1 + static_cast<std::int32_t>(slump() % 90), 1.0, 0, index};
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
    std::vector<int> nummer(90);
    for (int i = 0; i < 90; ++i)
        nummer[static_cast<std::size_t>(i)] = i + 1;
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

// Every move of the lower half and the saved group itself, quick check against plain check.
void jamforAllaFlyttar(const Grupp& sparad, const Flyttprov& prov, const MoteAv& mote) {
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
            }
        }
}

TEST(SchweizerFlyttprov, EveryMoveAndEveryWideningAnswersAsThePlainCheck) {
    std::mt19937 slump(17);
    for (int runda = 0; runda < 300; ++runda) {
        const int s = 2 + static_cast<int>(slump() % 21);
        Fall f = fall(slump, s);
        const PartiIndex index(f.partier);
        const MoteAv mote = moteAv(index);
        SCOPED_TRACE("round " + std::to_string(runda) + ", size " + std::to_string(s));
        Grupp sparad = f.grupp;
        Flyttprov prov(mote, static_cast<std::size_t>(s + 2));
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

TEST(SchweizerFlyttprov, ReorderingsContinuedBySwapsMatchMjustera) {
    std::mt19937 slump(5);
    for (int s = 4; s <= 13; ++s) {
        Grupp bas;
        for (int i = 0; i < s; ++i)
            bas.push_back(spelare(slump, i));
        uddaJamna(bas);
        Grupp vidare = bas;
        for (int m = 2; m < s - 1 && m < 6; ++m) {
            Grupp direkt = bas;
            mjustera(direkt, m);
            mjusteraVidare(vidare, m);
            ASSERT_EQ(vidare.size(), direkt.size());
            for (std::size_t i = 0; i < direkt.size(); ++i)
                ASSERT_EQ(vidare[i].index, direkt[i].index) << "size " << s << ", m " << m << ", position " << i;
        }
    }
}

} // namespace
