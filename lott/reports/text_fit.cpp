#include "lott/reports/text_fit.h"

#include <algorithm>
#include <map>
#include <vector>

namespace reports {

double textFit(const DrawnPage& page, double u, const TextWidth& width) {
    // Texts of one row share their top.
    std::map<double, std::vector<const PlacedText*>> rows;
    for (const auto& t : page.texts)
        rows[t.y].push_back(&t);

    const double gap = 0.5 * u; // blank space kept between neighbours, about a blank's width
    double fit = 1;
    for (auto& [y, texts] : rows) {
        std::stable_sort(texts.begin(), texts.end(),
                         [](const PlacedText* a, const PlacedText* b) { return a->x < b->x; });
        for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
            const double room = (texts[i + 1]->x - texts[i]->x) * u - gap;
            const double needed = width(texts[i]->text, texts[i]->height);
            if (needed > 0 && room < needed) fit = std::min(fit, room / needed);
        }
    }
    return std::max(fit, kSmallestFit);
}

} // namespace reports
