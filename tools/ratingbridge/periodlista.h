// The texts of the export's period list: position and period index coincide with rank's
// numbering, and the texts are rank's, except that the May–August rows carry one trailing blank
// more (15) than rank's own list.
#pragma once
#include <string>

namespace ratingbridge {

std::string periodRad(int period);

} // namespace ratingbridge
