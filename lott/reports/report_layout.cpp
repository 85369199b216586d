#include "lott/reports/report_layout.h"

namespace reports {

Band bandForScreen(int screenWidth, bool standardFont) {
    if (standardFont || screenWidth < 750) return Band::Small;
    return screenWidth < 950 ? Band::Middle : Band::Large;
}

int headingHeight(Band band) {
    switch (band) {
    case Band::Small:
        return 18;
    case Band::Middle:
        return 22;
    case Band::Large:
        return 28;
    }
    return 18;
}

int rowHeight(Band band, bool smallFontsAlike) {
    switch (band) {
    case Band::Small:
        return smallFontsAlike ? 18 : 16;
    case Band::Middle:
        return 18;
    case Band::Large:
        return 24;
    }
    return 16;
}

std::vector<PageRange> fixedPages(std::size_t rowCount, std::size_t perPage) {
    std::vector<PageRange> pages;
    if (perPage == 0) perPage = 1;
    for (std::size_t at = 0; at < rowCount; at += perPage)
        pages.push_back({at, at + perPage < rowCount ? at + perPage : rowCount});
    if (pages.empty()) pages.push_back({0, 0});
    return pages;
}

DrawnPage layoutPage(const ReportContent& content, int page, Band band) {
    DrawnPage out;
    PageRange range{0, content.rows.size()};
    if (page >= 0 && static_cast<std::size_t>(page) < content.pages.size()) range = content.pages[page];
    const bool later = page > 0;
    out.texts.push_back(
        {content.titleX, content.titleY, content.titleHeight, later ? content.fortsTitle : content.title});

    double y = content.titleY;
    if (!content.headings.empty()) {
        y += content.headingGap;
        for (const Cell& c : content.headings)
            out.texts.push_back({c.x, y, headingHeight(band), c.text});
    }
    y += content.firstRowGap;
    const int normal = rowHeight(band, content.smallFontsAlike);
    for (std::size_t i = range.begin; i < range.end; ++i) {
        const Row& row = content.rows[i];
        if (i != range.begin) y += row.gap;
        const int h = row.heading ? headingHeight(band) : normal;
        for (const Cell& c : row.cells)
            out.texts.push_back({c.x, y, h, c.text});
    }
    out.bottom = y + 1;
    return out;
}

} // namespace reports
