// Withdrawals ("Spelare &utgår"): who can still withdraw, the withdrawal itself, and whether a
// tournament has withdrawn players (futgadda).
#pragma once
#include <string>
#include <vector>

#include "lott/state.h"
#include "store/records.h"

// The lines of the withdrawal list: start number, ".  " and name, for every player still in the
// tournament (not the bye, not one who has already withdrawn), in file order.
std::vector<std::string> utgangsrader(const std::vector<spelarstructtva>& spelare,
                                      const std::vector<spelarstructtva>& utgadda);

// The start number a list line begins with: its text up to the first full stop (at most 10
// characters); 0 when there is none.
int radensStartnummer(const std::string& rad);

// Withdraws player `nr` of tournament `turnnr`. After the start (store::tournamentStarted) his record joins the ".U" file and the player file stays as it is;
// before the start the player file is rebuilt without him through "UTTEMP": the others numbered
// 1..n in file order, the bye last exactly when n is odd. A number that is no player's, or one
// already withdrawn, changes nothing.
void spelareut(int turnnr, int nr);

// Sets st.finnsutgadda to 1 when the ".U" file of the tournament in st.fnamnglob holds a record
// (touched first), else 0; st.fnamnglob becomes that file's name.
void futgadda(LottState& st);
