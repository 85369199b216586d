// Canvases of the ui layer: one that paints through Qt's painter (screen, printer, PDF) and one
// that records what is drawn (automation's dump of a report window).
#pragma once
#include <QPainter>
#include <string>
#include <vector>

#include "ui/canvas.h"

namespace ui::detail {

QFont reportFont(double height, bool bold);

class PainterCanvas : public Canvas {
  public:
    PainterCanvas(QPainter& painter, double width, double height, bool printing, int page)
        : Canvas(width, height, printing, page), painter_(painter) {}
    void text(double x, double y, const std::string& text, double height, bool bold) override;
    double textWidth(const std::string& text, double height) const override;

  private:
    QPainter& painter_;
};

struct DrawnText {
    double x;
    double y;
    std::string text;
    double height;
};

class RecordingCanvas : public Canvas {
  public:
    RecordingCanvas(double width, double height) : Canvas(width, height, false, 1) {}
    void text(double x, double y, const std::string& text, double height, bool bold) override;
    double textWidth(const std::string& text, double height) const override;
    // One line per height drawn at, top to bottom: its texts left to right, joined by " | ".
    std::vector<std::string> rows() const;
    // How far the drawing reaches: the right end of its widest text, the foot of its lowest.
    double right() const;
    double bottom() const;
    // The font height drawn most often (the rows of a report), 0 when nothing was drawn.
    double commonHeight() const;

  private:
    std::vector<DrawnText> drawn_;
};

} // namespace ui::detail
