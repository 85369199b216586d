#include "lott/reports/report_content.h"

namespace reports {

ReportContent reportContent(const ReportInput& in, Band band) {
    switch (in.vilkpaint) {
    case kLottning:
        return lottningContent(in);
    case kStallning:
    case kEgenKategori:
        return stallningContent(in, band);
    case kResultat:
        return resultatContent(in);
    case kRankinggrupper:
        return rankinggruppContent(in);
    case kSlutrapport:
        return slutrapportContent(in);
    default:
        return deltagareContent(in);
    }
}

std::string reportCaption(int vilkpaint) {
    switch (vilkpaint) {
    case kDeltagare:
        return "Utskrift av Deltagare";
    case kLottning:
        return "Utskrift av Lottning";
    case kStallning:
        return "Utskrift av Ställningen";
    case kResultat:
        return "Utskrift av Resultat";
    case kRankinggrupper:
        return "Utskrift av Ställningen i Rankinggrupperna";
    case kEgenKategori:
        return "Ställning egenkategorier";
    case kSlutrapport:
        return "Utskrift av Slutrapport";
    default:
        return "";
    }
}

int sidposter(int vilkpaint) {
    switch (vilkpaint) {
    case kDeltagare:
        return 40;
    case kLottning:
    case kResultat:
        return 90;
    default:
        return 50;
    }
}

} // namespace reports
