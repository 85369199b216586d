// The tournament web site in "webb/" of the tournament directory: a folder per tournament (its
// name made safe) with its pages, one front page listing every tournament newest first, and the
// shared style sheet. Pages are written only when their contents change, so that a refresh after
// every command costs little and a synced folder uploads only what changed.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "lott/webb/sidor.h"

namespace webb {

// Every page of one tournament, the front page last.
std::vector<Webbsida> turneringensSidor(const Turneringsdata& t);

// The folder of each tournament inside webb/: its name made safe, with "_" and its number added
// when an earlier tournament already has that folder.
std::vector<std::string> mappar(const std::vector<Turneringsdata>& alla);

struct Utfall {
    int sidor = 0;   // pages made
    int skrivna = 0; // pages whose contents changed and were written
};

// Writes the site of the tournaments in `alla` (every tournament of the directory, in "TURN"
// order) into `rot`. A tournament whose `hoppaOver` entry is true keeps its pages as they are.
// Pages of rounds a tournament no longer has (a round taken back) are removed.
Utfall skrivWebbplats(const std::vector<Turneringsdata>& alla, const std::string& rot = store::webb::kMapp,
                      const std::vector<bool>& hoppaOver = {});

// True when the working directory holds tournaments and the site's folder can be written there.
bool kanSkrivas();

// The site of the working directory, kept up to date by the running program: `uppdatera` reads
// the directory and rewrites the site of each tournament whose files changed since the last call;
// `publicera` rewrites every tournament's site. Both return the site's folder.
class Webbplats {
  public:
    // Takes the tournaments as they are at the program's start as published: a site is made or
    // changed only by a change to a tournament or by `publicera`.
    void borja(const Lottad& lottad);
    std::string uppdatera(const Lottad& lottad);
    std::string publicera(const Lottad& lottad);
    const Utfall& senaste() const { return senaste_; }

  private:
    std::string skriv(const Lottad& lottad, bool allt);
    std::map<int, std::string> signaturerNu(const std::vector<Turneringsdata>& alla,
                                            const Lottad& lottad) const;
    std::map<int, std::string> signaturer_; // per tournament: its files' sizes and times
    Utfall senaste_;
};

} // namespace webb
