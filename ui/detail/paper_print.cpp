#include "ui/detail/paper_print.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>

#include "ui/detail/window_impl.h"

namespace ui::detail {
namespace {

QFont paperFont(double points, bool bold) {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

double pixelsPerPoint(const QPrinter& printer) {
    return printer.resolution() / 72.0;
}

// Text widths in points as the printer sets them.
PaperMeasure measureOn(QPrinter& printer) {
    const double perPoint = pixelsPerPoint(printer);
    return [&printer, perPoint](const std::string& text, double points, bool bold) {
        return QFontMetricsF(paperFont(points, bold), &printer).horizontalAdvance(toQ(text)) / perPoint;
    };
}

} // namespace

void ensureMargins(QPrinter& printer) {
    const QMarginsF m = printer.pageLayout().margins(QPageLayout::Millimeter);
    const QMarginsF wide(std::max(m.left(), kSmallestMarginMm), std::max(m.top(), kSmallestMarginMm),
                         std::max(m.right(), kSmallestMarginMm), std::max(m.bottom(), kSmallestMarginMm));
    if (wide != m) printer.setPageMargins(wide, QPageLayout::Millimeter);
}

std::vector<Sheet> sheetsFor(const PaperReport& report, QPrinter& printer) {
    ensureMargins(printer);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    return layOutPaper(report, area.width(), area.height(), measureOn(printer));
}

void printWholeReport(QPrinter& printer, const PaperReport& report) {
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPageRanges(QPageRanges());
    const QString name = QFileInfo(toQ(report.fileName)).completeBaseName();
    printer.setDocName(name.isEmpty() ? QString("Utskrifter") : name);
}

void preparePrintDialog(QPrintDialog& dialog, QPrinter& printer, const PaperReport& report) {
    printWholeReport(printer, report);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    dialog.setMinMax(1, std::max<int>(1, static_cast<int>(sheetsFor(report, printer).size())));
    if (report.fileName.empty()) return;
    // Print to file: the report's own PDF in the report folder, not a file in the home folder.
    // The dialog keeps the proposal in its file name field (it has no interface for it).
    const QString path = QDir::current().absoluteFilePath(toQ(report.fileName));
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (auto* field = dialog.findChild<QLineEdit*>("filename")) field->setText(path);
}

std::unique_ptr<QPrintPreviewDialog> makePreview(const PaperReport& report, QPrinter& printer,
                                                 QWidget* parent) {
    printWholeReport(printer, report);
    auto preview = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    preview->setWindowTitle("Förhandsgranskning");
    QObject::connect(preview.get(), &QPrintPreviewDialog::paintRequested,
                     [report](QPrinter* target) { printPaper(report, *target); });
    return preview;
}

void printPaper(const PaperReport& report, QPrinter& printer) {
    const std::vector<Sheet> sheets = sheetsFor(report, printer);
    const QPageRanges chosen =
        printer.printRange() == QPrinter::PageRange ? printer.pageRanges() : QPageRanges();
    const double perPoint = pixelsPerPoint(printer);
    QPainter painter;
    bool first = true;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (!chosen.isEmpty() && !chosen.contains(static_cast<int>(i) + 1)) continue;
        if (first) {
            if (!painter.begin(&printer)) return; // the printer refused the job
        } else {
            printer.newPage();
        }
        first = false;
        painter.setPen(Qt::black);
        for (const auto& t : sheets[i].texts) {
            const QFont font = paperFont(t.points, t.bold);
            painter.setFont(font);
            const QFontMetricsF metrics(font, &printer);
            painter.drawText(QPointF(t.x * perPoint, t.y * perPoint + metrics.ascent()), toQ(t.text));
        }
    }
    if (painter.isActive()) painter.end();
}

} // namespace ui::detail
