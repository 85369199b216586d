#include "store/decimal_text.h"

#include <algorithm>
#include <charconv>

namespace store {

std::string decimalText(double value, int digits) {
    if (value == 0) value = 0; // never "-0"
    digits = std::clamp(digits, 1, 40);
    // std::to_chars is defined as printf's %.*g under the C locale, without reading the locale.
    // At most 40 digits, a sign, a point, "0.0000" before them and "e+308" after fit in 64.
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
    return std::string(buf, result.ptr);
}

} // namespace store
