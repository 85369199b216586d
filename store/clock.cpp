#include "store/clock.h"

#include <cstdio>
#include <optional>

namespace store {
namespace {
std::optional<std::tm>& fixedMoment() {
    static std::optional<std::tm> moment;
    return moment;
}
} // namespace

std::tm localNow() {
    if (fixedMoment()) return *fixedMoment();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

void fixLocalNow(const std::tm& moment) {
    std::tm m{};
    m.tm_year = moment.tm_year;
    m.tm_mon = moment.tm_mon;
    m.tm_mday = moment.tm_mday;
    m.tm_hour = moment.tm_hour;
    m.tm_min = moment.tm_min;
    m.tm_sec = moment.tm_sec;
    m.tm_isdst = -1;
    // Fills in the weekday and day of the year; the fields themselves are already in range.
    std::tm copy = m;
    std::mktime(&copy);
    m.tm_wday = copy.tm_wday;
    m.tm_yday = copy.tm_yday;
    fixedMoment() = m;
}

bool parseMoment(const std::string& text, std::tm& out) {
    int y, mo, d, h, mi, s;
    char tail;
    if (text.size() != 19 || std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &tail) != 6)
        return false;
    if (text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' || text[16] != ':') return false;
    static const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1900 || mo < 1 || mo > 12 || d < 1 || d > days[mo - 1] || h > 23 || mi > 59 || s > 59 || h < 0 ||
        mi < 0 || s < 0)
        return false;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (mo == 2 && d == 29 && !leap) return false;
    out = std::tm{};
    out.tm_year = y - 1900;
    out.tm_mon = mo - 1;
    out.tm_mday = d;
    out.tm_hour = h;
    out.tm_min = mi;
    out.tm_sec = s;
    return true;
}

std::string dateStamp(const std::tm& when) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%d.%02d.%02d     %02d.%02d.%02d", when.tm_year + 1900, when.tm_mon + 1,
                  when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec);
    return buf;
}

} // namespace store
