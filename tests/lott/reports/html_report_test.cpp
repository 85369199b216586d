// The HTML pages and the final-report text file, byte for byte against texts written by hand.
#include "lott/reports/html_report.h"

#include <gtest/gtest.h>

#include "tests/lott/reports/report_fixtures.h"

using namespace reports;
using namespace reports::testing;

namespace {

// Everything of a page before its table, for title T.
std::string head(const std::string& t) {
    return "<html><head><title>" + t +
           "</title><meta http-equiv='Content-Type' content='text/html; charset=windows-1252'>"
           "<meta name='GENERATOR' content='Microsoft FrontPage' 3.0>\n"
           "<meta name='Microsoft Border' content='none'>\n"
           "<base target='rbottom'></head>\n"
           "<body bgcolor='#FFFFFF' text='#000000' link='#FFFFFF' vlink='#FFFFFF' alink='#FFFFFF' >\n"
           "<div align='center'>\n"
           "<strong><big><big><big>" +
           t + "\n</strong></big></big></big></font><div align='left'><p><table><font face='Helvetica'>\n";
}
const std::string tail = "</font></table></body></html>";

ReportInput input(int kind) {
    ReportInput in;
    in.vilkpaint = kind;
    in.tnamn = "Höstturnering";
    in.valdrond = 3;
    return in;
}

TEST(HtmlReport, ParticipantListSkipsTheByeAndNamesMissingClubs) {
    ReportInput in = input(kDeltagare);
    in.spelare = {player(1, "Åsa Öberg", "SK Rockaden", 1850), player(2, "Per Lind", "nej"),
                  player(3, "Frirond", "")};
    const std::string expected = head("Höstturnering_deltagarlista") +
                                 "<tr><td width='200' height='13'>\n"
                                 "<td width='50' height='13'><strong>Nr.</strong></td>\n"
                                 "<td width='200' height='13'><strong>Namn</strong></td>\n"
                                 "<td width='200' height='13'><strong>Klubb</strong></td>\n"
                                 "</tr>\n"
                                 "<tr><td width='200' height='13'></td>\n"
                                 "<td width='50' height='13'>1.</td>\n"
                                 "<td width='200' height='13'>Åsa Öberg</td>\n"
                                 "<td width='200' height='13'>SK Rockaden</td>\n"
                                 "</tr>\n"
                                 "<tr><td width='200' height='13'></td>\n"
                                 "<td width='50' height='13'>2.</td>\n"
                                 "<td width='200' height='13'>Per Lind</td>\n"
                                 "<td width='200' height='13'>Ej angiven</td>\n"
                                 "</tr>\n" +
                                 tail;
    EXPECT_TRUE(sameText(expected, htmlPage(in)));
}

TEST(HtmlReport, StandingsLeaveTheTiedPlaceEmptyAndKeepTheBye) {
    ReportInput in = input(kStallning);
    in.stallning = {row(2, "Anna Berg", "Lunds ASK", 2.5, 4.5), row(1, "Bo Ek", "nej", 2, 3.5),
                    row(4, "Cecilia Dahl", "nej", 2, 3.5), row(3, "Frirond", "nej", 0, 0)};
    const std::string expected = head("Höstturnering_stallning") +
                                 "<tr><td width='100' height='13'></td>\n"
                                 "<td width='50' height='13'><strong>Plats</strong></td>\n"
                                 "<td width='200' height='13'><strong>Namn</strong></td>\n"
                                 "<td width='200' height='13'><strong>Klubb</strong></td>\n"
                                 "<td width='50' height='13'><strong>Poäng</strong></td>\n"
                                 "<td width='50' height='13'><strong>Kvalitét</strong></td>\n"
                                 "</tr>\n"
                                 "<tr><td width='100' height='13'></td>\n"
                                 "<td width='50' height='13'><strong>1</strong></td>\n"
                                 "<td width='150' height='13'><strong>Anna Berg</strong></td>\n"
                                 "<td width='250' height='13'><strong>Lunds ASK</strong></td>\n"
                                 "<td width='50' height='13'><strong>2.5</strong></td>\n"
                                 "<td width='50' height='13'><strong>4.5</strong></td>\n"
                                 "</tr>\n"
                                 "<tr><td width='100' height='13'></td>\n"
                                 "<td width='50' height='13'><strong>2</strong></td>\n"
                                 "<td width='150' height='13'><strong>Bo Ek</strong></td>\n"
                                 "<td width='250' height='13'><strong>Ej angiven</strong></td>\n"
                                 "<td width='50' height='13'><strong>2</strong></td>\n"
                                 "<td width='50' height='13'><strong>3.5</strong></td>\n"
                                 "</tr>\n"
                                 "<tr><td width='100' height='13'></td>\n"
                                 "<td width='50' height='13'><strong></strong></td>\n"
                                 "<td width='150' height='13'><strong>Cecilia Dahl</strong></td>\n"
                                 "<td width='250' height='13'><strong>Ej angiven</strong></td>\n"
                                 "<td width='50' height='13'><strong>2</strong></td>\n"
                                 "<td width='50' height='13'><strong>3.5</strong></td>\n"
                                 "</tr>\n"
                                 "<tr><td width='100' height='13'></td>\n"
                                 "<td width='50' height='13'><strong>4</strong></td>\n"
                                 "<td width='150' height='13'><strong>Frirond</strong></td>\n"
                                 "<td width='250' height='13'><strong>Ej angiven</strong></td>\n"
                                 "<td width='50' height='13'><strong>0</strong></td>\n"
                                 "<td width='50' height='13'><strong>0</strong></td>\n"
                                 "</tr>\n" +
                                 tail;
    EXPECT_TRUE(sameText(expected, htmlPage(in)));
}

TEST(HtmlReport, CustomScoringHeadsTheTieBreakMatchpoang) {
    ReportInput in = input(kEgenKategori);
    in.poangval = 4;
    in.tnamn = "Lag-DM_Junior";
    in.stallning = {row(1, "Bo Ek", "SK", 12.5, 7)};
    const std::string page = htmlPage(in);
    EXPECT_EQ(0u, page.find(head("Lag_DM_Junior_stallning")));
    EXPECT_NE(std::string::npos,
              page.find("<td width='50' height='13'><strong>Matchpoäng</strong></td>\n</tr>\n"));
    EXPECT_NE(std::string::npos, page.find("<td width='50' height='13'><strong>12.5</strong></td>\n"
                                           "<td width='50' height='13'><strong>7</strong></td>\n</tr>\n"));
}

const std::string boardHead = "<tr><td width='10' height='13'></td>\n"
                              "<td width='25' height='13'><strong>Nr</strong></td>\n"
                              "<td width='200' height='13'><strong>Namn</strong></td>\n";

TEST(HtmlReport, PairingsWithAndWithoutBye) {
    ReportInput in = input(kLottning);
    in.spelare = {player(3, "Cecilia Dahl", "SK Kamraterna"), player(1, "Bo Ek", "nej"),
                  player(2, "Anna Berg", "Lunds ASK"), player(4, "Frirond", "nej")};
    const std::string heading = boardHead + "<td width='250' height='13'><strong>Klubb</strong></td>\n"
                                            "<td width='50' height='13'><strong>-</strong></td>\n"
                                            "<td width='25' height='13'><strong>Nr</strong></td>\n"
                                            "<td width='200' height='13'><strong>Namn</strong></td>\n"
                                            "<td width='250' height='13'><strong>Klubb</strong></td></tr>\n";
    const std::string board1 = "<tr><td width='10' height='13'></td>\n"
                               "<td width='25' height='13'>3</td>\n"
                               "<td width='200' height='13'>Cecilia Dahl</td>\n"
                               "<td width='250' height='13'>SK Kamraterna</td>\n"
                               "<td width='50' height='13'>-</td>\n"
                               "<td width='25' height='13'>1</td>\n"
                               "<td width='200' height='13'>Bo Ek</td>\n"
                               "<td width='250' height='13'>Ej angiven</td></tr>\n";
    const std::string byeBoard = "<tr><td width='10' height='13'></td>\n"
                                 "<td width='25' height='13'>2</td>\n"
                                 "<td width='200' height='13'>Anna Berg</td>\n"
                                 "<td width='250' height='13'>Lunds ASK</td>\n"
                                 "<td width='50' height='13'>-</td>\n"
                                 "<td width='25' height='13'>4</td>\n"
                                 "<td width='200' height='13'>Frirond</td>\n"
                                 "<td width='250' height='13'></td></tr>\n";
    EXPECT_TRUE(sameText(head("Höstturnering_lottning") + heading + board1 + byeBoard + tail, htmlPage(in)));

    in.spelare.resize(2);
    EXPECT_TRUE(sameText(head("Höstturnering_lottning") + heading + board1 + tail, htmlPage(in)));
}

const std::string resultHeading = boardHead +
                                  "<td width='200' height='13'><strong>Klubb</strong></td>\n"
                                  "<td width='50' height='13'><strong>-</strong></td>\n"
                                  "<td width='25' height='13'><strong>Nr</strong></td>\n"
                                  "<td width='200' height='13'><strong>Namn</strong></td>\n"
                                  "<td width='200' height='13'><strong>Klubb</strong></td>\n"
                                  "<td width='100' height='13'><strong>Resultat</strong></td></tr>\n";

std::string resultRow(int vnr, const std::string& v, const std::string& vk, int snr, const std::string& s,
                      const std::string& sk, const std::string& res) {
    return "<tr><td width='10' height='13'></td>\n<td width='25' height='13'>" + std::to_string(vnr) +
           "</td>\n<td width='200' height='13'>" + v + "</td>\n<td width='200' height='13'>" + vk +
           "</td>\n<td width='50' height='13'>-</td>\n<td width='25' height='13'>" + std::to_string(snr) +
           "</td>\n<td width='200' height='13'>" + s + "</td>\n<td width='200' height='13'>" + sk +
           "</td>\n<td width='100' height='13'>" + res + "</td></tr>\n";
}

TEST(HtmlReport, ResultsOfOneRoundInBoardOrderWithEveryResultText) {
    ReportInput in = input(kResultat);
    in.tnamn = "Vår-cup 2/3";
    in.valdrond = 4;
    in.spelare = {player(1, "A", "K1"), player(2, "B", "nej"), player(3, "C", "K3"), player(4, "D", "K4"),
                  player(5, "Frirond", "nej")};
    // Stored out of board order and mixed with another round.
    in.partier = {game(4, 3, 4, 5, resVitVinst), game(3, 1, 1, 2, resRemi), game(4, 1, 2, 1, resSvartWo),
                  game(4, 2, 3, 4, resUppskjutet)};
    const std::string expected = head("Vår_cup 2_3_rond4") + resultHeading +
                                 resultRow(2, "B", "Ej angiven", 1, "A", "K1", "0-1(W.O)") +
                                 resultRow(3, "C", "K3", 4, "D", "K4", "uppskjut.") +
                                 resultRow(4, "D", "K4", 5, "Frirond", "", "1-0") + tail;
    EXPECT_TRUE(sameText(expected, htmlPage(in)));
    EXPECT_EQ("lottutskrifter/Vår_cup 2_3_rond4.htm", htmlPath("lottutskrifter", in));
}

TEST(HtmlReport, AByeWithoutARecordIsNamedAndHasNoClub) {
    // The bye 4 left the start list at a late entry; its round-1 game still shows "Frirond".
    ReportInput in = input(kResultat);
    in.tnamn = "T";
    in.valdrond = 1;
    in.spelare = {player(1, "A", "K1"), player(2, "B", "K2"), player(3, "C", "K3"), player(5, "Nils", "K5")};
    in.partier = {game(1, 2, 3, 4, resVitVinst)};
    EXPECT_TRUE(
        sameText(head("T_rond1") + resultHeading + resultRow(3, "C", "K3", 4, "Frirond", "", "1-0") + tail,
                 htmlPage(in)));
}

TEST(HtmlReport, ResultTextsOfEveryCode) {
    ReportInput in = input(kResultat);
    in.valdrond = 1;
    in.spelare = {player(1, "A", "K"), player(2, "B", "K")};
    const char* texts[] = {"", "1-0", "0-1", "Remi", "uppskjut.", "avbrutet", "0-0", "1-0(W.O)", "0-1(W.O)"};
    for (int code = 0; code <= 8; ++code) {
        in.partier = {game(1, 1, 1, 2, code)};
        EXPECT_NE(std::string::npos, htmlPage(in).find(std::string("<td width='100' height='13'>") +
                                                       texts[code] + "</td></tr>\n"))
            << code;
    }
}

TEST(HtmlReport, ResultsUnderCustomScoringShowBothScores) {
    ReportInput in = input(kResultat);
    in.poangval = 4;
    in.valdrond = 2;
    in.spelare = {player(1, "A", "K1"), player(2, "B", "K2"), player(3, "C", "K3"), player(4, "D", "K4")};
    in.valfria = {valfri(1, 1, 1, 2, 1, 1), valfri(2, 2, 4, 1, 2.5, 1.5), valfri(2, 1, 2, 3, 0.125, 3.875)};
    const std::string expected = head("Höstturnering_rond2") + resultHeading +
                                 resultRow(2, "B", "K2", 3, "C", "K3", "0.125 - 3.875") +
                                 resultRow(4, "D", "K4", 1, "A", "K1", "2.5 - 1.5") + tail;
    EXPECT_TRUE(sameText(expected, htmlPage(in)));
}

TEST(HtmlReport, MarkupInNamesIsEscaped) {
    ReportInput in = input(kDeltagare);
    in.tnamn = "A&B";
    in.spelare = {player(1, "<script>x</script>", "S&K")};
    const std::string page = htmlPage(in);
    EXPECT_EQ(std::string::npos, page.find("<script>"));
    EXPECT_NE(std::string::npos,
              page.find("&lt;script&gt;x&lt;/script&gt;</td>\n<td width='200' height='13'>S&amp;K"));
    EXPECT_EQ(0u, page.find("<html><head><title>A&amp;B_deltagarlista</title>"));
}

TEST(HtmlReport, FinalReportPageHasNoTableAndItsTextFileListsEveryGame) {
    ReportInput in = input(kSlutrapport);
    in.valdrond = 2;
    in.stallning = {row(1, "Anna", "SK", 2, 1), row(3, "Bo", "nej", 1.5, 1), row(2, "Cia", "K", 0.5, 2.5),
                    row(4, "Frirond", "", 0, 0)};
    in.partier = {game(1, 1, 1, 2, resVitVinst), game(1, 2, 3, 4, resVitVinst), game(2, 1, 2, 3, resRemi),
                  game(2, 2, 4, 1, resSvartWo)};
    EXPECT_TRUE(sameText(head("Höstturnering") + tail, htmlPage(in)));
    EXPECT_TRUE(sameText("2\n"
                         "1.#Anna#SK#1;1;#2#1\n"
                         "2.#Bo#nej#1;0.5;#1.5#1\n"
                         "3.#Cia#K#0;0.5;#0.5#2.5\n"
                         "4.#Frirond##0;0;#0#0\n",
                         finalReportText(in)));

    // Postponed, adjourned, both-lose and unplayed games leave a blank; a round without a game
    // leaves nothing.
    in.valdrond = 3;
    in.stallning = {row(1, "Anna", "SK", 0, 0), row(2, "Bo", "SK", 0, 0)};
    in.partier = {game(1, 1, 1, 2, resUppskjutet), game(3, 1, 2, 1, resDiskval)};
    EXPECT_TRUE(sameText("3\n1.#Anna#SK# ; ;#0#0\n2.#Bo#SK# ; ;#0#0\n", finalReportText(in)));
}

TEST(HtmlReport, FileNamesComeFromTheCleanedNameAndTheTextFileFromASafeName) {
    ReportInput in = input(kSlutrapport);
    in.tnamn = "Vår-cup 2/3";
    EXPECT_EQ("lottutskrifter/Vår_cup 2_3.htm", htmlPath("lottutskrifter", in));
    EXPECT_EQ("lottutskrifter/Vår-cup 2_3.txt", finalTextPath("lottutskrifter", in));
    in.tnamn = "../../etc";
    EXPECT_EQ("lottutskrifter/.._.._etc.txt", finalTextPath("lottutskrifter", in));
    in.tnamn = "..";
    EXPECT_EQ("lottutskrifter/namnlos.txt", finalTextPath("lottutskrifter", in));
    in.tnamn = "Klubbmästerskap 2024"; // needs no change: keeps its name
    EXPECT_EQ("lottutskrifter/Klubbmästerskap 2024.txt", finalTextPath("lottutskrifter", in));
    in.vilkpaint = kDeltagare;
    in.tnamn = "A.B-C*D>E<F\\G";
    EXPECT_EQ("A_B_C_D_E_F_G_deltagarlista", htmlTitle(in));
    in.vilkpaint = kRankinggrupper;
    EXPECT_EQ("A_B_C_D_E_F_G", htmlTitle(in));
}

} // namespace
