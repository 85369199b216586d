// The drawing model shared by the report window, the printer and uiscript's dump: a report is a
// title, headings and rows of texts placed on a grid. Horizontal positions are in column units
// u (1/50 of the window's height), vertical positions in line units L (1/30 of its width); the
// window turns them into pixels and the printout scales the whole drawing to the paper.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace reports {

// Screen-width bands for the heights of headings and rows. Printing always uses Small.
enum class Band { Small, Middle, Large };
// Small below 750 pixels of screen width (or when the standard font is chosen), Middle from 750
// to 949, Large from 950.
Band bandForScreen(int screenWidth, bool standardFont);

struct Cell {
    double x = 0; // u from the window's left edge
    std::string text;
};

struct Row {
    std::vector<Cell> cells;
    double gap = 0;       // L between this row and the one above it on the same page
    bool heading = false; // drawn in the heading font (ranking-group headings)
};

// One row range [begin, end) of `ReportContent::rows` printed as one page.
struct PageRange {
    std::size_t begin = 0;
    std::size_t end = 0;
};

struct ReportContent {
    std::string title;      // first page
    std::string fortsTitle; // later pages
    int titleHeight = 34;
    double titleX = 0;            // u
    double titleY = 1.2;          // L
    std::vector<Cell> headings;   // under the title on every page; may be empty
    double headingGap = 1.5;      // L from the title to the headings
    double firstRowGap = 1.5;     // L from the headings (or the title) to the first row
    bool smallFontsAlike = false; // participant list: rows as tall as headings in the small band
    std::vector<Row> rows;
    std::vector<PageRange> pages; // at least one, possibly empty, page
};

// One text as drawn.
struct PlacedText {
    double x = 0; // u
    double y = 0; // L, top of the text
    int height = 0;
    std::string text;
};

struct DrawnPage {
    std::vector<PlacedText> texts; // title first, then headings, then rows top to bottom
    double bottom = 0;             // L below the last text
};

// Heights of headings and rows in a band.
int headingHeight(Band band);
int rowHeight(Band band, bool smallFontsAlike);

// Lays out page `page` of `content` (0-based), or every row on one long page when `page` < 0
// (the screen before the first print).
DrawnPage layoutPage(const ReportContent& content, int page, Band band);

// Pages of `perPage` rows each over `rowCount` rows; one empty page when there are no rows.
std::vector<PageRange> fixedPages(std::size_t rowCount, std::size_t perPage);

} // namespace reports
