#include "tools/resultfix/variant.h"

#include <algorithm>

namespace resultfix {

Variant variantAv(const std::vector<std::string>& args) {
    return std::find(args.begin(), args.end(), "--lag") != args.end() ? Variant::Lag : Variant::Vanlig;
}

const char* caption(Variant v) {
    return v == Variant::Lag ? "Korrigeringsprogram Lag" : "Korrigeringsprogram";
}

} // namespace resultfix
