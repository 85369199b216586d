// What the pairing benchmarks share: a wall clock in milliseconds and the random results they
// play their rounds with (mostly decisive, some draws, now and then a walk-over).
#pragma once
#include <chrono>
#include <random>

#include "store/records.h"

using Klocka = std::chrono::steady_clock;

inline double ms(Klocka::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

inline int slumpResultat(std::mt19937& slump) {
    const int t = std::uniform_int_distribution<int>(0, 99)(slump);
    if (t < 40) return resVitVinst;
    if (t < 75) return resSvartVinst;
    if (t < 97) return resRemi;
    return t < 98 ? resVitWo : resSvartWo;
}
