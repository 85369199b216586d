// The report files: an HTML page for every report kind, and the "#"-separated text file of the
// final report. Renderers of the same inputs as the window; texts are UTF-8 here and become
// Windows-1252 when written.
#pragma once
#include <string>

#include "lott/reports/report_input.h"

namespace reports {

// The tournament name with each of / \ . - * > < replaced by "_".
std::string cleanedName(const std::string& tnamn);
// The page title and file stem of a kind: the cleaned name and the kind's suffix
// ("_deltagarlista", "_stallning", "_lottning", "_rond" + round; none for kinds 6 and 12).
std::string htmlTitle(const ReportInput& in);

// The whole HTML page of the report.
std::string htmlPage(const ReportInput& in);

// What every report page (and lagturnering's team page) starts with, up to its table: the title
// (already escaped) in the head and as the page's heading. The page ends with kPageEnd.
std::string pageStart(const std::string& title);
inline constexpr const char* kPageEnd = "</font></table></body></html>";

// The final report as "#"-separated text: the round count, then a line per standings record.
std::string finalReportText(const ReportInput& in);

// Paths inside `folder` ("lottutskrifter"): the HTML page, and the final report's text file
// named from the tournament name made safe (a name that needs no change keeps its file name).
std::string htmlPath(const std::string& folder, const ReportInput& in);
std::string finalTextPath(const std::string& folder, const ReportInput& in);
// The PDF that printing to a file proposes: the page's name, with "_rankinggrupper" or
// "_slutrapport" for the two kinds whose pages have no suffix of their own.
std::string printPath(const std::string& folder, const ReportInput& in);

// Writes the HTML page (and for the final report the text file) into `folder`, created when
// missing; Windows-1252. A folder or file that cannot be written is the fatal file error.
void writeReportFiles(const ReportInput& in, const std::string& folder = "lottutskrifter");

} // namespace reports
