// Player and event details for reporting to the federation, which the tournament's own records
// have no room for. They live in two files of their own beside the tournament's files:
//   "N.FIDE"  one line per player: start number, name in the start list, reporting name, sex,
//             title, FIDE rating, federation, FIDE ID, birth date, separated by tabs
//   "N.FIDET" the event: "key=value" lines (city, federation, dates, arbiters, time control,
//             type, and "rond.R" for the date of round R)
// Both are Windows-1252 text, replaced atomically; a missing file means no details yet.
#pragma once
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "store/records.h"

namespace fide {

struct SpelarUppgift {
    int nr = 0;
    std::string namn;        // the start list's name when saved: a check that the number still fits
    std::string rapportnamn; // "Efternamn, Förnamn"
    std::string kon;         // "m", "w" or empty
    std::string titel;       // GM, IM, WGM, FM, WIM, CM, WFM, WCM or empty
    int elo = 0;             // FIDE rating, 0 = none
    std::string federation = "SWE";
    std::string fideid; // digits only, empty = none
    std::string fodd;   // ÅÅÅÅ-MM-DD or ÅÅÅÅ, empty = unknown
    bool operator==(const SpelarUppgift&) const = default;
};

struct TurneringsUppgift {
    std::string stad;
    std::string federation = "SWE";
    std::string startdatum; // ÅÅÅÅ-MM-DD
    std::string slutdatum;
    std::string huvuddomare;
    std::string huvuddomareId;
    std::string biddomare;   // deputies, separated by ";"
    std::string biddomareId; // their FIDE IDs in the same order, separated by ";"
    std::string betanketid;  // time control as text, e.g. "90 min + 30 s/drag"
    std::string typ;         // e.g. "Schweizer", "Monrad"
    std::map<int, std::string> ronddatum; // round -> ÅÅÅÅ-MM-DD
    bool operator==(const TurneringsUppgift&) const = default;
};

std::string spelarfil(int turnnr);     // "N.FIDE"
std::string turneringsfil(int turnnr); // "N.FIDET"

// "Anna Maria Ek" -> "Ek, Anna Maria": the last word first. One word stays as it is.
std::string rapportnamnAv(const std::string& namn);
// The inverse for import: "Ek, Anna Maria" -> "Anna Maria Ek"; a name without a comma stays.
std::string namnAvRapportnamn(const std::string& rapportnamn);

std::vector<SpelarUppgift> lasSpelaruppgifter(int turnnr);
void skrivSpelaruppgifter(int turnnr, const std::vector<SpelarUppgift>& uppgifter);
TurneringsUppgift lasTurneringsuppgift(int turnnr);
void skrivTurneringsuppgift(int turnnr, const TurneringsUppgift& t);

// The text forms of both files (what the functions above read and write, UTF-8 here).
std::string spelartext(const std::vector<SpelarUppgift>& uppgifter);
std::vector<SpelarUppgift> tolkaSpelartext(const std::string& text);
std::string turneringstext(const TurneringsUppgift& t);
TurneringsUppgift tolkaTurneringstext(const std::string& text);

// The details of every real player of a start list (the bye left out), in start-list order: the
// stored line with the same number and name; else the only stored line with that name (start
// numbers change when a start list is redrawn or the first round taken back); else the defaults:
// the reporting name from the name, the Elo and a FIDE title from the ".E" records.
std::vector<SpelarUppgift> uppgifterFor(const std::vector<spelarstructtva>& startlista,
                                        const std::vector<SpelarUppgift>& lagrade,
                                        const std::vector<elostructab>& elo);
// The same from the tournament's files (".T", "N.FIDE", ".E"; none is created).
std::vector<SpelarUppgift> uppgifterForTurnering(int turnnr);

// Records the date of round `rond` ("ÅÅÅÅ-MM-DD" of `nar`) unless one is already recorded.
void noteraRonddatum(int turnnr, int rond, const std::tm& nar);
std::string datumText(const std::tm& nar);

// What is wrong with a typed value, in a sentence for the organiser; empty when it is fine.
// Empty values are fine (they are required only by the report, which says so itself).
std::string felIFideId(const std::string& s);
std::string felIDatum(const std::string& s);     // ÅÅÅÅ-MM-DD, a real date
std::string felIFodd(const std::string& s);      // ÅÅÅÅ-MM-DD or ÅÅÅÅ
std::string felITitel(const std::string& s);     // one of the FIDE titles
std::string felIKon(const std::string& s);       // m or w
std::string felIFederation(const std::string& s); // three capital letters
std::string felIElo(const std::string& s);        // 0 or 1000..3500
// Every problem of one player's details, each a sentence naming the field.
std::vector<std::string> felISpelare(const SpelarUppgift& u);

// The FIDE titles as typed ("GM", ...), and the format's short code for one ("g", "m", "wg", ...).
const std::vector<std::string>& fideTitlar();
std::string titelkod(const std::string& titel);

} // namespace fide
