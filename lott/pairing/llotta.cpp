#include "lott/pairing/llotta.h"

#include "lott/pairing/monrad.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"

namespace parning {

std::vector<partistruct> lasSkickap() {
    return store::touchAndReadAll<partistruct>(store::fil::SKICKAP);
}

std::vector<spelarstructtva> lankaupp() {
    auto lista = store::touchAndReadAll<spelarstructtva>(store::fil::LSKICKA);
    for (auto& s : lista)
        s = utanElo(s);
    return lista;
}

std::vector<spelarstructtvac> lankauppMedPoang() {
    return store::touchAndReadAll<spelarstructtvac>(store::fil::LSKICKA);
}

void skickatillbaks(const Parlista& lista) {
    Parlista ut;
    ut.reserve(lista.size());
    for (const auto& s : lista)
        ut.push_back(utanElo(s));
    store::writeWorkFile(store::fil::LSKICKA, ut);
}

char lasVilksy() {
    const std::string text = store::touchAndReadText(store::fil::VILKSY);
    return text.empty() ? '0' : text.front();
}

void LLotta::monrada(int /*valdrond*/) {
    skickatillbaks(parning::monrada(lankaupp()));
}

bool LLotta::monradb(int valdrond, int /*fgrans*/, const std::string& sfnamnglob, int poangval, int turnnr) {
    MonradIndata in;
    in.partier = lasSkickap();
    in.spelare = lankaupp();
    in.valdrond = valdrond;
    in.vilksy = lasVilksy();
    // The withdrawn players' file: the tournament number followed by ".U".
    const std::string stam = sfnamnglob.substr(0, sfnamnglob.find('.'));
    for (const auto& s : store::touchAndReadAll<spelarstructtva>(stam + ".U"))
        in.utgatt.push_back(s.nr);
    if (poangval == 4) {
        in.valfritt = true;
        in.valfri = store::readValfri(turnnr);
    }
    const Lottningsutfall utfall = parning::monradb(in);
    if (!utfall.klar) return false;
    skickatillbaks(utfall.lista);
    return true;
}

} // namespace parning
