// The HTML ranking page byte for byte, written out by hand from its documented pieces, and the
// order of the lists.
#include "rank/lists/ranking_html.h"

#include <gtest/gtest.h>

#include "rank/lists/rankingsortera.h"
#include "store/files.h"
#include "store/text.h"
#include "tests/support/rank_poster.h"
#include "tests/support/temp_dir.h"

using namespace rank;
using namespace rankpost;

namespace {

std::tm dag(int ar, int manad, int dagen) {
    std::tm t{};
    t.tm_year = ar - 1900;
    t.tm_mon = manad - 1;
    t.tm_mday = dagen;
    return t;
}

const std::string kHuvud =
    "<html><head><title>Ranking för SK R&amp;R</title>"
    "<meta http-equiv='Content-Type' content='text/html; charset=windows-1252'></title>\n"
    "<body bgcolor='white' text='black' link='blue' vlink='purple' alink='red'>\n"
    "<p><x-claris-window top='0' bottom='435' left='0' right='784'> <x-claris-tagview\n"
    "mode='minimal'> </p>"
    "<p align='center'><font size='5' color='#000055'></font><font size='5'\n"
    "color='#000055'><b></b></font><font size='5' color='#000055'>\n"
    "</font><font size='5' color='#000055'><b>";

const std::string kTabellhuvud =
    "<div align='center'><table border>\n"
    "    <tr>\n"
    "        <td width='182' height='13'><p><font color='navy'><b>Namn </b></font></td>\n"
    "        <td width='110'><p><font color='navy'><b>VELK</b></font></td>\n";

TEST(RankingHtml, PlainPageWithEloColumnMailLinksAndEscapedNames) {
    const std::vector<spelarstruct> lista{medlem("Bo <b>", 1800), medlem("Anna", 1700)};
    const std::vector<elostruct> elo{{"Anna", 2000}, {"Anna", 2010}};
    const std::vector<mailstruct> mail{{"Bo <b>", "bo@x.se"}, {"Bo <b>", "b'o@y.se"}};
    const std::string vantad =
        kHuvud + "Ranking för SK R&amp;R 1/9 2003 </b></font>\n" + kTabellhuvud +
        "        <td width='99'><p><font color='navy'><b>ELO</b></font></td>\n"
        "    </tr>\n"
        // Bo: two mail links, no Elo.
        "        <td width='182' height='13'><p><font color='navy'>1.Bo &lt;b&gt;</font>\n"
        "        <a href='mailto:bo@x.se'><font color='navy'><img src='mailtous.gif'\n"
        "        align='bottom' width='30' height='12' border='2'></font></a>"
        "        <a href='mailto:b&#39;o@y.se'><font color='navy'><img src='mailtous.gif'\n"
        "        align='bottom' width='30' height='12' border='2'></font></a>"
        "</td>\n"
        "       <td width='110' height='13'><p><font color='navy'>1800</font></td>\n"
        "       <td width='99' height='13'><p><font color='navy'>-</font></td>\n"
        "    </tr>\n"
        // Anna: the last Elo record counts.
        "        <td width='182' height='13'><p><font color='navy'>2.Anna</font>\n"
        "</td>\n"
        "       <td width='110' height='13'><p><font color='navy'>1700</font></td>\n"
        "       <td width='99' height='13'><p><font color='navy'>2010</font></td>\n"
        "    </tr>\n"
        "</font></table></div></body></html>";
    EXPECT_EQ(rankingHtml(lista, elo, mail, "SK R&R", false, dag(2003, 10, 4)), vantad);
}

TEST(RankingHtml, FloatingPageWithoutEloHasNoEloColumn) {
    const std::string vantad = kHuvud + "Flytande Ranking för SK R&amp;R 17/5 2003 </b></font>\n" +
                               kTabellhuvud +
                               "    </tr>\n"
                               "        <td width='182' height='13'><p><font color='navy'>1.Anna</font>\n"
                               "</td>\n"
                               "       <td width='110' height='13'><p><font color='navy'>1700</font></td>\n"
                               "    </tr>\n"
                               "</font></table></div></body></html>";
    EXPECT_EQ(rankingHtml({medlem("Anna", 1700)}, {}, {}, "SK R&R", true, dag(2003, 5, 17)), vantad);
}

TEST(RankingHtml, FileNamesFollowTheDate) {
    const struct {
        bool flytande;
        std::tm dag;
        const char* namn;
    } fall[] = {
        {false, dag(2003, 10, 4), "ranking_1_9_2003.htm"},
        {false, dag(2003, 6, 30), "ranking_1_5_2003.htm"},
        {false, dag(2004, 1, 1), "ranking_1_1_2004.htm"},
        {false, dag(2004, 4, 30), "ranking_1_1_2004.htm"},
        {true, dag(2003, 5, 17), "flytande_ranking_17_5_2003.htm"},
        {true, dag(2010, 12, 1), "flytande_ranking_1_12_2010.htm"},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.namn);
        EXPECT_EQ(rankingHtmlNamn(f.flytande, f.dag), f.namn);
    }
}

TEST(Rankingsortera, DescendingLaterMemberFirstOnTiesOutOfRangeLeftOut) {
    const std::vector<spelarstruct> spel{medlem("A", 1500), medlem("B", 1700), medlem("C", 1500),
                                         medlem("D", 0),    medlem("E", -10),  medlem("F", 5001),
                                         medlem("G", 5000), medlem("H", 1500)};
    std::vector<std::string> ordning;
    for (const auto& s : rankingsortera(spel))
        ordning.push_back(s.namn);
    EXPECT_EQ(ordning, (std::vector<std::string>{"G", "B", "H", "C", "A"}));
}

class GorHtml : public ArbetsmappTest {};

TEST_F(GorHtml, WritesWindows1252IntoTheFolderCreatedWhenMissing) {
    store::writeText(fil::AKLUBB, "Åby SK");
    const std::string path = gorhtml({medlem("Örjan", 1700)}, false);
    const std::string bytes = store::readText(path);
    EXPECT_NE(bytes.find("Ranking för Åby SK"), std::string::npos);
    const auto raw = store::readBytes(path);
    EXPECT_NE(std::string(raw.begin(), raw.end()).find("1.\xD6rjan"), std::string::npos)
        << "Windows-1252 bytes";
    EXPECT_TRUE(store::exists(fil::ELO));
    EXPECT_TRUE(store::exists(fil::MAIL));
}

} // namespace
