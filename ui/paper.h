// A report as it goes on paper. A report window describes its report as pages of rows, each row a
// few texts standing in columns; the ui layer sets them on the sheets of the chosen paper size at
// fixed point sizes, whatever the size of the window on the screen (see ui/report_window.h).
// Qt-free, so that report windows can build it from their own rows.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace ui {

// One text of a row: its left edge `x` in the report's own column units (any unit, as long as
// every row of the report uses the same one; only the proportions between columns matter).
struct PaperText {
    double x = 0;
    std::string text;
};

struct PaperRow {
    std::vector<PaperText> cells;
    // Distance from the row above, in the report's own line units; the smallest gap between two
    // plain rows of the report becomes one printed line. Ignored for a sheet's first row.
    double gap = 1;
    bool heading = false; // a heading inside the rows (a group's name): heading font, kept with the next row
};

struct PaperPage {
    std::string title;               // on the page's first sheet
    std::string continuedTitle;      // on further sheets, when the page needs more than one (empty: title)
    std::vector<std::string> lead;   // lines of text under the title on the page's first sheet, before the headings
    std::vector<PaperText> headings; // column headings under the title, repeated on every sheet
    std::vector<PaperRow> rows;
};

struct PaperReport {
    std::string corner;           // top right of every sheet (a date stamp); may be empty
    std::vector<PaperPage> pages; // each page starts a new sheet
    // The PDF proposed by "print to file": a path relative to the working directory, in the
    // folder where the program keeps its reports ("lottutskrifter/Vårcup_stallning.pdf").
    std::string fileName;
};

// --- how a report is set on paper (the toolkit-free part of printing, tested on its own) ------

// Point sizes before any shrinking. Body rows at 10 pt read well on A4; headings are as large, in bold.
struct PaperFonts {
    double body = 10;
    double heading = 10;
    double title = 16;
    double corner = 8;
};

// Smallest factor the fonts may shrink by when a report has more columns than the paper is wide.
inline constexpr double kSmallestPaperFont = 0.75;

// Width in points of `text` at `points`, bold or not.
using PaperMeasure = std::function<double(const std::string& text, double points, bool bold)>;

struct PlacedPaperText {
    double x = 0; // points from the left edge of the printable area
    double y = 0; // points from its top edge to the top of the text
    double points = 0;
    bool bold = false;
    std::string text;
};

struct Sheet {
    std::vector<PlacedPaperText> texts;
};

// Lays `report` out on sheets whose printable area is `width` by `height` points. Columns keep
// their order and, as far as the texts allow, their proportions: they spread as widely as the
// area allows, the same for every sheet, and a column whose texts need more room than its share
// moves the columns after it to the right. The fonts shrink (down to kSmallestPaperFont) only
// when the texts of a row cannot stand side by side within the width at all. A page longer than
// a sheet continues on the next one under its continued title and the same headings.
std::vector<Sheet> layOutPaper(const PaperReport& report, double width, double height,
                               const PaperMeasure& measure, const PaperFonts& fonts = {});

} // namespace ui
