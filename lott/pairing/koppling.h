// The seam between the pairing driver and the Swiss-type engine and standings, which live in
// their own modules. Each member is called by the driver exactly where it needs that step; an
// empty member means the step is not available, and the driver then reports the round as not
// pairable (grans at kGransLast) instead of pairing it some other way.
#pragma once
#include <functional>
#include <string>

struct LottState;

namespace parning {

struct SchweizerKoppling {
    // The standings in the form the Swiss pairing needs (called with st.schwanrop = 1): fills
    // st.parslistac best first, withdrawn players removed, a "Frirond" added when the count is
    // odd. Returns the value the driver keeps in globvanta.
    std::function<int(LottState& st)> stallningfunk;
    // Swiss-type engine entry points. Each reads the work files the driver left and writes the
    // pairing list into "LSKICKA"; false when it could not pair the round.
    std::function<bool(int valdrond, int frav, const std::string& sfnamnglob)> schweizera; // Nordic, round 1
    std::function<bool(int valdrond, int turnnr, const std::string& sfnamnglob)> schweizerc; // Swiss, round 1
    std::function<bool(int valdrond, int fgrans, int frav)> schweizerb; // Nordic, later rounds
    std::function<bool(int valdrond, int fgrans)> schweizerd;           // Swiss, later rounds
};

// The process-wide seam the driver uses by default. Modules that provide a step fill in its
// member (see koppling.cpp); until then it stays empty.
SchweizerKoppling& schweizerKoppling();

// Marker the driver passes to the Nordic Swiss entry points.
inline constexpr int kNordiskMarkering = 123;

} // namespace parning
