// Hand-made players, games and standings rows for the report tests, and a comparison that
// shows where two texts first differ.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "lott/reports/report_input.h"

namespace reports::testing {

inline spelarstructtva player(int nr, std::string namn, std::string klubb, int ranking = 0) {
    spelarstructtva p;
    p.nr = nr;
    p.namn = std::move(namn);
    p.klubb = std::move(klubb);
    p.ranking = ranking;
    return p;
}

inline spelarstructc row(int nr, std::string namn, std::string klubb, double poang, double kvalitet,
                         int ranking = 0) {
    spelarstructc s;
    s.nr = nr;
    s.namn = std::move(namn);
    s.klubb = std::move(klubb);
    s.poang = poang;
    s.kvalitet = kvalitet;
    s.ranking = ranking;
    return s;
}

inline partistruct game(int rond, int bord, int vit, int svart, int resultat) {
    partistruct g;
    g.rond = rond;
    g.bord = bord;
    g.vit = vit;
    g.svart = svart;
    g.resultat = resultat;
    return g;
}

inline valfristruct valfri(int rond, int bord, int vit, int svart, double v, double s) {
    valfristruct g;
    g.turnnr = 1;
    g.rond = rond;
    g.bord = bord;
    g.vit = vit;
    g.svart = svart;
    g.vitresultat = v;
    g.svartresultat = s;
    return g;
}

// Fails with the offset and the surroundings of the first difference.
inline ::testing::AssertionResult sameText(const std::string& expected, const std::string& actual) {
    if (expected == actual) return ::testing::AssertionSuccess();
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    const std::size_t from = at > 40 ? at - 40 : 0;
    return ::testing::AssertionFailure()
           << "first difference at byte " << at << "\n expected: ..." << expected.substr(from, 100)
           << "\n   actual: ..." << actual.substr(from, 100);
}

} // namespace reports::testing
