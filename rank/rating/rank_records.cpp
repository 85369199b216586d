#include "rank/rating/rank_records.h"

#include "store/bytes.h"

using store::ByteReader;
using store::ByteWriter;

namespace rank {

void spelarstruct::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.text(namn, kNamnBredd);
    w.text(fodelsedata, 20);
    w.int32(ranking);
    w.text(klass, 10);
    w.int32(nyspelare);
    w.text(gammalklubb, 30);
}
spelarstruct spelarstruct::decode(const std::uint8_t* in) {
    ByteReader r(in);
    spelarstruct s;
    s.namn = r.text(kNamnBredd);
    s.fodelsedata = r.text(20);
    s.ranking = r.int32();
    s.klass = r.text(10);
    s.nyspelare = r.int32();
    s.gammalklubb = r.text(30);
    return s;
}

void allastruct::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.text(egenspelare, kNamnBredd);
    w.text(namn, kNamnBredd);
    w.int32(ranking);
    w.int32(resultat);
    w.text(klubb, 30);
    w.text(turnering, 30);
    w.text(datum, 20);
    w.int32(period);
}
allastruct allastruct::decode(const std::uint8_t* in) {
    ByteReader r(in);
    allastruct a;
    a.egenspelare = r.text(kNamnBredd);
    a.namn = r.text(kNamnBredd);
    a.ranking = r.int32();
    a.resultat = r.int32();
    a.klubb = r.text(30);
    a.turnering = r.text(30);
    a.datum = r.text(20);
    a.period = r.int32();
    return a;
}

void tallastruct::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.text(egenspelare, kNamnBredd);
    w.text(namn, kNamnBredd);
    w.int32(rankingandring);
    w.int32(period);
}
tallastruct tallastruct::decode(const std::uint8_t* in) {
    ByteReader r(in);
    tallastruct t;
    t.egenspelare = r.text(kNamnBredd);
    t.namn = r.text(kNamnBredd);
    t.rankingandring = r.int32();
    t.period = r.int32();
    return t;
}

void elostruct::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.text(namn, kNamnBredd);
    w.int32(elo);
}
elostruct elostruct::decode(const std::uint8_t* in) {
    ByteReader r(in);
    elostruct e;
    e.namn = r.text(kNamnBredd);
    e.elo = r.int32();
    return e;
}

void mailstruct::encode(std::uint8_t* out) const {
    ByteWriter w(out);
    w.text(namn, kNamnBredd);
    w.text(mail, 40);
}
mailstruct mailstruct::decode(const std::uint8_t* in) {
    ByteReader r(in);
    mailstruct m;
    m.namn = r.text(kNamnBredd);
    m.mail = r.text(40);
    return m;
}

void medpalistastruct::encode(std::uint8_t* out) const {
    ByteWriter(out).text(namn, kNamnBredd);
}
medpalistastruct medpalistastruct::decode(const std::uint8_t* in) {
    return {ByteReader(in).text(kNamnBredd)};
}

} // namespace rank
