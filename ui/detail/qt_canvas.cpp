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

void RecordingCanvas::text(double x, double y, const std::string& text, double, bool) {
    drawn_.push_back({x, y, text});
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

} // namespace ui::detail
