// The surface a report window paints on: the screen, and the recording that automation's dump
// reads. Positions and font heights are in the window's own units (its size when it was placed).
// Paper is laid out from the window's PaperReport instead (ui/report_window.h), so paint() sees
// printing() false and page() 1; they remain for report windows that draw pages of their own.
#pragma once
#include <string>

namespace ui {

class Canvas {
  public:
    virtual ~Canvas() = default;
    // Draws `text` with its top-left corner at (x, y), in the report font at `height` units.
    virtual void text(double x, double y, const std::string& text, double height, bool bold = false) = 0;
    // Width of `text` at `height` units, for right-aligned texts.
    virtual double textWidth(const std::string& text, double height) const = 0;

    double width() const { return width_; }     // the window's own width in units
    double height() const { return height_; }   // the window's own height in units
    bool printing() const { return printing_; } // true on a printer page or PDF
    int page() const { return page_; }          // 1-based page number while printing

  protected:
    Canvas(double width, double height, bool printing, int page)
        : width_(width), height_(height), printing_(printing), page_(page) {}

  private:
    double width_;
    double height_;
    bool printing_;
    int page_;
};

} // namespace ui
