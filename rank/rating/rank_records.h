// The record types of the rating program's files, with their file names. "TALLA" is also written
// by the tournament export, so these codecs are shared. Each type has its byte size, its field
// order as stored (little-endian int32, Windows-1252 text fields of fixed width, NUL-terminated)
// and one codec, over the store's byte helpers. Text fields hold UTF-8 in memory; at most
// width-1 characters are stored. Names are the key of every file: a record belongs to the member
// whose stored name is exactly equal (case-sensitive, as read from its 30-byte field).
//
// These are the rating program's own records: rank::spelarstruct is a club member, not the
// tournament player record of the same name.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace rank {

namespace fil {
inline constexpr const char* SPEL = "SPEL";     // members
inline constexpr const char* ALLA = "ALLA";     // games
inline constexpr const char* TALLA = "TALLA";   // tournament rating changes
inline constexpr const char* ELO = "ELO";       // Elo numbers
inline constexpr const char* MAIL = "MAIL";     // e-mail addresses
inline constexpr const char* ILISTA = "ILISTA"; // members on the federation list
inline constexpr const char* AKLUBB = "AKLUBB"; // club name, one line without line end
inline constexpr const char* STANGT = "STANGT"; // "1" while a dialog is open, else "0"
inline constexpr const char* FONT = "FONT.DAT"; // text size of the list window
// scratch and pending files
inline constexpr const char* STEMP = "STEMP";         // new ratings before the commit; "SPEL" rewrite
inline constexpr const char* TSPEL = "TSPEL";         // "SPEL" rewrite when a member is updated
inline constexpr const char* ALA = "ALA";             // pending games; undo rewrite of "AA"
inline constexpr const char* AA = "AA";               // undo's working copy of "ALLA"
inline constexpr const char* TALA = "TALA";           // pending tournament changes
inline constexpr const char* ELOTEMP = "ELOTEMP";     // "ELO" rewrite
inline constexpr const char* TMAIL = "TMAIL";         // "MAIL" rewrite
inline constexpr const char* TILISTA = "TILISTA";     // "ILISTA" rewrite
inline constexpr const char* TEMPTALLA = "TEMPTALLA"; // "TALLA" rewrite by the tournament export
// folder of report files
inline constexpr const char* RANKINGUTSKRIFTER = "rankingutskrifter";
} // namespace fil

// Width of every name field, terminating NUL included.
inline constexpr std::size_t kNamnBredd = 30;

// A club member, in "SPEL". Layout: namn[30] 0, fodelsedata[20] 30, ranking 50, klass[10] 54,
// nyspelare 64, gammalklubb[30] 68.
struct spelarstruct {
    static constexpr std::size_t size = 98;
    std::string namn;
    std::string fodelsedata; // date of birth, free text
    std::int32_t ranking = 0;
    std::string klass;          // free text
    std::int32_t nyspelare = 0; // 1: new player for the federation list
    std::string gammalklubb;    // previous club; empty unless nyspelare is 1
    void encode(std::uint8_t* out) const;
    static spelarstruct decode(const std::uint8_t* in);
    bool operator==(const spelarstruct&) const = default;
};

// One game of one member, in "ALLA". Layout: egenspelare[30] 0, namn[30] 30, ranking 60,
// resultat 64, klubb[30] 68, turnering[30] 98, datum[20] 128, period 148.
struct allastruct {
    static constexpr std::size_t size = 152;
    std::string egenspelare;   // the member
    std::string namn;          // the opponent ("Ej angiven" when not given)
    std::int32_t ranking = 0;  // the opponent's rating
    std::int32_t resultat = 0; // from the member's side: 1 win, 2 loss, 3 draw
    std::string klubb;         // "Ej angiven" when not given
    std::string turnering;     // "Ej angiven" when not given
    std::string datum;         // free text; "Ej angivet" when not given
    std::int32_t period = 0;   // rating period index
    void encode(std::uint8_t* out) const;
    static allastruct decode(const std::uint8_t* in);
    bool operator==(const allastruct&) const = default;
};

// The rating change of one member over a whole tournament, in "TALLA". Layout: egenspelare[30] 0,
// namn[30] 30, rankingandring 60, period 64.
struct tallastruct {
    static constexpr std::size_t size = 68;
    std::string egenspelare;         // the member
    std::string namn;                // the tournament
    std::int32_t rankingandring = 0; // points to add
    std::int32_t period = 0;
    void encode(std::uint8_t* out) const;
    static tallastruct decode(const std::uint8_t* in);
    bool operator==(const tallastruct&) const = default;
};

// A member's Elo number, in "ELO". Layout: namn[30] 0, elo 30.
struct elostruct {
    static constexpr std::size_t size = 34;
    std::string namn;
    std::int32_t elo = 0; // shown only when greater than 0
    void encode(std::uint8_t* out) const;
    static elostruct decode(const std::uint8_t* in);
    bool operator==(const elostruct&) const = default;
};

// A member's e-mail address, in "MAIL". Layout: namn[30] 0, mail[40] 30.
struct mailstruct {
    static constexpr std::size_t size = 70;
    std::string namn;
    std::string mail;
    void encode(std::uint8_t* out) const;
    static mailstruct decode(const std::uint8_t* in);
    bool operator==(const mailstruct&) const = default;
};

// A member on the federation list, in "ILISTA". Layout: namn[30] 0.
struct medpalistastruct {
    static constexpr std::size_t size = 30;
    std::string namn;
    void encode(std::uint8_t* out) const;
    static medpalistastruct decode(const std::uint8_t* in);
    bool operator==(const medpalistastruct&) const = default;
};

} // namespace rank
