// The periods whose recalculation has been committed, so that a period is not applied twice by
// accident: committing a period's games a second time would count them again. Kept in a file of
// its own, "VERKPER", beside the documented files, which stay as they are.
#pragma once
#include <cstddef>
#include <cstdint>

namespace rank {

namespace fil {
inline constexpr const char* VERKPER = "VERKPER"; // committed periods, in order of commit
}

// One committed recalculation. Layout: period 0 (little-endian int32).
struct verkstalldperiodstruct {
    static constexpr std::size_t size = 4;
    std::int32_t period = 0;
    void encode(std::uint8_t* out) const;
    static verkstalldperiodstruct decode(const std::uint8_t* in);
    bool operator==(const verkstalldperiodstruct&) const = default;
};

// True when a recalculation of `period` has been committed before ("VERKPER" is created empty
// when missing).
bool periodenVerkstalld(int period);
// Notes that the recalculation of `period` has been committed.
void noteraVerkstalld(int period);

} // namespace rank
