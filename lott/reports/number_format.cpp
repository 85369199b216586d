#include "lott/reports/number_format.h"

#include <cstdio>

#include "store/clock.h"

namespace reports {

std::string gcvtText(double value, int digits) {
    if (value == 0) value = 0; // never "-0"
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*g", digits, value);
    return buf;
}

std::string pointsText(double poang) {
    return gcvtText(poang, poang < 10.5 ? 2 : 3);
}

std::string ratingChangeText(double rankingandring) {
    if (rankingandring == 0 || rankingandring <= -500 || rankingandring >= 500) return "0";
    std::string text = gcvtText(rankingandring, 3);
    return text.size() > 5 ? "0" : text;
}

std::string docht(const std::tm& when) { return store::dateStamp(when); }

std::string dochtNow() { return docht(store::localNow()); }

} // namespace reports
