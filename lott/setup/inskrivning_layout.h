// The four layouts of the player-registration form and where each start number of a page sits.
// A page shows the consecutive start numbers forsta .. forsta + raderPerSida - 1; slot i of a page
// (0-based, in start-number order) is placed at a grid row and a column group. Header-only, so
// that the dialog resources can be built from the same table without linking the core.
#pragma once

struct InskrivningLayout {
    int turnkat;         // player-data category this layout serves
    int dialog;          // dialog resource number
    int raderPerSida;    // start numbers per page
    int kolumner;        // column groups side by side
    int raderVanster;    // rows of the left column group (the right one takes the rest)
    bool radvis;         // true: numbers run left to right along a row before the next row
    bool klubb;          // rows have a club field
    bool ranking;        // rows have a ranking field
    int rankingMaxLangd; // characters a ranking field takes (0 without rankings)
    int framatId;        // ">> >>"
    int bakatId;         // "<< <<"
};

struct InskrivningPlats {
    int rad;    // 0-based grid row
    int kolumn; // 0-based column group
};

inline constexpr int kNamnMaxLangd = 29;  // name and club fields
inline constexpr int kNummerMaxLangd = 4; // start-number fields

// clang-format off
inline constexpr InskrivningLayout kInskrivningLayouter[] = {
    // turnkat dialog rader kol vänster radvis klubb  ranking max framåt bakåt
    {0,       1,     33,   3,  11,     true,  false, false,  0,  102,   101},
    {1,       428,   24,   2,  13,     false, true,  false,  0,  128,   127},
    {2,       1528,  24,   2,  13,     false, false, true,   9,  531,   590},
    {3,       228,   12,   1,  12,     false, true,  true,   4,  230,   227},
};
// clang-format on

// The layout of a player-data category (0..3); anything else gets the names-only layout.
constexpr const InskrivningLayout& inskrivningLayout(int turnkat) {
    return turnkat < 0 || turnkat > 3 ? kInskrivningLayouter[0] : kInskrivningLayouter[turnkat];
}

// Grid place of slot i (0 <= i < raderPerSida).
constexpr InskrivningPlats platsForRad(const InskrivningLayout& layout, int i) {
    if (layout.radvis) return {i / layout.kolumner, i % layout.kolumner};
    // Down the left column group, then down the right one.
    if (i < layout.raderVanster) return {i, 0};
    return {i - layout.raderVanster, 1};
}

// First start number of the next page, and of the previous one (0 when there is none: the
// current page is the first).
constexpr int nastaSida(const InskrivningLayout& layout, int forsta) {
    return forsta + layout.raderPerSida;
}
constexpr int foregaendeSida(const InskrivningLayout& layout, int forsta) {
    return forsta - layout.raderPerSida > 0 ? forsta - layout.raderPerSida : 0;
}

// Control ids of slot i of a page: the read-only start number, then name, club and ranking.
constexpr int nummerId(int i) {
    return 3000 + i;
}
constexpr int namnId(int i) {
    return 3100 + i;
}
constexpr int klubbId(int i) {
    return 3200 + i;
}
constexpr int rankingId(int i) {
    return 3300 + i;
}
