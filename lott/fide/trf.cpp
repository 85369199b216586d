#include "lott/fide/trf.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <set>

#include "lott/fide/ascii_namn.h"
#include "lott/results/stallning.h"
#include "store/text.h"
#include "store/tournament.h"

namespace fide {
namespace {

bool slutfort(int resultat) {
    switch (resultat) {
    case resVitVinst:
    case resSvartVinst:
    case resRemi:
    case resDiskval:
    case resVitWo:
    case resSvartWo: return true;
    default: return false;
    }
}

// Right-aligned in `bredd` characters (a longer text is cut at its end).
std::string hoger(const std::string& s, std::size_t bredd) {
    const std::size_t n = store::charCount(s);
    if (n >= bredd) return store::firstChars(s, bredd);
    return std::string(bredd - n, ' ') + s;
}

// Left-aligned, padded or cut to `bredd` characters.
std::string vanster(const std::string& s, std::size_t bredd) {
    const std::size_t n = store::charCount(s);
    if (n >= bredd) return store::firstChars(s, bredd);
    return s + std::string(bredd - n, ' ');
}

// Points in half points, "%4.1f" without the C library: " 3.5", "10.0".
std::string poangText(int halvor) {
    std::string s = std::to_string(halvor / 2) + (halvor % 2 ? ".5" : ".0");
    return hoger(s, 4);
}

// Puts `text` at 1-based column `kol` of `rad`, padding with blanks.
void vid(std::string& rad, std::size_t kol, const std::string& text) {
    const std::size_t n = store::charCount(rad);
    if (n < kol - 1) rad += std::string(kol - 1 - n, ' ');
    rad += text;
}

struct Rutan {
    int motstandare = 0; // report number, 0 = none
    char farg = '-';
    char resultat = 'Z';
    int halvor = 0; // points of the round, in halves
};

} // namespace

std::string trfDatum(const std::string& d) {
    if (d.size() == 10) return d.substr(0, 4) + "/" + d.substr(5, 2) + "/" + d.substr(8, 2);
    return d; // a birth year alone
}

std::string trfRonddatum(const std::string& d) {
    if (d.size() != 10) return d;
    return d.substr(2, 2) + "/" + d.substr(5, 2) + "/" + d.substr(8, 2);
}

int senasteHelaRond(const std::vector<partistruct>& partier) {
    const int storsta = store::largestRound(partier);
    int forstaOppna = storsta + 1;
    for (const auto& p : partier)
        if (!slutfort(p.resultat) && p.rond >= 1) forstaOppna = std::min(forstaOppna, p.rond);
    return forstaOppna - 1;
}

TrfUtfall trfRapport(const TrfIndata& in) {
    TrfUtfall ut;
    const auto text = [&](const std::string& s) { return in.utanAccenter ? utanAccenter(s) : s; };

    // The real players in start-number order, numbered 1..k for the report.
    std::vector<spelarstructtva> riktiga;
    for (const auto& s : in.spelare)
        if (!store::isBye(s.namn)) riktiga.push_back(s);
    std::stable_sort(riktiga.begin(), riktiga.end(), [](const auto& a, const auto& b) { return a.nr < b.nr; });
    std::map<int, int> rapportnr;
    for (std::size_t i = 0; i < riktiga.size(); ++i)
        rapportnr[riktiga[i].nr] = static_cast<int>(i + 1);
    std::map<int, const SpelarUppgift*> uppgift;
    for (const auto& u : in.uppgifter)
        uppgift[u.nr] = &u;

    // --- refusals: everything the organiser must fix, all at once
    if (in.poangval == 4)
        ut.fel.push_back("Turneringen har valfri poängräkning (\"Valfritt\"); en FIDE-rapport kräver partier med resultat.");
    if (in.rond < 1) ut.fel.push_back("Ingen rond är färdigspelad.");
    std::vector<const partistruct*> partier;
    for (const auto& p : in.partier) {
        if (p.rond < 1 || p.rond > in.rond) continue;
        if (!slutfort(p.resultat))
            ut.fel.push_back("Rond " + std::to_string(p.rond) + ", bord " + std::to_string(p.bord) +
                             ": partiet saknar slutresultat.");
        partier.push_back(&p);
    }
    const TurneringsUppgift& t = in.turnering;
    const auto kravs = [&](const std::string& v, const std::string& vad) {
        if (v.empty()) ut.fel.push_back("Turneringen saknar " + vad + ".");
    };
    kravs(t.stad, "ort");
    kravs(t.federation, "federation");
    kravs(t.startdatum, "startdatum");
    kravs(t.slutdatum, "slutdatum");
    kravs(t.huvuddomare, "huvuddomare");
    for (const std::string& f : {felIFederation(t.federation), felIDatum(t.startdatum), felIDatum(t.slutdatum),
                                 felIFideId(t.huvuddomareId)})
        if (!f.empty()) ut.fel.push_back("Turneringen: " + f);
    for (int r = 1; r <= in.rond; ++r) {
        const auto it = t.ronddatum.find(r);
        const std::string d = it == t.ronddatum.end() ? std::string() : it->second;
        if (d.empty()) ut.fel.push_back("Rond " + std::to_string(r) + " saknar datum.");
        else if (!felIDatum(d).empty()) ut.fel.push_back("Rond " + std::to_string(r) + ": " + felIDatum(d));
    }
    for (const auto& s : riktiga) {
        const std::string vem = std::to_string(s.nr) + " " + s.namn + ": ";
        const auto it = uppgift.find(s.nr);
        if (it == uppgift.end()) {
            ut.fel.push_back(vem + "uppgifter saknas.");
            continue;
        }
        const SpelarUppgift& u = *it->second;
        if (u.rapportnamn.empty()) ut.fel.push_back(vem + "rapportnamn saknas.");
        if (u.federation.empty()) ut.fel.push_back(vem + "federation saknas.");
        if (u.fideid.empty() && u.fodd.empty()) ut.fel.push_back(vem + "FIDE-id eller födelsedatum saknas.");
        for (const auto& f : felISpelare(u))
            ut.fel.push_back(vem + f);
    }
    if (!ut.fel.empty()) return ut;

    // --- the rounds of every player
    std::vector<std::vector<Rutan>> rutor(riktiga.size(), std::vector<Rutan>(in.rond));
    std::vector<std::vector<bool>> satt(riktiga.size(), std::vector<bool>(in.rond, false));
    const auto satt_ = [&](int nr, int rond, const Rutan& r) {
        const auto it = rapportnr.find(nr);
        if (it == rapportnr.end()) return;
        const std::size_t i = static_cast<std::size_t>(it->second - 1);
        if (satt[i][rond - 1]) return; // a second game in one round: the first one counts
        satt[i][rond - 1] = true;
        rutor[i][rond - 1] = r;
    };
    for (const partistruct* p : partier) {
        const bool vitFinns = rapportnr.count(p->vit) > 0, svartFinns = rapportnr.count(p->svart) > 0;
        int v = 0, s = 0; // half points of white and black
        char rv = '0', rs = '0';
        switch (p->resultat) {
        case resVitVinst: v = 2, rv = '1', rs = '0'; break;
        case resSvartVinst: s = 2, rv = '0', rs = '1'; break;
        case resRemi: v = s = 1, rv = rs = '='; break;
        case resVitWo: v = 2, rv = '+', rs = '-'; break;
        case resSvartWo: s = 2, rv = '-', rs = '+'; break;
        default: rv = rs = '-'; break; // "diskval.": both lose
        }
        const auto bye = [](int halvor) { return Rutan{0, '-', halvor == 2 ? 'U' : halvor == 1 ? 'H' : 'Z', halvor}; };
        if (vitFinns && svartFinns) {
            satt_(p->vit, p->rond, Rutan{rapportnr[p->svart], 'w', rv, v});
            satt_(p->svart, p->rond, Rutan{rapportnr[p->vit], 'b', rs, s});
        } else if (vitFinns) {
            satt_(p->vit, p->rond, bye(v));
        } else if (svartFinns) {
            satt_(p->svart, p->rond, bye(s));
        }
    }

    // --- the tournament's own placement after the reported rounds
    stallning::Indata sin;
    sin.spelare = in.spelare;
    for (const partistruct* p : partier)
        sin.partier.push_back(*p);
    sin.utgadda = in.utgadda;
    sin.poangval = in.poangval;
    sin.progressiv = in.progressiv;
    sin.valdrond = in.rond;
    std::map<int, int> placering;
    int plats = 0;
    for (const auto& rad : stallning::berakna(sin).parslistac)
        if (!store::isBye(rad.namn) && rapportnr.count(rad.nr)) placering[rad.nr] = ++plats;

    // --- header
    std::string& o = ut.text;
    const auto rad = [&](const char* kod, const std::string& v) {
        if (!v.empty()) o += std::string(kod) + " " + text(v) + "\r\n";
    };
    int ratade = 0;
    for (const auto& s : riktiga)
        if (uppgift[s.nr]->elo > 0) ++ratade;
    rad("012", in.tnamn);
    rad("022", t.stad);
    rad("032", t.federation);
    rad("042", trfDatum(t.startdatum));
    rad("052", trfDatum(t.slutdatum));
    rad("062", std::to_string(riktiga.size()));
    rad("072", std::to_string(ratade));
    rad("092", t.typ);
    rad("102", t.huvuddomare + (t.huvuddomareId.empty() ? "" : " (" + t.huvuddomareId + ")"));
    {
        // Deputies and their IDs are listed pairwise, separated by ";".
        std::vector<std::string> namn, id;
        for (auto* lista : {&namn, &id}) {
            const std::string& kalla = lista == &namn ? t.biddomare : t.biddomareId;
            std::size_t from = 0;
            while (from <= kalla.size()) {
                auto at = kalla.find(';', from);
                if (at == std::string::npos) at = kalla.size();
                std::string d = kalla.substr(from, at - from);
                d.erase(0, d.find_first_not_of(' '));
                d.erase(d.find_last_not_of(' ') + 1);
                lista->push_back(d);
                from = at + 1;
            }
        }
        for (std::size_t i = 0; i < namn.size(); ++i)
            if (!namn[i].empty())
                rad("112", namn[i] + (i < id.size() && !id[i].empty() ? " (" + id[i] + ")" : ""));
    }
    rad("122", t.betanketid);
    std::string datumrad = "132";
    for (int r = 1; r <= in.rond; ++r)
        vid(datumrad, 92 + 10 * static_cast<std::size_t>(r - 1), trfRonddatum(t.ronddatum.at(r)));
    o += datumrad + "\r\n";

    // --- one 001 line per player
    for (std::size_t i = 0; i < riktiga.size(); ++i) {
        const SpelarUppgift& u = *uppgift[riktiga[i].nr];
        int halvor = 0;
        for (const Rutan& r : rutor[i])
            halvor += r.halvor;
        std::string l = "001";
        vid(l, 5, hoger(std::to_string(i + 1), 4));
        vid(l, 10, u.kon.empty() ? " " : u.kon);
        vid(l, 11, hoger(titelkod(u.titel), 3));
        vid(l, 15, vanster(text(u.rapportnamn), 33));
        vid(l, 49, u.elo > 0 ? hoger(std::to_string(u.elo), 4) : "    ");
        vid(l, 54, vanster(u.federation, 3));
        vid(l, 58, hoger(u.fideid, 11));
        vid(l, 70, vanster(trfDatum(u.fodd), 10));
        vid(l, 81, poangText(halvor));
        vid(l, 86, hoger(std::to_string(placering[riktiga[i].nr]), 4));
        for (int r = 0; r < in.rond; ++r) {
            const Rutan& ru = rutor[i][static_cast<std::size_t>(r)];
            std::string nr = std::to_string(ru.motstandare);
            nr = std::string(4 - std::min<std::size_t>(4, nr.size()), '0') + nr;
            vid(l, 92 + 10 * static_cast<std::size_t>(r), nr + " " + ru.farg + " " + ru.resultat);
        }
        o += l + "\r\n";
    }
    return ut;
}

} // namespace fide
