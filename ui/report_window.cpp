#include "ui/report_window.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QPaintEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <algorithm>
#include <cmath>

#include "ui/app.h"
#include "ui/automation.h"
#include "ui/detail/menu_impl.h"
#include "ui/detail/paper_print.h"
#include "ui/detail/printer.h"
#include "ui/detail/qt_canvas.h"
#include "ui/detail/runtime.h"
#include "ui/detail/window_impl.h"

namespace ui {
namespace detail {
namespace {

// The drawing never shrinks its most common text below this height in pixels to fit the window.
constexpr double kSmallestTextPixels = 10;
// Nor below this share of its own size.
constexpr double kSmallestFit = 0.45;

// The client area: paints the report in the window's own units, shrunk by `fit` when the
// window is narrower than the drawing.
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
    double fit = 1;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setPen(Qt::black);
        painter.scale(fit, fit);
        PainterCanvas canvas(painter, unitsWide, unitsHigh, false, 1);
        owner_->paint(canvas);
    }

  private:
    ReportWindow* owner_;
};

// Sizes the drawing when the visible part of the window is shown or changes size.
class ViewportWatch : public QObject {
  public:
    ViewportWatch(QObject* parent, std::function<void()> changed)
        : QObject(parent), changed_(std::move(changed)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show) changed_();
        return false;
    }

  private:
    std::function<void()> changed_;
};

} // namespace
} // namespace detail

struct ReportWindow::Parts {
    QScrollArea* scroll = nullptr;
    detail::PaintArea* area = nullptr;
    int minWidth = 0; // pixels the drawing scrolls at least (setScroller)
    int minHeight = 0;
    bool sizing = false; // sizing the drawing, which may change the viewport (scroll bars)
    bool again = false;  // the viewport changed while sizing: size once more
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
    p.scroll->setWidgetResizable(false);
    p.scroll->setBackgroundRole(QPalette::Base);
    p.scroll->viewport()->installEventFilter(new detail::ViewportWatch(p.scroll, [this] { repaint(); }));
    frame->setCentralWidget(p.scroll);
    place(0, 0, 640, 480);

    detail::installFrameClose(impl());
    // Escape and Ctrl+W close the report as its frame does.
    auto* shut = new QAction(frame);
    shut->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    QObject::connect(shut, &QAction::triggered, [this] {
        if (impl().closed) return;
        if (impl().frameClose)
            impl().frameClose();
        else
            close();
    });
    frame->addAction(shut);
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
    p.minWidth = std::max(0, xUnit * xRange);
    p.minHeight = std::max(0, yUnit * yRange);
    p.scroll->horizontalScrollBar()->setSingleStep(xUnit);
    p.scroll->verticalScrollBar()->setSingleStep(yUnit);
    if (isOpen()) repaint(); // before the window is shown, showing it sizes the drawing
}

void ReportWindow::onCommand(int id, std::function<void()> handler) {
    impl().menu->handlers[id] = std::move(handler);
}

void ReportWindow::repaint() {
    auto& p = *parts_;
    if (p.sizing) {
        p.again = true;
        return;
    }
    p.sizing = true;
    // Showing or hiding a scroll bar narrows or widens the viewport: size again, a few times at most.
    for (int pass = 0; pass < 3; ++pass) {
        p.again = false;
        fitToViewport();
        if (!p.again) break;
    }
    p.sizing = false;
    p.area->update();
}

void ReportWindow::fitToViewport() {
    auto& p = *parts_;
    // How far the drawing reaches, measured by drawing it once.
    detail::RecordingCanvas measured(p.area->unitsWide, p.area->unitsHigh);
    paint(measured);
    const double wide = std::max<double>(p.minWidth, measured.right());
    const double high = std::max<double>(p.minHeight, measured.bottom());
    const double room = p.scroll->viewport()->width();
    double fit = 1;
    if (wide > room && wide > 0) {
        const double common = measured.commonHeight();
        const double floor =
            std::max(detail::kSmallestFit, common > 0 ? detail::kSmallestTextPixels / common : 0.0);
        // A pixel to spare, so that rounding the size up never brings the scroll bar back.
        fit = std::clamp((room - 1) / wide, std::min(floor, 1.0), 1.0);
    }
    p.area->fit = fit;
    p.area->resize(std::max(1, static_cast<int>(std::ceil(wide * fit))),
                   std::max(1, static_cast<int>(std::ceil(high * fit))));
}

PaperReport ReportWindow::paperReport() {
    return {};
}

bool ReportWindow::print() {
    const PaperReport report = paperReport();
    if (automation::enabled()) {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setOutputFileName(QString("print-%1.pdf").arg(detail::nextPrintNumber()));
        detail::printPaper(report, pdf);
        return true;
    }
    QPrinter& printer = detail::sharedPrinter();
    QPrintDialog dialog(&printer, impl().widget);
    dialog.setWindowTitle("Utskrifter");
    detail::preparePrintDialog(dialog, printer, report);
    if (dialog.exec() != QDialog::Accepted) return false;
    detail::printPaper(report, printer);
    return true;
}

bool ReportWindow::printPreview() {
    if (automation::enabled()) return false;
    const PaperReport report = paperReport();
    const auto preview = detail::makePreview(report, detail::sharedPrinter(), impl().widget);
    return preview->exec() == QDialog::Accepted;
}

} // namespace ui
