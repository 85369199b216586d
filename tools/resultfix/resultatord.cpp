#include "tools/resultfix/resultatord.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string_view>

#include "store/text.h"

namespace resultfix {
namespace {

struct Ord {
    const char* text;
    int kod;
};
constexpr std::array<Ord, 7> kOrd = {{{"1-0", 1},
                                      {"0-1", 2},
                                      {"Remi", 3},
                                      {"uppskjutet", 4},
                                      {"avbrutet", 5},
                                      {"WO(1-0)", 7},
                                      {"wo(0-1)", 8}}};

// One side of "white-black": digits with at most one decimal point ("." or ","), blanks around.
std::optional<double> poangsida(std::string sida) {
    std::replace(sida.begin(), sida.end(), ',', '.');
    std::string_view s = sida;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    const auto siffror = std::count_if(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    const auto punkter = std::count(s.begin(), s.end(), '.');
    if (siffror == 0 || punkter > 1 || siffror + punkter != static_cast<long>(s.size())) return std::nullopt;
    double v = 0;
    const auto [slut, fel] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (fel != std::errc() || slut != s.data() + s.size()) return std::nullopt;
    return v;
}

} // namespace

int resultatkod(const std::string& ord) {
    for (const auto& o : kOrd)
        if (ord == o.text) return o.kod;
    return 0;
}

std::string komplettera(const std::string& text) {
    if (text.empty()) return text;
    switch (text.front()) {
    case '1':
        return "1-0";
    case '0':
        return "0-1";
    case 'r':
    case 'R':
        return "Remi";
    case 'a':
    case 'A':
        return "avbrutet";
    case 'u':
    case 'U':
        return "uppskjutet";
    case 'W':
        return "WO(1-0)";
    case 'w':
        return "wo(0-1)";
    default:
        return text;
    }
}

bool lagpoang(const std::string& text, double& vitresultat, double& svartresultat) {
    const std::size_t streck = text.find('-');
    if (streck == std::string::npos) return false;
    const auto vit = poangsida(store::firstChars(text.substr(0, streck), 20));
    const auto svart = poangsida(store::firstChars(text.substr(streck + 1), 16));
    if (!vit || !svart) return false;
    vitresultat = *vit;
    svartresultat = *svart;
    return true;
}

} // namespace resultfix
