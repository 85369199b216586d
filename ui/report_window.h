// A report window: a frame with its own menu whose client area the subclass paints on a Canvas.
// The same paint() draws the screen, each printed page and PDF output.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "ui/canvas.h"
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
    // Makes the client area scroll: `xRange` steps of `xUnit` by `yRange` steps of `yUnit` units.
    void setScroller(int xUnit, int yUnit, int xRange, int yRange);
    void onCommand(int id, std::function<void()> handler); // menu command `id`
    void repaint();                                        // paints the screen again

    // Prints `pages` pages, calling paint() once per page with printing() true. Shows the print
    // dialog of the shared printer first (which also prints to PDF); under automation writes
    // "print-N.pdf" files instead. Returns false when the user cancelled.
    bool print(int pages = 1);
    // The print job's title (the print dialog's caption and the document name); "Utskrifter" unless set.
    void setPrintTitle(const std::string& title);

    // Draws the report; canvas.printing() and canvas.page() tell screen from printer.
    virtual void paint(Canvas& canvas) = 0;

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace ui
