// The record types of the tournament store. Each has its byte size, its field order as stored
// (little-endian int32 "int"/"long", IEEE-754 double, Windows-1252 text fields of fixed width,
// NUL-terminated), and one codec: encode() writes exactly `size` bytes, decode() reads them.
// Text fields hold UTF-8 in memory; at most width-1 characters are stored.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// One tournament in "TURN". Layout: filnamnint 0, tnamn[40] 4, antalronder 44, system 48.
struct turneringsstruct {
    static constexpr std::size_t size = 52;
    std::int32_t filnamnint = 0;
    std::string tnamn;
    std::int32_t antalronder = 0;
    std::int32_t system = 0; // 0 Monrad, 1 Swiss-type (which one: "SELN")
    void encode(std::uint8_t* out) const;
    static turneringsstruct decode(const std::uint8_t* in);
    bool operator==(const turneringsstruct&) const = default;
};

// The tournament being set up, in "SKICKA". Layout: turnkat 0, tnamn[40] 4, antalronder 44, system 48.
struct lottcstruct {
    static constexpr std::size_t size = 52;
    std::int32_t turnkat = 0; // 0 names, 1 name+club, 2 name+ranking, 3 name+club+ranking
    std::string tnamn;
    std::int32_t antalronder = 0;
    std::int32_t system = 0;
    void encode(std::uint8_t* out) const;
    static lottcstruct decode(const std::uint8_t* in);
    bool operator==(const lottcstruct&) const = default;
};

// Pending option dialogs, in "TILLB". Layout: five int32 in field order.
struct tillbehorstruct {
    static constexpr std::size_t size = 20;
    std::int32_t filnamnint = 0;
    std::int32_t penningpriser = 0;
    std::int32_t rankinggrupper = 0;
    std::int32_t egenkategori = 0;
    std::int32_t elotitel = 0;
    void encode(std::uint8_t* out) const;
    static tillbehorstruct decode(const std::uint8_t* in);
    bool operator==(const tillbehorstruct&) const = default;
};

// Scoring code of one tournament, in "POANGSYS". Layout: poang 0, turn 4.
struct poangsystem {
    static constexpr std::size_t size = 8;
    std::int32_t poang = 0; // 1 = 1-½-0, 2 = 3-1-0, 3 = 3-2-1, 4 = "Valfritt"
    std::int32_t turn = 0;
    void encode(std::uint8_t* out) const;
    static poangsystem decode(const std::uint8_t* in);
    bool operator==(const poangsystem&) const = default;
};

// Swiss-type variant of one tournament, in "SELN". Layout: vilken 0, turnnr 4.
struct vilkenschweizerstruct {
    static constexpr std::size_t size = 8;
    std::int32_t vilken = 0; // 0 Nordisk schweizer, 1 Schweizer
    std::int32_t turnnr = 0;
    void encode(std::uint8_t* out) const;
    static vilkenschweizerstruct decode(const std::uint8_t* in);
    bool operator==(const vilkenschweizerstruct&) const = default;
};

// A tournament number, in "VILKV". Layout: intnr 0.
struct vilkstruct {
    static constexpr std::size_t size = 4;
    std::int32_t intnr = 0;
    void encode(std::uint8_t* out) const;
    static vilkstruct decode(const std::uint8_t* in);
    bool operator==(const vilkstruct&) const = default;
};

// A round number, in "VALDR". Layout: valdrond 0.
struct vrstruct {
    static constexpr std::size_t size = 4;
    std::int32_t valdrond = 0;
    void encode(std::uint8_t* out) const;
    static vrstruct decode(const std::uint8_t* in);
    bool operator==(const vrstruct&) const = default;
};

// The largest start number (and player or group count) a file may plausibly hold: far above any
// field the programs can register, far enough below the int range that "largest plus one" and
// products of two such counts never overflow.
inline constexpr std::int32_t kStorstaStartnummer = 99999;

// One player. Layout: nr 0, namn[30] 4, klubb[30] 34, ranking 64, elo 68, egenkategori 72.
struct spelarstructtva {
    static constexpr std::size_t size = 76;
    std::int32_t nr = 0;
    std::string namn;
    std::string klubb; // "nej" when the tournament has no clubs
    std::int32_t ranking = 0;
    std::int32_t elo = 0;
    std::int32_t egenkategori = 0;
    // Start numbers run from 1; one outside 1..kStorstaStartnummer can only come from a damaged
    // file, and readers skip the record.
    bool plausible() const { return nr >= 1 && nr <= kStorstaStartnummer; }
    void encode(std::uint8_t* out) const;
    static spelarstructtva decode(const std::uint8_t* in);
    bool operator==(const spelarstructtva&) const = default;
};

// One player with score, in "LSKICKA" for Swiss-type rounds.
// Layout: nr 0, namn[30] 4, klubb[30] 34, ranking 64, poang 68, antalvita 76, kvalitet 80.
struct spelarstructtvac {
    static constexpr std::size_t size = 88;
    std::int32_t nr = 0;
    std::string namn;
    std::string klubb;
    std::int32_t ranking = 0;
    double poang = 0;
    std::int32_t antalvita = 0;
    double kvalitet = 0;
    void encode(std::uint8_t* out) const;
    static spelarstructtvac decode(const std::uint8_t* in);
    bool operator==(const spelarstructtvac&) const = default;
};

// Result codes of partistruct::resultat.
enum Resultat : std::int32_t {
    resIngen = 0,      // no result yet
    resVitVinst = 1,   // "1-0"
    resSvartVinst = 2, // "0-1"
    resRemi = 3,       // "Remi"
    resUppskjutet = 4, // "uppskj."
    resAvbrutet = 5,   // "avbrutet"
    resDiskval = 6,    // "diskval." (both lose)
    resVitWo = 7,      // "W.O(1-0)"
    resSvartWo = 8,    // "w.o(0-1)"
};

// One game. Layout: vit 0, svart 4, bord 8, resultat 12, rond 16.
// The highest round number the program can produce (the number of rounds has three digits).
inline constexpr std::int32_t kSistaRond = 999;

struct partistruct {
    static constexpr std::size_t size = 20;
    std::int32_t vit = 0;
    std::int32_t svart = 0;
    std::int32_t bord = 0;
    std::int32_t resultat = 0;
    std::int32_t rond = 0;
    // Rounds are numbered from 1 and a tournament has at most 999 of them; a record outside that
    // range can only come from a damaged file, and readers skip it.
    bool plausible() const { return rond >= 1 && rond <= kSistaRond; }
    void encode(std::uint8_t* out) const;
    static partistruct decode(const std::uint8_t* in);
    bool operator==(const partistruct&) const = default;
};

// One game of a "Valfritt" tournament, in "VALFRI.DAT".
// Layout: turnnr 0, vit 4, svart 8, bord 12, rond 16, vitresultat 20, svartresultat 28.
struct valfristruct {
    static constexpr std::size_t size = 36;
    std::int32_t turnnr = 0;
    std::int32_t vit = 0;
    std::int32_t svart = 0;
    std::int32_t bord = 0;
    std::int32_t rond = 0;
    double vitresultat = 0;
    double svartresultat = 0;
    // As for partistruct: a round outside 1..999 marks a damaged record, which readers skip.
    bool plausible() const { return rond >= 1 && rond <= kSistaRond; }
    // The result code such a game stands for: 1 white ahead, 3 equal, 2 black ahead.
    std::int32_t resultatkod() const;
    void encode(std::uint8_t* out) const;
    static valfristruct decode(const std::uint8_t* in);
    bool operator==(const valfristruct&) const = default;
};

// One money prize, in the ".P" file. Layout: delasellerej 0, nr 4, pris 8.
struct penningstruct {
    static constexpr std::size_t size = 12;
    std::int32_t delasellerej = 0; // 0 shared on equal points, 1 separated by tie-break
    std::int32_t nr = 0;
    std::int32_t pris = 0;
    void encode(std::uint8_t* out) const;
    static penningstruct decode(const std::uint8_t* in);
    bool operator==(const penningstruct&) const = default;
};

// Ranking-group settings, in the ".G" file. Layout: five int32 in field order.
struct rankingstruct {
    static constexpr std::size_t size = 20;
    std::int32_t delasellerej = 0;
    std::int32_t antalgr = 0;
    std::int32_t spelarepergr = 0;
    std::int32_t franochmed = 0;
    std::int32_t rpris = 0;
    // Counts of groups and players, and a place in rating order: a value outside
    // 0..kStorstaStartnummer marks a damaged record, which readers skip.
    bool plausible() const {
        const auto rimlig = [](std::int32_t v) { return v >= 0 && v <= kStorstaStartnummer; };
        return rimlig(antalgr) && rimlig(spelarepergr) && rimlig(franochmed);
    }
    void encode(std::uint8_t* out) const;
    static rankingstruct decode(const std::uint8_t* in);
    bool operator==(const rankingstruct&) const = default;
};

// Elo rating and title of one player, in the ".E" file. Layout: nr 0, elo 4, titel[30] 8.
struct elostructab {
    static constexpr std::size_t size = 38;
    std::int32_t nr = 0;
    std::int32_t elo = 0;
    std::string titel;
    void encode(std::uint8_t* out) const;
    static elostructab decode(const std::uint8_t* in);
    bool operator==(const elostructab&) const = default;
};

// One player's membership of one own category, in the ".K" file.
// Layout: namn[40] 0, nr 40, pris 44.
struct egenkategoriastruct {
    static constexpr std::size_t size = 48;
    std::string namn;
    std::int32_t nr = 0;
    std::int32_t pris = 0;
    void encode(std::uint8_t* out) const;
    static egenkategoriastruct decode(const std::uint8_t* in);
    bool operator==(const egenkategoriastruct&) const = default;
};
