// The four layouts of the player-registration form and where each start number of a page sits.
// A page shows the consecutive start numbers forsta .. forsta + raderPerSida - 1; slot i of a page
// (0-based, in start-number order) is placed at a grid row and a column group.
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

// The layout of a player-data category (0..3); anything else gets the names-only layout.
const InskrivningLayout& inskrivningLayout(int turnkat);

// Grid place of slot i (0 <= i < raderPerSida).
InskrivningPlats platsForRad(const InskrivningLayout& layout, int i);

// First start number of the next page, and of the previous one (0 when there is none: the
// current page is the first).
int nastaSida(const InskrivningLayout& layout, int forsta);
int foregaendeSida(const InskrivningLayout& layout, int forsta);

inline constexpr int kNamnMaxLangd = 29;  // name and club fields
inline constexpr int kNummerMaxLangd = 4; // start-number fields
