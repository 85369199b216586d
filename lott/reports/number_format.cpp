#include "lott/reports/number_format.h"

#include "store/clock.h"
#include "store/decimal_text.h"

namespace reports {

std::string pointsText(double poang) {
    return store::decimalText(poang, poang < 10.5 ? 2 : 3);
}

std::string ratingChangeText(double rankingandring) {
    if (rankingandring == 0 || rankingandring <= -500 || rankingandring >= 500) return "0";
    std::string text = store::decimalText(rankingandring, 3);
    return text.size() > 5 ? "0" : text;
}

std::string docht(const std::tm& when) { return store::dateStamp(when); }

std::string dochtNow() { return docht(store::localNow()); }

} // namespace reports
