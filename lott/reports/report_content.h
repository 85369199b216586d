// The rows each report kind shows in the window and on paper (see report_layout.h for the
// drawing model). Pure computations on the report's input.
#pragma once
#include "lott/reports/report_input.h"
#include "lott/reports/report_layout.h"

namespace reports {

ReportContent deltagareContent(const ReportInput& in);
ReportContent lottningContent(const ReportInput& in);
ReportContent resultatContent(const ReportInput& in);
ReportContent stallningContent(const ReportInput& in, Band band); // kinds 4 and 9
ReportContent slutrapportContent(const ReportInput& in);
ReportContent rankinggruppContent(const ReportInput& in);

// Ranking-group paging: rows per printed page and whole groups per page.
int groupRowsPerPage(const rankingstruct& g);
int groupsPerPage(const rankingstruct& g);

// The content of the kind in `in.vilkpaint`.
ReportContent reportContent(const ReportInput& in, Band band);

// The window caption of a report kind.
std::string reportCaption(int vilkpaint);

// Rows (records) per printed page of a kind: 40, 90 or 50 (`sidposter`).
int sidposter(int vilkpaint);

} // namespace reports
