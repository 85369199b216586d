// The pages of the published web site (lott's tournament pages, rank's lists, lagturnering's team
// standings): UTF-8 pages with one shared style sheet, readable on a phone and printable, without
// scripts. Every program's site writer builds its pages from these pieces, so that all pages look
// alike and every text goes through the same escaping.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace store::webb {

// The site's folder inside a program's working directory, and its shared style sheet.
inline constexpr const char* kMapp = "webb";
inline constexpr const char* kStilmall = "stil.css";
// lagturnering's team standings inside the site's folder, linked from its front page.
inline constexpr const char* kLagMapp = "lagstallningar";

// Text for an element or a quoted attribute: & < > " and ' escaped.
std::string text(std::string_view s);
// A file or folder name as a relative link: bytes other than letters, digits and - . _ ~ are
// percent-encoded (a safe file name may hold blanks, å, ä and ö).
std::string lank(std::string_view namn);

struct Lank {
    std::string href; // already made with lank()
    std::string text;
};

// A table with real headers: column headings `<th scope="col">`, and the first cell of each row a
// row heading `<th scope="row">` when `radrubrik`. Cells are plain text; `tal` marks the columns
// that are numbers (right-aligned). A wide table scrolls inside its own box.
struct Tabell {
    std::string rubrik; // the caption; none when empty
    std::vector<std::string> kolumner;
    std::vector<bool> tal;
    std::vector<std::vector<std::string>> rader;
    bool radrubrik = false;
    std::vector<std::string> radklass; // per row: a class name ("utgatt") or empty
};
std::string tabell(const Tabell& t);

// A list of links.
std::string lankLista(const std::vector<Lank>& lankar);

struct Sida {
    std::string titel;           // the page heading, and its <title> unless `flik` is given
    std::string flik;            // the <title> (the browser's tab, a bookmark); none: `titel`
    std::string underrubrik;     // a line under the heading; none when empty
    std::string stilmall;        // relative path of the style sheet ("../stil.css")
    std::vector<Lank> meny;      // the site's navigation, at the top of the page
    std::string innehall;        // the page's body, already HTML
    std::string fot;             // the footer line (what wrote the page, when); none when empty
};
// The whole page: <!DOCTYPE html>, lang="sv", UTF-8, the viewport line.
std::string sida(const Sida& s);

// The shared style sheet.
const std::string& stilmall();

// Writes `innehall` to `path` only when it differs from what is there; true when written.
bool skriv(const std::string& path, const std::string& innehall);
// Creates `folder` (and its parents) when missing; a folder that cannot be made is the fatal
// file error.
void skapaMapp(const std::string& folder);

} // namespace store::webb
