// On a desktop set to Swedish the C library writes and reads a decimal comma ("0,5"). Every
// decimal number the programs show, print or write keeps its full stop there, and every number
// typed reads the same as under the C locale.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "lott/reports/game_texts.h"
#include "lott/reports/html_report.h"
#include "lott/reports/report_content.h"
#include "lott/results/avbrott.h"
#include "lott/results/resultattext.h"
#include "store/filenames.h"
#include "tests/lott/pairing/andring_hjalp.h"
#include "tests/lott/reports/report_fixtures.h"
#include "tests/support/locale.h"
#include "tools/lagturnering/lagsida.h"

using namespace reports;
using namespace reports::testing;

namespace {

class SwedishDesktop : public ArbetsmappTest {
  protected:
    void SetUp() override {
        ArbetsmappTest::SetUp();
        if (!svenska_.entered()) GTEST_SKIP() << "sv_SE.UTF-8 is not installed (scripts/setup generates it)";
        char komma[8];
        std::snprintf(komma, sizeof komma, "%.1f", 0.5);
        ASSERT_STREQ("0,5", komma) << "the locale gives the C library no decimal comma";
    }

  private:
    ScopedLocale svenska_{"sv_SE.UTF-8"};
};

std::string fileText(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::string rowsText(const ReportContent& c) {
    std::string out;
    for (const Row& r : c.rows) {
        for (const Cell& cell : r.cells)
            out += cell.text + "|";
        out += "\n";
    }
    return out;
}

// Anna 4.5 points and 0.5 kvalitet, Bo 0.5 and 4.5, after two rounds: a win and a draw for Anna.
ReportInput tournament(int kind) {
    ReportInput in;
    in.vilkpaint = kind;
    in.tnamn = "Vårcup";
    in.valdrond = 2;
    in.spelare = {player(1, "Anna", "SK"), player(2, "Bo", "SK")};
    in.stallning = {row(1, "Anna", "SK", 4.5, 0.5), row(2, "Bo", "SK", 0.5, 4.5)};
    in.partier = {game(1, 1, 1, 2, resVitVinst), game(2, 1, 2, 1, resRemi)};
    return in;
}

ReportInput customScores(int kind) {
    ReportInput in = tournament(kind);
    in.poangval = 4;
    in.valfria = {valfri(1, 1, 1, 2, 1.5, 2.5), valfri(2, 1, 2, 1, 3, 1)};
    return in;
}

TEST_F(SwedishDesktop, EveryDecimalNumberIsWrittenWithAFullStop) {
    writeReportFiles(tournament(kStallning));
    writeReportFiles(tournament(kSlutrapport));
    store::writeAll("1.T", andringtest::registrerade(2));
    store::writeAll(store::fil::VALFRI, std::vector<valfristruct>{andringtest::valfriParti(1, 1, 1, 2, 1.5, 2.5)});
    const auto rattelse = Avbrottslista(1, Avbrottslista::kAllaPartier, true).markera("1 1 S1 - 2 S2");
    ASSERT_TRUE(rattelse);

    const struct {
        const char* what;
        std::string text;
        std::string expected; // a part of `text`, as under the C locale
    } cases[] = {
        {"standings page", fileText(htmlPath("lottutskrifter", tournament(kStallning))),
         "<td width='50' height='13'><strong>4.5</strong></td>\n"
         "<td width='50' height='13'><strong>0.5</strong></td>\n"},
        {"final report's text file", fileText(finalTextPath("lottutskrifter", tournament(kSlutrapport))),
         "2\n1.#Anna#SK#1;0.5;#4.5#0.5\n2.#Bo#SK#0;0.5;#0.5#4.5\n"},
        {"standings on screen and paper", rowsText(stallningContent(tournament(kStallning), Band::Small)),
         "|Anna|SK|4.5|0.5|"},
        {"custom-score standings", rowsText(stallningContent(customScores(kStallning), Band::Small)),
         "|4.5|0.5|"},
        {"final report on screen and paper", rowsText(slutrapportContent(customScores(kSlutrapport))),
         "|Anna|4.5|0.5|1.5p,2|1p,2|"},
        {"custom-score result", valfriResultText(valfri(1, 1, 1, 2, 1.5, 2.5)), "1.5 - 2.5"},
        {"correction dialog's stored custom result", rattelse->resultat, "1.5-2.5"},
        {"lagturnering's page", lagturnering::lagsida("Cup", {{"SK", 12.5}, {"AS", 0.5}}, lagturnering::Variant::Total),
         "<strong>12.5</strong></td>\n<td width='50' height='13'><strong></strong></td>\n</tr>\n"
         "<tr><td width='100' height='13'></td>\n<td width='150' height='13'><strong>2</strong></td>\n"
         "<td width='150' height='13'><strong>AS</strong></td>\n"
         "<td width='100' height='13'><strong>0.5</strong>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NE(c.text.find(c.expected), std::string::npos) << c.text;
        EXPECT_EQ(c.text.find("0,5"), std::string::npos);
        EXPECT_EQ(c.text.find("4,5"), std::string::npos);
    }
}

TEST_F(SwedishDesktop, TypedScoresReadAsUnderTheCLocale) {
    const struct {
        const char* typed;
        double vit, svart;
    } cases[] = {{"2.5-1.5", 2.5, 1.5}, {".5-3.", 0.5, 3}, {"10-0.25", 10, 0.25}, {"1-0", 1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        double vit = -1, svart = -1;
        ASSERT_EQ(1, resultat::testavvalfrittresultat(c.typed, vit, svart));
        EXPECT_EQ(c.vit, vit);
        EXPECT_EQ(c.svart, svart);
    }
    // The correction dialog takes a comma as a full stop.
    store::writeAll("1.T", andringtest::registrerade(2));
    store::writeAll(store::fil::VALFRI, std::vector<valfristruct>{andringtest::valfriParti(1, 1, 1, 2, 1.5, 2.5)});
    Avbrottslista lista(1, Avbrottslista::kAllaPartier, true);
    ASSERT_TRUE(lista.bekraftaValfritt("1 1 S1 - 2 S2", "2,5-1,5"));
    EXPECT_EQ("2.5-1.5", lista.markera("1 1 S1 - 2 S2")->resultat);
}

} // namespace
