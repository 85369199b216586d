// The export step on files: one tournament of the current directory into the rating program's
// "TALLA" of the directory the tool was started in.
#pragma once
#include <string>

namespace ratingbridge {

// The rating program's files the export rewrites: "TALLA" and its scratch copy "TEMPTALLA",
// both in the start directory, so that the tournament's directory is only read.
struct Ratingfiler {
    std::string talla;
    std::string temptalla;
    // The two files in `katalog`.
    static Ratingfiler i(const std::string& katalog);
};

enum class Exportutfall {
    Klart,              // "TALLA" holds the tournament's records
    TurneringenFinnsEj, // no "TURN" record with the number list position + 1; nothing written
};

// Exports the tournament at `listposition` (0-based) of the current directory's "TURN" for
// rating period `period`, counting the games from round `forstaRond` on. "TALLA" is rewritten
// once, atomically, through "TEMPTALLA", which is left holding the same records. The player file
// must exist (else the fatal file error); a missing game file counts as one without games.
Exportutfall exportera(const Ratingfiler& filer, int listposition, int period, int forstaRond);

} // namespace ratingbridge
