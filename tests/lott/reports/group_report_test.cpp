// The ranking-group report on damaged settings: counts at the end of the int range neither
// overflow the paging nor make the report draw groups without end.
#include <gtest/gtest.h>

#include <climits>

#include "lott/reports/report_content.h"
#include "lott/reports/report_data.h"
#include "store/files.h"
#include "tests/lott/reports/report_fixtures.h"
#include "tests/support/temp_dir.h"

using namespace reports;
using namespace reports::testing;

namespace {

TEST(GroupReportDamaged, PagingOfHugeGroupSizes) {
    struct Fall {
        int spelarepergr;
        int rader; // rows per page
    };
    // 715827890 x 6 = 4294967340 = 2^32 + 44: wrapped to 32 bits it would pass for 44 rows.
    // 1073741834 x 4 = 2^32 + 40. Neither is a real group size: 40 rows, one group a page.
    const Fall fall[] = {{715827890, 40}, {1073741834, 40}, {INT_MAX, 40}, {8, 48}, {15, 45}};
    for (const auto& f : fall) {
        SCOPED_TRACE(f.spelarepergr);
        rankingstruct g;
        g.antalgr = 6;
        g.spelarepergr = f.spelarepergr;
        EXPECT_EQ(groupRowsPerPage(g), f.rader);
        EXPECT_GE(groupsPerPage(g), 1);
    }
}

TEST(GroupReportDamaged, AHugeGroupCountStopsAtTheReadableLimit) {
    ReportInput in;
    in.vilkpaint = kRankinggrupper;
    in.tnamn = "T";
    in.grupper.spelarepergr = 2;
    in.stallning = {row(1, "A", "K", 2, 1, 1800), row(2, "B", "K", 1, 1, 1700), row(3, "C", "K", 0, 0, 1600)};
    in.stallning[0].rankinggrupp = 1;
    in.stallning[1].rankinggrupp = 1;
    in.stallning[2].rankinggrupp = INT_MAX; // no group a report draws

    for (int antalgr : {INT_MAX, INT_MIN, -1}) {
        SCOPED_TRACE(antalgr);
        in.grupper.antalgr = antalgr;
        const ReportContent c = rankinggruppContent(in);
        const int grupper = antalgr > 0 ? kStorstaStartnummer : 0;
        // One heading a group, and the two players of group 1 under the first.
        ASSERT_EQ(c.rows.size(), static_cast<std::size_t>(grupper) + (grupper > 0 ? 2 : 0));
        if (grupper == 0) continue;
        EXPECT_EQ(c.rows[0].cells[0].text, "Grupp 1");
        EXPECT_EQ(c.rows[1].cells[1].text, "A");
        EXPECT_EQ(c.rows[2].cells[1].text, "B");
        EXPECT_EQ(c.rows.back().cells[0].text, "Grupp 99999");
    }
}

TEST(GroupReportDamaged, ADamagedSettingsRecordIsLeftOut) {
    TempDir dir;
    // delasellerej, antalgr, spelarepergr, franochmed, rpris
    store::writeAll("1.G", std::vector<rankingstruct>{{0, INT_MAX, 3, 1, 300}});
    LottState st;
    st.turnnr = 1;
    st.vilkpaint = kRankinggrupper;
    EXPECT_EQ(reportInput(st).grupper, rankingstruct{});

    store::appendOne("1.G", rankingstruct{1, 4, 8, 1, 200});
    EXPECT_EQ(reportInput(st).grupper, (rankingstruct{1, 4, 8, 1, 200}));
}

} // namespace
