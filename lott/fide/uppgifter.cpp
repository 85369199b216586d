#include "lott/fide/uppgifter.h"

#include <algorithm>
#include <charconv>

#include "store/files.h"
#include "store/tournament.h"
#include "store/text.h"

namespace fide {
namespace {

std::string trim(const std::string& s) {
    const auto a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return {};
    const auto b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

// A field never carries the separators of the file: tabs and line ends become blanks.
std::string falt(std::string s) {
    for (char& c : s)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return s;
}

std::vector<std::string> dela(const std::string& rad, char sep) {
    std::vector<std::string> delar;
    std::size_t from = 0;
    for (;;) {
        const auto at = rad.find(sep, from);
        delar.push_back(rad.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos) return delar;
        from = at + 1;
    }
}

int tal(const std::string& s) {
    int v = 0;
    const std::string t = trim(s);
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    return r.ec == std::errc() && r.ptr == t.data() + t.size() ? v : 0;
}

std::string lasFil(const std::string& namn) {
    const auto bytes = store::readBytesIfPresent(namn);
    return store::fromCp1252(std::string(bytes.begin(), bytes.end()));
}

void skrivFil(const std::string& namn, const std::string& text) {
    const std::string cp = store::toCp1252(text);
    store::replaceBytes(namn, std::vector<std::uint8_t>(cp.begin(), cp.end()));
}

bool siffror(const std::string& s, std::size_t from, std::size_t n) {
    if (s.size() < from + n) return false;
    for (std::size_t i = from; i < from + n; ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

} // namespace

std::string spelarfil(int turnnr) {
    return std::to_string(turnnr) + ".FIDE";
}
std::string turneringsfil(int turnnr) {
    return std::to_string(turnnr) + ".FIDET";
}

std::string rapportnamnAv(const std::string& namn) {
    const std::string t = trim(namn);
    const auto sista = t.find_last_of(' ');
    if (sista == std::string::npos) return t;
    return t.substr(sista + 1) + ", " + trim(t.substr(0, sista));
}

std::string namnAvRapportnamn(const std::string& rapportnamn) {
    const auto komma = rapportnamn.find(',');
    if (komma == std::string::npos) return trim(rapportnamn);
    const std::string efter = trim(rapportnamn.substr(0, komma));
    const std::string for_ = trim(rapportnamn.substr(komma + 1));
    if (for_.empty()) return efter;
    return for_ + " " + efter;
}

std::string spelartext(const std::vector<SpelarUppgift>& uppgifter) {
    std::string out;
    for (const auto& u : uppgifter) {
        out += std::to_string(u.nr) + '\t' + falt(u.namn) + '\t' + falt(u.rapportnamn) + '\t' + falt(u.kon) +
               '\t' + falt(u.titel) + '\t' + std::to_string(u.elo) + '\t' + falt(u.federation) + '\t' +
               falt(u.fideid) + '\t' + falt(u.fodd) + '\n';
    }
    return out;
}

std::vector<SpelarUppgift> tolkaSpelartext(const std::string& text) {
    std::vector<SpelarUppgift> ut;
    for (const auto& rad : dela(text, '\n')) {
        const auto f = dela(rad, '\t');
        if (f.size() < 9 || tal(f[0]) <= 0) continue; // a damaged line is left out
        SpelarUppgift u;
        u.nr = tal(f[0]);
        u.namn = f[1];
        u.rapportnamn = f[2];
        u.kon = f[3];
        u.titel = f[4];
        u.elo = tal(f[5]);
        u.federation = f[6];
        u.fideid = f[7];
        u.fodd = trim(f[8]);
        ut.push_back(u);
    }
    return ut;
}

std::string turneringstext(const TurneringsUppgift& t) {
    std::string out;
    const auto rad = [&](const char* nyckel, const std::string& v) { out += std::string(nyckel) + '=' + falt(v) + '\n'; };
    rad("stad", t.stad);
    rad("federation", t.federation);
    rad("start", t.startdatum);
    rad("slut", t.slutdatum);
    rad("huvuddomare", t.huvuddomare);
    rad("huvuddomare.id", t.huvuddomareId);
    rad("biddomare", t.biddomare);
    rad("biddomare.id", t.biddomareId);
    rad("betanketid", t.betanketid);
    rad("typ", t.typ);
    for (const auto& [rond, datum] : t.ronddatum)
        out += "rond." + std::to_string(rond) + '=' + falt(datum) + '\n';
    return out;
}

TurneringsUppgift tolkaTurneringstext(const std::string& text) {
    TurneringsUppgift t;
    for (const auto& rad : dela(text, '\n')) {
        const auto lika = rad.find('=');
        if (lika == std::string::npos) continue;
        const std::string k = rad.substr(0, lika);
        const std::string v = trim(rad.substr(lika + 1));
        if (k == "stad") t.stad = v;
        else if (k == "federation") t.federation = v;
        else if (k == "start") t.startdatum = v;
        else if (k == "slut") t.slutdatum = v;
        else if (k == "huvuddomare") t.huvuddomare = v;
        else if (k == "huvuddomare.id") t.huvuddomareId = v;
        else if (k == "biddomare") t.biddomare = v;
        else if (k == "biddomare.id") t.biddomareId = v;
        else if (k == "betanketid") t.betanketid = v;
        else if (k == "typ") t.typ = v;
        else if (k.rfind("rond.", 0) == 0 && tal(k.substr(5)) > 0) t.ronddatum[tal(k.substr(5))] = v;
    }
    return t;
}

std::vector<SpelarUppgift> lasSpelaruppgifter(int turnnr) {
    return tolkaSpelartext(lasFil(spelarfil(turnnr)));
}
void skrivSpelaruppgifter(int turnnr, const std::vector<SpelarUppgift>& uppgifter) {
    skrivFil(spelarfil(turnnr), spelartext(uppgifter));
}
TurneringsUppgift lasTurneringsuppgift(int turnnr) {
    return tolkaTurneringstext(lasFil(turneringsfil(turnnr)));
}
void skrivTurneringsuppgift(int turnnr, const TurneringsUppgift& t) {
    skrivFil(turneringsfil(turnnr), turneringstext(t));
}

std::vector<SpelarUppgift> uppgifterFor(const std::vector<spelarstructtva>& startlista,
                                        const std::vector<SpelarUppgift>& lagrade,
                                        const std::vector<elostructab>& elo) {
    std::vector<SpelarUppgift> ut;
    for (const auto& p : startlista) {
        if (store::isBye(p.namn)) continue;
        const SpelarUppgift* hittad = nullptr;
        for (const auto& u : lagrade)
            if (u.nr == p.nr && u.namn == p.namn) hittad = &u;
        if (!hittad) {
            int antal = 0;
            for (const auto& u : lagrade)
                if (u.namn == p.namn) {
                    hittad = &u;
                    ++antal;
                }
            if (antal != 1) hittad = nullptr;
        }
        SpelarUppgift u;
        if (hittad) {
            u = *hittad;
        } else {
            u.rapportnamn = rapportnamnAv(p.namn);
            // The Elo of the ".E" file; its last record for the number wins, as the dialog writes it.
            for (const auto& e : elo)
                if (e.nr == p.nr) {
                    if (e.elo > 0) u.elo = e.elo;
                    if (felITitel(trim(e.titel)).empty()) u.titel = trim(e.titel);
                }
        }
        u.nr = p.nr;
        u.namn = p.namn;
        ut.push_back(u);
    }
    return ut;
}

std::vector<SpelarUppgift> uppgifterForTurnering(int turnnr) {
    return uppgifterFor(store::readAllIfPresent<spelarstructtva>(store::tournamentFile(turnnr, 'T')),
                        lasSpelaruppgifter(turnnr),
                        store::readAllIfPresent<elostructab>(store::tournamentFile(turnnr, 'E')));
}

std::string datumText(const std::tm& nar) {
    char buf[16];
    const auto tva = [](char* at, int v) {
        at[0] = static_cast<char>('0' + (v / 10) % 10);
        at[1] = static_cast<char>('0' + v % 10);
    };
    const int ar = nar.tm_year + 1900;
    buf[0] = static_cast<char>('0' + (ar / 1000) % 10);
    buf[1] = static_cast<char>('0' + (ar / 100) % 10);
    tva(buf + 2, ar);
    buf[4] = '-';
    tva(buf + 5, nar.tm_mon + 1);
    buf[7] = '-';
    tva(buf + 8, nar.tm_mday);
    return std::string(buf, 10);
}

void noteraRonddatum(int turnnr, int rond, const std::tm& nar) {
    if (rond <= 0) return;
    TurneringsUppgift t = lasTurneringsuppgift(turnnr);
    if (!t.ronddatum[rond].empty()) return;
    t.ronddatum[rond] = datumText(nar);
    skrivTurneringsuppgift(turnnr, t);
}

std::string felIFideId(const std::string& s) {
    if (s.empty()) return {};
    if (s.size() > 11) return "FIDE-id får ha högst 11 siffror.";
    if (!siffror(s, 0, s.size())) return "FIDE-id får bara innehålla siffror.";
    return {};
}

std::string felIDatum(const std::string& s) {
    if (s.empty()) return {};
    if (s.size() != 10 || !siffror(s, 0, 4) || s[4] != '-' || !siffror(s, 5, 2) || s[7] != '-' || !siffror(s, 8, 2))
        return "Datum skrivs ÅÅÅÅ-MM-DD.";
    const int ar = tal(s.substr(0, 4)), man = tal(s.substr(5, 2)), dag = tal(s.substr(8, 2));
    static const int dagar[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (man < 1 || man > 12) return "Månaden finns inte: " + s + ".";
    const bool skott = (ar % 4 == 0 && ar % 100 != 0) || ar % 400 == 0;
    const int max = dagar[man - 1] + (man == 2 && skott ? 1 : 0);
    if (dag < 1 || dag > max || ar < 1900) return "Dagen finns inte: " + s + ".";
    return {};
}

std::string felIFodd(const std::string& s) {
    if (s.size() == 4 && siffror(s, 0, 4)) return tal(s) >= 1900 ? std::string() : "Födelseåret är orimligt.";
    if (!felIDatum(s).empty()) return "Födelsedatum skrivs ÅÅÅÅ-MM-DD eller ÅÅÅÅ.";
    return {};
}

const std::vector<std::string>& fideTitlar() {
    static const std::vector<std::string> t = {"GM", "IM", "WGM", "FM", "WIM", "CM", "WFM", "WCM"};
    return t;
}

std::string titelkod(const std::string& titel) {
    static const std::map<std::string, std::string> kod = {{"GM", "g"},  {"IM", "m"},  {"WGM", "wg"},
                                                           {"FM", "f"},  {"WIM", "wm"}, {"CM", "c"},
                                                           {"WFM", "wf"}, {"WCM", "wc"}};
    const auto it = kod.find(titel);
    return it == kod.end() ? std::string() : it->second;
}

std::string felITitel(const std::string& s) {
    if (s.empty() || !titelkod(s).empty()) return {};
    return "Titeln ska vara GM, IM, WGM, FM, WIM, CM, WFM eller WCM.";
}

std::string felIKon(const std::string& s) {
    if (s.empty() || s == "m" || s == "w") return {};
    return "Kön skrivs m eller w.";
}

std::string felIFederation(const std::string& s) {
    if (s.empty()) return {};
    if (s.size() == 3 && std::all_of(s.begin(), s.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) return {};
    return "Federationen skrivs med tre versaler, t.ex. SWE.";
}

std::string felIElo(const std::string& s) {
    if (s.empty()) return {};
    if (!siffror(s, 0, s.size()) || s.size() > 4) return "FIDE-rating får bara innehålla siffror.";
    const int v = tal(s);
    if (v != 0 && (v < 1000 || v > 3500)) return "FIDE-rating ska ligga mellan 1000 och 3500.";
    return {};
}

std::vector<std::string> felISpelare(const SpelarUppgift& u) {
    std::vector<std::string> fel;
    for (const std::string& f : {felIKon(u.kon), felITitel(u.titel), felIElo(u.elo ? std::to_string(u.elo) : ""),
                                 felIFederation(u.federation), felIFideId(u.fideid), felIFodd(u.fodd)})
        if (!f.empty()) fel.push_back(f);
    return fel;
}

} // namespace fide
