// The lines of a catalogue message with the texts known only when the box is shown: "%1", "%2",
// ... stand for the texts given, in order. Header only and free of the toolkit, so that the
// programs' catalogues and their tests can use it.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace ui {

// `line` with "%1" ... "%9" replaced by the texts of `fill` (a number without a text stays).
inline std::string fillMessageLine(const std::string& line, const std::vector<std::string>& fill) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const bool plats = line[i] == '%' && i + 1 < line.size() && line[i + 1] >= '1' && line[i + 1] <= '9';
        const std::size_t n = plats ? static_cast<std::size_t>(line[i + 1] - '1') : 0;
        if (plats && n < fill.size()) {
            out += fill[n];
            ++i;
        } else {
            out += line[i];
        }
    }
    return out;
}

} // namespace ui
