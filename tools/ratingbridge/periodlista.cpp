#include "tools/ratingbridge/periodlista.h"

#include "rank/rating/period.h"

namespace ratingbridge {

std::string periodRad(int period) {
    std::string text = rating::periodText(period);
    if (period > 0 && rating::periodTertial(period) == 1) text += ' ';
    return text;
}

} // namespace ratingbridge
