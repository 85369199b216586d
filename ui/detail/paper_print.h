// Printing a PaperReport through Qt: the sheets for a printer's paper, the print dialog's
// proposals, and painting the sheets the dialog chose.
#pragma once
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>
#include <vector>

#include "ui/paper.h"

namespace ui::detail {

// Margins of every printed sheet are at least this wide, whatever the printer proposes.
inline constexpr double kSmallestMarginMm = 20;

// Widens the printer's margins to kSmallestMarginMm where they are narrower.
void ensureMargins(QPrinter& printer);
// The sheets of `report` on the printer's paper, within its margins.
std::vector<Sheet> sheetsFor(const PaperReport& report, QPrinter& printer);
// Sets the printer up for a new job of `report`: every sheet, the report's name for the job.
void printWholeReport(QPrinter& printer, const PaperReport& report);
// The print dialog proposes: every sheet (its range limited to the report's sheets), and under
// "print to file" the report's own PDF in the report folder (created when missing).
void preparePrintDialog(QPrintDialog& dialog, QPrinter& printer, const PaperReport& report);
// Paints the sheets of `report` that the printer's page range chooses (all when none) as one job.
void printPaper(const PaperReport& report, QPrinter& printer);
// The print preview of `report` on `printer` (a copy of the report is kept by the dialog); its
// print button prints through the print dialog.
std::unique_ptr<QPrintPreviewDialog> makePreview(const PaperReport& report, QPrinter& printer,
                                                 QWidget* parent);

} // namespace ui::detail
