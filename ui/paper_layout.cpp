// Setting a report on sheets of paper: column positions for the whole report (spread over the
// width, widened where a text needs it), fonts at fixed point sizes, rows flowing down the sheets.
#include <algorithm>
#include <limits>

#include "ui/paper.h"

namespace ui {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Blank space kept between a text and the next column, as a share of the body font's size.
constexpr double kColumnGap = 0.4;
// Distance between plain rows, as a share of the body font's size.
constexpr double kLinePitch = 1.3;

// The column positions of a report: every distinct x of its texts, left to right, and what the
// texts ask of them (widths measured at the unshrunk fonts).
class Columns {
  public:
    void addRow(const std::vector<PaperText>& cells, double points, bool bold, const PaperMeasure& measure) {
        std::vector<std::pair<double, double>> row; // x, width
        for (const auto& c : cells)
            row.emplace_back(c.x, measure(c.text, points, bold));
        std::stable_sort(row.begin(), row.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (std::size_t i = 0; i < row.size(); ++i)
            texts_.push_back(
                {row[i].first, row[i].second, i + 1 < row.size() ? row[i + 1].first : kInfinity});
    }

    // Numbers the stops; call once every row is in.
    void finish() {
        for (const auto& t : texts_)
            stops_.push_back(t.x);
        std::sort(stops_.begin(), stops_.end());
        stops_.erase(std::unique(stops_.begin(), stops_.end()), stops_.end());
        for (const auto& t : texts_) {
            const std::size_t at = stop(t.x);
            ends_.push_back({at, t.width});
            // A neighbour at the same x is a text drawn over another: nothing to keep apart.
            if (t.next < kInfinity && t.next > t.x) pairs_.push_back({at, stop(t.next), t.width});
        }
        std::sort(pairs_.begin(), pairs_.end(),
                  [](const Pair& a, const Pair& b) { return a.right < b.right; });
    }

    // The left edge in points of each stop at `scale` points per unit, fonts shrunk by `f`: each
    // stop keeps its scaled distance from the one before, and moves further right where a text of
    // a stop before it needs the room (plus a gap).
    std::vector<double> positions(double scale, double f, double gap) const {
        std::vector<double> at(stops_.size(), 0);
        std::size_t p = 0;
        for (std::size_t i = 0; i < stops_.size(); ++i) {
            if (i > 0) at[i] = at[i - 1] + scale * (stops_[i] - stops_[i - 1]);
            for (; p < pairs_.size() && pairs_[p].right == i; ++p)
                at[i] = std::max(at[i], at[pairs_[p].left] + f * pairs_[p].leftWidth + gap);
        }
        return at;
    }

    // How wide the report is with the stops at `at`: the right end of its furthest text.
    double reach(const std::vector<double>& at, double f) const {
        double r = 0;
        for (const auto& e : ends_)
            r = std::max(r, at[e.stop] + f * e.width);
        return r;
    }

    // The largest factor k by which `at` can be narrowed so that every text ends inside `width`.
    double narrowing(const std::vector<double>& at, double f, double width) const {
        double k = 1;
        for (const auto& e : ends_)
            if (at[e.stop] > 0) k = std::min(k, std::max(0.0, width - f * e.width) / at[e.stop]);
        return k;
    }

    double span() const { return stops_.empty() ? 0 : stops_.back() - stops_.front(); }
    std::size_t stop(double x) const {
        return static_cast<std::size_t>(std::lower_bound(stops_.begin(), stops_.end(), x) - stops_.begin());
    }

  private:
    struct Text {
        double x;
        double width;
        double next; // x of the next text of its row
    };
    struct End {
        std::size_t stop;
        double width;
    };
    struct Pair {
        std::size_t left;
        std::size_t right;
        double leftWidth;
    };
    std::vector<Text> texts_;
    std::vector<double> stops_;
    std::vector<End> ends_;
    std::vector<Pair> pairs_;
};

// Where the columns of a report stand on a sheet `width` points wide, and how far its fonts
// shrink. The fonts keep their size while the texts fit side by side at all; the columns then
// spread as widely as the sheet allows.
struct ColumnFit {
    double factor = 1;
    std::vector<double> at; // points from the left edge, by stop
};

ColumnFit fitColumns(const Columns& k, double width, double bodyPoints) {
    const auto gap = [bodyPoints](double f) { return kColumnGap * bodyPoints * f; };
    const auto fits = [&](double scale, double f) {
        return k.reach(k.positions(scale, f, gap(f)), f) <= width;
    };
    ColumnFit fit;
    if (!fits(0, 1)) {
        double good = kSmallestPaperFont, bad = 1;
        for (int i = 0; i < 40; ++i) {
            const double mid = (good + bad) / 2;
            (fits(0, mid) ? good : bad) = mid;
        }
        fit.factor = good;
        if (!fits(0, good)) {
            // Too many columns even for the smallest fonts: they close up so that every text
            // still ends on the sheet.
            fit.at = k.positions(0, good, gap(good));
            const double narrow = k.narrowing(fit.at, good, width);
            for (double& x : fit.at)
                x *= narrow;
            return fit;
        }
    }
    // The widest spread that fits: at `high` the last stop alone reaches the right edge.
    double low = 0, high = k.span() > 0 ? width / k.span() : 0;
    for (int i = 0; i < 50 && high > 0; ++i) {
        const double mid = (low + high) / 2;
        (fits(mid, fit.factor) ? low : high) = mid;
    }
    fit.at = k.positions(low, fit.factor, gap(fit.factor));
    return fit;
}

// One line unit of the report in points: its closest plain rows become one printed line apart.
double lineUnit(const PaperReport& report, double pitch) {
    double smallest = kInfinity;
    for (const auto& page : report.pages)
        for (std::size_t i = 1; i < page.rows.size(); ++i)
            if (!page.rows[i].heading && page.rows[i].gap > 0)
                smallest = std::min(smallest, page.rows[i].gap);
    return smallest < kInfinity ? pitch / smallest : pitch;
}

class SheetWriter {
  public:
    SheetWriter(const PaperReport& report, double width, double height, const PaperMeasure& measure,
                const PaperFonts& fonts)
        : report_(report), width_(width), height_(height), measure_(measure), fonts_(fonts) {
        for (const auto& page : report.pages) {
            columns_.addRow(page.headings, fonts.heading, true, measure);
            for (const auto& row : page.rows)
                columns_.addRow(row.cells, row.heading ? fonts.heading : fonts.body, row.heading, measure);
        }
        columns_.finish();
        const ColumnFit fit = fitColumns(columns_, width, fonts.body);
        factor_ = fit.factor;
        at_ = fit.at;
        pitch_ = kLinePitch * fonts.body * factor_;
        unit_ = lineUnit(report, pitch_);
    }

    std::vector<Sheet> write() {
        for (const auto& page : report_.pages)
            writePage(page);
        return std::move(sheets_);
    }

  private:
    double bodyPoints() const { return fonts_.body * factor_; }
    double headingPoints() const { return fonts_.heading * factor_; }
    double rowPoints(const PaperRow& row) const { return row.heading ? headingPoints() : bodyPoints(); }
    double columnX(double x) const { return at_.empty() ? 0 : at_[columns_.stop(x)]; }

    // Starts a sheet with the corner text, `title`, the `lead` lines and the page's headings;
    // returns where the rows begin.
    double startSheet(const std::string& title, const std::vector<PaperText>& headings,
                      const std::vector<std::string>& lead = {}) {
        sheets_.emplace_back();
        auto& texts = sheets_.back().texts;
        double y = 0;
        if (!report_.corner.empty()) {
            const double w = measure_(report_.corner, fonts_.corner, false);
            texts.push_back({std::max(0.0, width_ - w), y, fonts_.corner, false, report_.corner});
            y += fonts_.corner * 1.6;
        }
        // A long title shrinks to the width of the sheet.
        const double natural = measure_(title, fonts_.title, true);
        const double titlePoints = natural > width_ ? fonts_.title * width_ / natural : fonts_.title;
        texts.push_back({0, y, titlePoints, true, title});
        y += titlePoints * 1.5;
        for (const auto& line : lead) {
            texts.push_back({0, y, bodyPoints(), false, line});
            y += pitch_;
        }
        if (!lead.empty()) y += pitch_ / 2;
        if (!headings.empty()) {
            for (const auto& h : headings)
                texts.push_back({columnX(h.x), y, headingPoints(), true, h.text});
            y += headingPoints() * 1.6;
        }
        return y;
    }

    double pitchBefore(const PaperRow& row) const { return std::max(row.gap * unit_, rowPoints(row) * 1.2); }

    void writePage(const PaperPage& page) {
        const std::string& more = page.continuedTitle.empty() ? page.title : page.continuedTitle;
        double y = startSheet(page.title, page.headings, page.lead);
        bool firstOnSheet = true;
        for (std::size_t i = 0; i < page.rows.size(); ++i) {
            const PaperRow& row = page.rows[i];
            double at = firstOnSheet ? y : y + pitchBefore(row);
            bool breakHere = !firstOnSheet && at + rowPoints(row) > height_;
            // A heading inside the rows stays with the row after it.
            if (!breakHere && !firstOnSheet && row.heading && i + 1 < page.rows.size()) {
                const PaperRow& next = page.rows[i + 1];
                breakHere = at + pitchBefore(next) + rowPoints(next) > height_;
            }
            if (breakHere) at = startSheet(more, page.headings);
            for (const auto& c : row.cells)
                sheets_.back().texts.push_back({columnX(c.x), at, rowPoints(row), row.heading, c.text});
            y = at;
            firstOnSheet = false;
        }
    }

    const PaperReport& report_;
    double width_;
    double height_;
    const PaperMeasure& measure_;
    PaperFonts fonts_;
    Columns columns_;
    double factor_ = 1;
    std::vector<double> at_; // points from the left edge, by column stop
    double pitch_ = 0;
    double unit_ = 0;
    std::vector<Sheet> sheets_;
};

} // namespace

std::vector<Sheet> layOutPaper(const PaperReport& report, double width, double height,
                               const PaperMeasure& measure, const PaperFonts& fonts) {
    return SheetWriter(report, width, height, measure, fonts).write();
}

} // namespace ui
