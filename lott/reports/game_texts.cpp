#include "lott/reports/game_texts.h"

#include "store/decimal_text.h"
#include "store/tournament.h"

namespace reports {

std::string resultText(int resultat) {
    switch (resultat) {
    case resVitVinst:
        return "1-0";
    case resSvartVinst:
        return "0-1";
    case resRemi:
        return "Remi";
    case resUppskjutet:
        return "uppskjut.";
    case resAvbrutet:
        return "avbrutet";
    case resDiskval:
        return "0-0";
    case resVitWo:
        return "1-0(W.O)";
    case resSvartWo:
        return "0-1(W.O)";
    default:
        return "";
    }
}

std::string valfriResultText(const valfristruct& g) {
    return store::decimalText(g.vitresultat, 10) + " - " + store::decimalText(g.svartresultat, 10);
}

PlayerIndex::PlayerIndex(const std::vector<spelarstructtva>& players)
    : bye_(store::byeRecord(0, store::ByeClub::Nej)) {
    byNr_.reserve(players.size());
    // The first record of a start number wins, as a walk through the list would find it.
    for (const auto& p : players)
        byNr_.emplace(p.nr, &p);
}

const spelarstructtva* PlayerIndex::find(int nr) const {
    const auto it = byNr_.find(nr);
    return it == byNr_.end() ? &bye_ : it->second;
}

std::vector<int> tiedPlaces(const std::vector<const spelarstructc*>& rows) {
    std::vector<int> places(rows.size(), 0);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool tied =
            i > 0 && rows[i]->poang == rows[i - 1]->poang && rows[i]->kvalitet == rows[i - 1]->kvalitet;
        places[i] = tied ? 0 : static_cast<int>(i + 1);
    }
    return places;
}

std::vector<const spelarstructc*> drawnRows(const std::vector<spelarstructc>& stallning) {
    std::vector<const spelarstructc*> rows;
    rows.reserve(stallning.size());
    for (const auto& s : stallning)
        if (!store::isBye(s.namn)) rows.push_back(&s);
    return rows;
}

Outcome outcomeFor(int resultat, bool vit) {
    switch (resultat) {
    case resVitVinst:
    case resVitWo:
        return vit ? Outcome::Win : Outcome::Loss;
    case resSvartVinst:
    case resSvartWo:
        return vit ? Outcome::Loss : Outcome::Win;
    case resRemi:
        return Outcome::Draw;
    default:
        return Outcome::None;
    }
}

std::string htmlClub(const std::string& klubb) {
    return klubb == "nej" ? "Ej angiven" : klubb;
}

} // namespace reports
