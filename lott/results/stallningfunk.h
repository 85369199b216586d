// The standings step: reads the chosen tournament's files and leaves its standings in the state.
#pragma once
#include "lott/results/stallning.h"
#include "lott/state.h"

namespace stallning {

// The inputs of tournament `turnnr` as stored: scoring code ("POANGSYS"), kvalitet method
// ("VILKV"), the game file, this tournament's "VALFRI.DAT" records under "Valfritt", and the
// withdrawal file. Missing files are created empty. `spelare` is the caller's player list.
Indata lasIndata(int turnnr, const std::vector<spelarstructtva>& spelare, int valdrond, bool schwanrop);

} // namespace stallning

// Computes the standings of `st.turnnr` from `st.slistab` (loaded by the caller) into
// `st.parslistac`, raises `st.valdrond` to the last round played (sets it, under "Valfritt") and
// sets `st.klubbfinns` and `st.rankingfinns`. Honours `st.schwanrop`. Returns 1.
int stallningfunk(LottState& st);

// The standings in the form the Swiss pairing needs: `stallningfunk` with `schwanrop` = 1, which
// is reset to 0 afterwards. Adjourned games count as won and postponed ones as drawn for both
// players; withdrawn players are left out and a "Frirond" evens an odd count.
int stallningForLottning(LottState& st);
