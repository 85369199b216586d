#include "lott/setup/efter_registrering.h"

#include "store/filenames.h"
#include "store/files.h"
#include "store/text.h"
#include "store/tournament.h"

bool slumpaErbjudande() {
    // At most 9 characters are looked at, as many as the longest value ("monradnej") holds.
    const auto slumpt = store::firstChars(store::readText(store::fil::SLUMPT), 9);
    if (slumpt != "monradja") return false;
    store::writeText(store::fil::SLUMPT, "monradn");
    return true;
}

Tillval nastaTillval(const tillbehorstruct& tillb) {
    if (tillb.penningpriser) return Tillval::Penningpriser;
    if (tillb.rankinggrupper) return Tillval::Rankinggrupper;
    if (tillb.elotitel) return Tillval::Elotitel;
    if (tillb.egenkategori) return Tillval::Egenkategori;
    return Tillval::Inget;
}

Tillval nastaTillval() {
    return nastaTillval(store::readTillb(true));
}
