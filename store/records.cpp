#include "store/records.h"

#include "store/bytes.h"

using store::ByteReader;
using store::ByteWriter;

void turneringsstruct::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.int32(filnamnint);
    w.text(tnamn, 40);
    w.int32(antalronder);
    w.int32(system);
}
turneringsstruct turneringsstruct::decode(const std::uint8_t* in) {
    ByteReader r(in);
    turneringsstruct t;
    t.filnamnint = r.int32();
    t.tnamn = r.text(40);
    t.antalronder = r.int32();
    t.system = r.int32();
    return t;
}

void lottcstruct::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.int32(turnkat);
    w.text(tnamn, 40);
    w.int32(antalronder);
    w.int32(system);
}
lottcstruct lottcstruct::decode(const std::uint8_t* in) {
    ByteReader r(in);
    lottcstruct t;
    t.turnkat = r.int32();
    t.tnamn = r.text(40);
    t.antalronder = r.int32();
    t.system = r.int32();
    return t;
}

void tillbehorstruct::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.int32(filnamnint);
    w.int32(penningpriser);
    w.int32(rankinggrupper);
    w.int32(egenkategori);
    w.int32(elotitel);
}
tillbehorstruct tillbehorstruct::decode(const std::uint8_t* in) {
    ByteReader r(in);
    tillbehorstruct t;
    t.filnamnint = r.int32();
    t.penningpriser = r.int32();
    t.rankinggrupper = r.int32();
    t.egenkategori = r.int32();
    t.elotitel = r.int32();
    return t;
}

void poangsystem::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.int32(poang);
    w.int32(turn);
}
poangsystem poangsystem::decode(const std::uint8_t* in) {
    ByteReader r(in);
    poangsystem p;
    p.poang = r.int32();
    p.turn = r.int32();
    return p;
}

void vilkenschweizerstruct::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.int32(vilken);
    w.int32(turnnr);
}
vilkenschweizerstruct vilkenschweizerstruct::decode(const std::uint8_t* in) {
    ByteReader r(in);
    vilkenschweizerstruct v;
    v.vilken = r.int32();
    v.turnnr = r.int32();
    return v;
}

void vilkstruct::encode(std::uint8_t* out) const {
    ByteWriter(out).int32(intnr);
}
vilkstruct vilkstruct::decode(const std::uint8_t* in) {
    return {ByteReader(in).int32()};
}

void vrstruct::encode(std::uint8_t* out) const {
    ByteWriter(out).int32(valdrond);
}
vrstruct vrstruct::decode(const std::uint8_t* in) {
    return {ByteReader(in).int32()};
}

void spelarstructtva::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.int32(nr);
    w.text(namn, 30);
    w.text(klubb, 30);
    w.int32(ranking);
    w.int32(elo);
    w.int32(egenkategori);
}
spelarstructtva spelarstructtva::decode(const std::uint8_t* in) {
    ByteReader r(in);
    spelarstructtva s;
    s.nr = r.int32();
    s.namn = r.text(30);
    s.klubb = r.text(30);
    s.ranking = r.int32();
    s.elo = r.int32();
    s.egenkategori = r.int32();
    return s;
}

void spelarstructtvac::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.int32(nr);
    w.text(namn, 30);
    w.text(klubb, 30);
    w.int32(ranking);
    w.float64(poang);
    w.int32(antalvita);
    w.float64(kvalitet);
}
spelarstructtvac spelarstructtvac::decode(const std::uint8_t* in) {
    ByteReader r(in);
    spelarstructtvac s;
    s.nr = r.int32();
    s.namn = r.text(30);
    s.klubb = r.text(30);
    s.ranking = r.int32();
    s.poang = r.float64();
    s.antalvita = r.int32();
    s.kvalitet = r.float64();
    return s;
}

void partistruct::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.int32(vit);
    w.int32(svart);
    w.int32(bord);
    w.int32(resultat);
    w.int32(rond);
}
partistruct partistruct::decode(const std::uint8_t* in) {
    ByteReader r(in);
    partistruct p;
    p.vit = r.int32();
    p.svart = r.int32();
    p.bord = r.int32();
    p.resultat = r.int32();
    p.rond = r.int32();
    return p;
}

std::int32_t valfristruct::resultatkod() const {
    if (vitresultat > svartresultat) return resVitVinst;
    if (vitresultat < svartresultat) return resSvartVinst;
    return resRemi;
}
void valfristruct::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.int32(turnnr);
    w.int32(vit);
    w.int32(svart);
    w.int32(bord);
    w.int32(rond);
    w.float64(vitresultat);
    w.float64(svartresultat);
}
valfristruct valfristruct::decode(const std::uint8_t* in) {
    ByteReader r(in);
    valfristruct v;
    v.turnnr = r.int32();
    v.vit = r.int32();
    v.svart = r.int32();
    v.bord = r.int32();
    v.rond = r.int32();
    v.vitresultat = r.float64();
    v.svartresultat = r.float64();
    return v;
}

void penningstruct::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.int32(delasellerej);
    w.int32(nr);
    w.int32(pris);
}
penningstruct penningstruct::decode(const std::uint8_t* in) {
    ByteReader r(in);
    penningstruct p;
    p.delasellerej = r.int32();
    p.nr = r.int32();
    p.pris = r.int32();
    return p;
}

void rankingstruct::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.int32(delasellerej);
    w.int32(antalgr);
    w.int32(spelarepergr);
    w.int32(franochmed);
    w.int32(rpris);
}
rankingstruct rankingstruct::decode(const std::uint8_t* in) {
    ByteReader r(in);
    rankingstruct g;
    g.delasellerej = r.int32();
    g.antalgr = r.int32();
    g.spelarepergr = r.int32();
    g.franochmed = r.int32();
    g.rpris = r.int32();
    return g;
}

void elostructab::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.int32(nr);
    w.int32(elo);
    w.text(titel, 30);
}
elostructab elostructab::decode(const std::uint8_t* in) {
    ByteReader r(in);
    elostructab e;
    e.nr = r.int32();
    e.elo = r.int32();
    e.titel = r.text(30);
    return e;
}

void egenkategoriastruct::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.text(namn, 40);
    w.int32(nr);
    w.int32(pris);
}
egenkategoriastruct egenkategoriastruct::decode(const std::uint8_t* in) {
    ByteReader r(in);
    egenkategoriastruct k;
    k.namn = r.text(40);
    k.nr = r.int32();
    k.pris = r.int32();
    return k;
}
