// Records of the rating program's files for tests, built the same way everywhere: a member by
// name and rating, a game from the member's side, a tournament change.
#pragma once
#include <string>

#include "rank/rating/rank_records.h"

namespace rankpost {

inline rank::spelarstruct medlem(const std::string& namn, int ranking, const std::string& klass = "") {
    rank::spelarstruct s;
    s.namn = namn;
    s.ranking = ranking;
    s.klass = klass;
    return s;
}

// Member `egen` met `mot` (rated `ranking`) in `period`; `resultat` 1 win, 2 loss, 3 draw.
inline rank::allastruct parti(const std::string& egen, const std::string& mot, int ranking, int resultat,
                              int period, const std::string& datum = "Ej angivet") {
    return {egen, mot, ranking, resultat, "Ej angiven", "Ej angiven", datum, period};
}

inline rank::tallastruct andring(const std::string& egen, const std::string& turnering, int poang,
                                 int period) {
    return {egen, turnering, poang, period};
}

} // namespace rankpost
