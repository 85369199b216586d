#include "lott/pairing/koppling.h"

namespace parning {

SchweizerKoppling& schweizerKoppling() {
    // The Swiss-type engine and the standings in pairing form are plugged in here once they exist.
    static SchweizerKoppling koppling;
    return koppling;
}

} // namespace parning
