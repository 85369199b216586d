#include "lott/setup/inskrivning.h"

#include "store/text.h"

int normaliseraRanking(const std::string& text, bool valfri) {
    const long long r = store::ledandeHeltal(text);
    if (r > 700 && r < 3100) return static_cast<int>(r);
    if (valfri && r > 0 && r < 100) return static_cast<int>(r);
    return 0;
}

spelarstruct normaliseraRad(const InskrivningLayout& layout, int nr, const InskrivenRad& rad, bool valfri) {
    spelarstruct s;
    s.nr = nr;
    s.namn = store::firstChars(rad.namn, kNamnMaxLangd);
    s.klubb = layout.klubb ? store::firstChars(rad.klubb, kNamnMaxLangd) : "nej";
    s.ranking = layout.ranking
                    ? normaliseraRanking(store::firstChars(rad.ranking, layout.rankingMaxLangd), valfri)
                    : 0;
    return s;
}

void gorlista(std::vector<spelarstruct>& lista, const InskrivningLayout& layout, int forsta,
              const std::vector<InskrivenRad>& sida, bool valfri) {
    const int sista = forsta + layout.raderPerSida - 1;
    std::erase_if(lista, [&](const spelarstruct& s) { return s.nr >= forsta && s.nr <= sista; });
    for (int i = 0; i < layout.raderPerSida; ++i) {
        const InskrivenRad tom;
        const auto& rad = i < static_cast<int>(sida.size()) ? sida[i] : tom;
        lista.push_back(normaliseraRad(layout, forsta + i, rad, valfri));
    }
}

std::vector<InskrivenRad> sidansRader(const std::vector<spelarstruct>& lista, const InskrivningLayout& layout,
                                      int forsta) {
    std::vector<InskrivenRad> sida(layout.raderPerSida);
    for (const auto& s : lista) {
        const int i = s.nr - forsta;
        if (i < 0 || i >= layout.raderPerSida) continue;
        sida[i].namn = s.namn;
        if (layout.klubb) sida[i].klubb = s.klubb;
        if (layout.ranking && s.ranking != 0) sida[i].ranking = std::to_string(s.ranking);
    }
    return sida;
}
