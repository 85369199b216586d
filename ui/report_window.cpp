#include "ui/report_window.h"

#include <QMainWindow>
#include <QPageSetupDialog>
#include <QPaintEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

#include "ui/app.h"
#include "ui/automation.h"
#include "ui/detail/menu_impl.h"
#include "ui/detail/printer.h"
#include "ui/detail/qt_canvas.h"
#include "ui/detail/runtime.h"
#include "ui/detail/window_impl.h"

namespace ui {
namespace detail {
namespace {

// The client area: paints the report in the window's own units, one unit a pixel.
class PaintArea : public QWidget {
  public:
    explicit PaintArea(ReportWindow* owner) : owner_(owner) {
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
    }
    double unitsWide = 0;
    double unitsHigh = 0;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setPen(Qt::black);
        PainterCanvas canvas(painter, unitsWide, unitsHigh, false, 1);
        owner_->paint(canvas);
    }

  private:
    ReportWindow* owner_;
};

// Paints `pages` pages of `w` on `printer`, each scaled so that the window fits the page.
void printPages(ReportWindow& w, QPrinter& printer, int firstPage, int pages, double units_w,
                double units_h) {
    QPainter painter(&printer);
    for (int p = 0; p < pages; ++p) {
        if (p > 0) printer.newPage();
        const QRectF page = printer.pageRect(QPrinter::DevicePixel);
        const double scale = std::min(page.width() / units_w, page.height() / units_h);
        painter.save();
        painter.scale(scale, scale);
        painter.setPen(Qt::black);
        PainterCanvas canvas(painter, units_w, units_h, true, firstPage + p);
        w.paint(canvas);
        painter.restore();
    }
}

} // namespace
} // namespace detail

struct ReportWindow::Parts {
    QScrollArea* scroll = nullptr;
    detail::PaintArea* area = nullptr;
    QString printTitle = "Utskrifter";
};

ReportWindow::ReportWindow(Window* parent, const std::string& caption, const MenuResource& menu)
    : Window(parent) {
    auto* frame = new QMainWindow();
    frame->setWindowTitle(detail::toQ(caption));
    impl().widget = frame;
    impl().menu = new detail::MenuImpl{menu, {}, {}};
    impl().menu->build(frame->menuBar());
    frame->statusBar(); // menu hints show here

    parts_ = std::make_unique<Parts>();
    auto& p = *parts_;
    p.scroll = new QScrollArea();
    p.area = new detail::PaintArea(this);
    p.scroll->setWidget(p.area);
    p.scroll->setWidgetResizable(true);
    p.scroll->setBackgroundRole(QPalette::Base);
    frame->setCentralWidget(p.scroll);
    place(0, 0, 640, 480);

    detail::installFrameClose(impl());
    impl().dumpBody = [this](std::vector<std::string>& lines) {
        auto& q = *parts_;
        detail::RecordingCanvas canvas(q.area->unitsWide, q.area->unitsHigh);
        paint(canvas);
        for (auto& row : canvas.rows())
            lines.push_back(row);
    };
}

ReportWindow::~ReportWindow() {
    delete impl().menu;
    impl().menu = nullptr;
}

void ReportWindow::place(int x, int y, int width, int height) {
    auto& p = *parts_;
    p.area->unitsWide = width;
    p.area->unitsHigh = height;
    impl().widget->setGeometry(x, y, width, height);
}

void ReportWindow::setScroller(int xUnit, int yUnit, int xRange, int yRange) {
    auto& p = *parts_;
    p.scroll->setWidgetResizable(false);
    p.area->resize(std::max(1, xUnit * xRange), std::max(1, yUnit * yRange));
    p.scroll->horizontalScrollBar()->setSingleStep(xUnit);
    p.scroll->verticalScrollBar()->setSingleStep(yUnit);
}

void ReportWindow::onCommand(int id, std::function<void()> handler) {
    impl().menu->handlers[id] = std::move(handler);
}

void ReportWindow::repaint() {
    parts_->area->update();
}

bool ReportWindow::print(int pages) {
    auto& p = *parts_;
    const double w = p.area->unitsWide, h = p.area->unitsHigh;
    if (automation::enabled()) {
        for (int page = 1; page <= pages; ++page) {
            QPrinter pdf(QPrinter::HighResolution);
            pdf.setOutputFormat(QPrinter::PdfFormat);
            pdf.setOutputFileName(QString("print-%1.pdf").arg(detail::nextPrintNumber()));
            pdf.setDocName(p.printTitle);
            detail::printPages(*this, pdf, page, 1, w, h);
        }
        return true;
    }
    QPrinter& printer = detail::sharedPrinter();
    QPrintDialog dialog(&printer, impl().widget);
    dialog.setWindowTitle(p.printTitle);
    if (dialog.exec() != QDialog::Accepted) return false;
    printer.setDocName(p.printTitle);
    detail::printPages(*this, printer, 1, pages, w, h);
    return true;
}

void ReportWindow::setPrintTitle(const std::string& title) {
    parts_->printTitle = detail::toQ(title);
}

} // namespace ui
