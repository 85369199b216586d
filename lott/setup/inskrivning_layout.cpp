#include "lott/setup/inskrivning_layout.h"

namespace {

// clang-format off
constexpr InskrivningLayout kLayouter[] = {
    // turnkat dialog rader kol vänster radvis klubb  ranking max framåt bakåt
    {0,       1,     33,   3,  11,     true,  false, false,  0,  102,   101},
    {1,       428,   24,   2,  13,     false, true,  false,  0,  128,   127},
    {2,       1528,  24,   2,  13,     false, false, true,   9,  531,   590},
    {3,       228,   12,   1,  12,     false, true,  true,   4,  230,   227},
};
// clang-format on

} // namespace

const InskrivningLayout& inskrivningLayout(int turnkat) {
    if (turnkat < 0 || turnkat > 3) return kLayouter[0];
    return kLayouter[turnkat];
}

InskrivningPlats platsForRad(const InskrivningLayout& layout, int i) {
    if (layout.radvis) return {i / layout.kolumner, i % layout.kolumner};
    // Down the left column group, then down the right one.
    if (i < layout.raderVanster) return {i, 0};
    return {i - layout.raderVanster, 1};
}

int nastaSida(const InskrivningLayout& layout, int forsta) {
    return forsta + layout.raderPerSida;
}

int foregaendeSida(const InskrivningLayout& layout, int forsta) {
    const int forra = forsta - layout.raderPerSida;
    return forra > 0 ? forra : 0;
}
