#include "ui/detail/qt_canvas.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <map>

#include "ui/detail/window_impl.h"

namespace ui::detail {

QFont reportFont(double height, bool bold) {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(height))));
    font.setBold(bold);
    return font;
}

void PainterCanvas::text(double x, double y, const std::string& text, double height, bool bold) {
    const QFont font = reportFont(height, bold);
    painter_.setFont(font);
    const QFontMetricsF metrics(font);
    painter_.drawText(QPointF(x, y + metrics.ascent()), toQ(text));
}

double PainterCanvas::textWidth(const std::string& text, double height) const {
    return QFontMetricsF(reportFont(height, false)).horizontalAdvance(toQ(text));
}

void RecordingCanvas::text(double x, double y, const std::string& text, double height, bool) {
    drawn_.push_back({x, y, text, height});
}

double RecordingCanvas::textWidth(const std::string& text, double height) const {
    return QFontMetricsF(reportFont(height, false)).horizontalAdvance(toQ(text));
}

std::vector<std::string> RecordingCanvas::rows() const {
    // Texts whose tops round to the same unit share a row.
    std::map<long, std::vector<DrawnText>> byRow;
    for (const auto& d : drawn_)
        byRow[std::lround(d.y)].push_back(d);
    std::vector<std::string> lines;
    for (auto& [y, texts] : byRow) {
        std::stable_sort(texts.begin(), texts.end(),
                         [](const DrawnText& a, const DrawnText& b) { return a.x < b.x; });
        std::string line;
        for (std::size_t i = 0; i < texts.size(); ++i)
            line += (i ? " | " : "") + texts[i].text;
        lines.push_back(line);
    }
    return lines;
}

namespace {
// Metrics by font height: a long report draws thousands of texts in a few heights.
const QFontMetricsF& metricsFor(std::map<double, QFontMetricsF>& cache, double height) {
    auto it = cache.find(height);
    if (it == cache.end()) it = cache.emplace(height, QFontMetricsF(reportFont(height, false))).first;
    return it->second;
}
} // namespace

double RecordingCanvas::right() const {
    std::map<double, QFontMetricsF> cache;
    double r = 0;
    for (const auto& d : drawn_)
        r = std::max(r, d.x + metricsFor(cache, d.height).horizontalAdvance(toQ(d.text)));
    return r;
}

double RecordingCanvas::bottom() const {
    std::map<double, QFontMetricsF> cache;
    double b = 0;
    for (const auto& d : drawn_) // the line's full height, descenders included
        b = std::max(b, d.y + metricsFor(cache, d.height).height());
    return b;
}

double RecordingCanvas::commonHeight() const {
    std::map<long, int> counts;
    for (const auto& d : drawn_)
        ++counts[std::lround(d.height)];
    long best = 0;
    int most = 0;
    for (const auto& [height, n] : counts)
        if (n > most) best = height, most = n;
    return static_cast<double>(best);
}

} // namespace ui::detail
