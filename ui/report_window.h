// A report window: a frame with its own menu whose client area the subclass paints on a Canvas,
// and from which the report is printed.
//
// The screen: paint() draws the report in the window's own units (its size when placed). The
// drawing scrolls both ways as far as it reaches, and when the window is narrower than the
// drawing, the drawing shrinks to the window's width (never below a readable size; beyond that
// a horizontal scroll bar takes over), so that every column stays in view on a small screen.
//
// The paper: a report window that can be printed describes its report for the paper in
// paperReport(): pages of rows, each row a few texts at column positions, with column headings
// and titles (ui/paper.h). The ui layer does the rest, the same for every program:
//   - print() shows the print dialog (printer or PDF file, page range, copies) and prints the
//     whole report as one job, laid out for the chosen paper: body text at 10 pt, headings in
//     bold, margins of at least 20 mm, the columns in the report's own proportions, as many
//     sheets as the rows need; "print to file" proposes PaperReport::fileName.
//   - printPreview() shows the same sheets in a preview, from which they can be printed.
//   - a menu item captioned "&Skriv ut" answers Ctrl+P (see ui/resource.h).
// Under automation print() writes the whole job to "print-N.pdf" (A4) in the working directory
// and printPreview() shows nothing.
//
// A subclass therefore implements paint() and paperReport(), binds its menu's print command to
// print() (and a preview command to printPreview()), and decides itself what happens after a
// successful print.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "ui/canvas.h"
#include "ui/paper.h"
#include "ui/resource.h"
#include "ui/window.h"

namespace ui {

class ReportWindow : public Window {
  public:
    // A frame titled `caption` with the menu `menu` (commands bound with onCommand).
    ReportWindow(Window* parent, const std::string& caption, const MenuResource& menu);
    ~ReportWindow() override;

    // Position and size in screen pixels; the size is the window's own units from then on.
    void place(int x, int y, int width, int height);
    // Scroll steps of `xUnit` by `yUnit` pixels; the drawing scrolls at least `xRange` steps by
    // `yRange` steps, and further when it reaches further.
    void setScroller(int xUnit, int yUnit, int xRange, int yRange);
    void onCommand(int id, std::function<void()> handler); // menu command `id`
    void repaint();                                        // paints the screen again

    // Prints paperReport() as one job after the print dialog. Returns false when the user
    // cancelled (nothing was printed).
    bool print();
    // Shows paperReport() as printed sheets. Returns true when the user printed from the preview.
    bool printPreview();

    // Draws the report on the screen (and for automation's dump).
    virtual void paint(Canvas& canvas) = 0;
    // The report for the paper. The default is an empty report: a window that prints overrides it.
    virtual PaperReport paperReport();

  private:
    void fitToViewport(); // sizes the drawing for the visible part of the window
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace ui
