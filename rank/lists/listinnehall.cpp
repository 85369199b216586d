#include "rank/lists/listinnehall.h"

#include <algorithm>

namespace rank {

namespace {

// Space above the first line, in row heights.
constexpr double kOvreMarginal = 1.0;

double hojd(Stil s, const Typsnitt& t) {
    switch (s) {
    case Stil::Rubrik:
        return t.rubrik;
    case Stil::Text:
        return t.text;
    case Stil::Kolumnrubrik:
        return t.kolumnrubrik;
    case Stil::Rad:
        return t.rad;
    }
    return t.rad;
}

// The line step of a kind: rows use the list's row step, the head a fixed one.
double steg(Stil s, const Typsnitt& t) {
    return hojd(s, t) * (s == Stil::Rad ? t.radsteg : 1.5);
}

// Places one line whose top lies `fore` steps below `y`, and returns its top.
double placera(const Rad& rad, double y, bool forsta, double bredd, const Typsnitt& t, Sida& sida) {
    const double top = forsta ? y : y + rad.fore * steg(rad.stil, t);
    for (const Falt& f : rad.falt)
        if (!f.text.empty())
            sida.texter.push_back({f.x * bredd, top, hojd(rad.stil, t), f.text, f.hoger,
                                   rad.stil == Stil::Rubrik || rad.stil == Stil::Kolumnrubrik});
    return top;
}

} // namespace

Breddklass breddklass(int skarmbredd, bool storreText) {
    if (!storreText) return Breddklass::Smal;
    const int bredd = skarmbredd / 20 * 20;
    if (bredd < 750) return Breddklass::Smal;
    return bredd < 950 ? Breddklass::Mellan : Breddklass::Bred;
}

Typsnitt skarmtypsnitt(Breddklass klass, std::size_t poster, std::size_t litenFranOch) {
    Typsnitt t;
    switch (klass) {
    case Breddklass::Smal:
        t = {16, 12, 12, poster > litenFranOch ? 10.0 : 11.0, 1.6};
        break;
    case Breddklass::Mellan:
        t = {24, 16, 16, 12, 1.6};
        break;
    case Breddklass::Bred:
        t = {30, 22, 22, 16, 1.6};
        break;
    }
    if (poster > 60)
        t.radsteg = 1.25;
    else if (poster > 40)
        t.radsteg = 1.4;
    return t;
}

Sida layoutSida(const Listinnehall& lista, Sidintervall rader, bool forts, double bredd, const Typsnitt& t) {
    const std::vector<Rad>& huvud = forts && !lista.huvudForts.empty() ? lista.huvudForts : lista.huvud;
    Sida sida;
    double y = kOvreMarginal * t.rad;
    bool forsta = true;
    Stil senast = Stil::Rad;
    for (const Rad& r : huvud) {
        y = placera(r, y, forsta, bredd, t, sida);
        forsta = false;
        senast = r.stil;
    }
    const std::size_t till = std::min(rader.till, lista.rader.size());
    for (std::size_t i = rader.fran; i < till; ++i) {
        y = placera(lista.rader[i], y, forsta, bredd, t, sida);
        forsta = false;
        senast = lista.rader[i].stil;
    }
    sida.botten = y + steg(senast, t);
    return sida;
}

} // namespace rank
