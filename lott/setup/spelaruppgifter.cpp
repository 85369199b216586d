#include "lott/setup/spelaruppgifter.h"

#include "lott/setup/inskrivning.h"
#include "store/text.h"

Uppgiftsflaggor uppgiftsflaggor(const std::vector<spelarstructtva>& spelare) {
    Uppgiftsflaggor f;
    for (const auto& s : spelare) {
        if (!s.klubb.empty() && s.klubb != "nej") f.klubbar = true;
        if (s.ranking > 0) f.rankingar = true;
    }
    return f;
}

spelarstructtva formularUppgifter(spelarstructtva spelare, const std::string& namn, const std::string& klubb,
                                  const std::string& ranking, bool valfri) {
    spelare.namn = store::firstChars(namn, kUppgiftMax);
    spelare.klubb = store::firstChars(klubb, kUppgiftMax);
    spelare.ranking = normaliseraRanking(ranking, valfri);
    return spelare;
}

std::vector<spelarstructtva> sparaUppgifter(std::vector<spelarstructtva> nuvarande,
                                            const std::vector<spelarstructtva>& laddade,
                                            const std::vector<spelarstructtva>& andrade) {
    for (std::size_t i = 0; i < laddade.size() && i < andrade.size(); ++i) {
        if (andrade[i] == laddade[i]) continue;
        for (auto& s : nuvarande)
            if (s.nr == laddade[i].nr && s.namn == laddade[i].namn) {
                s.namn = andrade[i].namn;
                s.klubb = andrade[i].klubb;
                s.ranking = andrade[i].ranking;
                break;
            }
    }
    for (auto& s : nuvarande) {
        s.elo = 0;
        s.egenkategori = 0;
    }
    return nuvarande;
}
