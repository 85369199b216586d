#include "rank/berakning/verkstallda_perioder.h"

#include <algorithm>

#include "store/bytes.h"
#include "store/files.h"

namespace rank {

void verkstalldperiodstruct::encode(std::uint8_t* out) const {
    store::ByteWriter(out).int32(period);
}

verkstalldperiodstruct verkstalldperiodstruct::decode(const std::uint8_t* in) {
    return {store::ByteReader(in).int32()};
}

bool periodenVerkstalld(int period) {
    const auto gjorda = store::touchAndReadAll<verkstalldperiodstruct>(fil::VERKPER);
    return std::any_of(gjorda.begin(), gjorda.end(),
                       [period](const verkstalldperiodstruct& v) { return v.period == period; });
}

void noteraVerkstalld(int period) {
    store::appendOne(fil::VERKPER, verkstalldperiodstruct{period});
}

} // namespace rank
