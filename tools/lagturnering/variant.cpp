#include "tools/lagturnering/variant.h"

#include <algorithm>

namespace lagturnering {

Variant variantAv(const std::vector<std::string>& args) {
    return std::find(args.begin(), args.end(), "--total") != args.end() ? Variant::Total : Variant::Relativ;
}

const char* caption(Variant v) {
    return v == Variant::Total ? "Lagturneringen i skolsm"
                               : "Vazoveziror-lag tävlingen från individuell tävling";
}

} // namespace lagturnering
