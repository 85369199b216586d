#include "rank/results/partiresultat.h"

#include "rank/rating/rankingfunk.h"
#include "store/remi_text.h"

namespace rank {

std::string foradlaResultat(const std::string& typed) {
    if (typed.empty()) return "";
    switch (typed[0]) {
    case '0':
        return store::remiSomDecimaltal(typed) ? "Remi" : "0-1";
    case '1':
        return "1-0";
    case 'R':
    case 'r':
        return "Remi";
    default:
        return "";
    }
}

int resultatkod(const std::string& text) {
    if (text == "1-0") return rating::kVinst;
    if (text == "0-1") return rating::kForlust;
    if (text == "Remi") return rating::kRemi;
    return 0;
}

std::string resultattext(int kod) {
    switch (kod) {
    case rating::kVinst:
        return "1-0";
    case rating::kForlust:
        return "0-1";
    case rating::kRemi:
        return "Remi";
    default:
        return "";
    }
}

std::string rapporttext(int kod) {
    switch (kod) {
    case rating::kVinst:
        return "Vinst";
    case rating::kForlust:
        return "Förlust";
    case rating::kRemi:
        return "Remi";
    default:
        return "";
    }
}

} // namespace rank
