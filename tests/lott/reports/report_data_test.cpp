// Gathering a report's input from the state and the tournament's files.
#include "lott/reports/report_data.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "store/filenames.h"
#include "store/files.h"
#include "tests/lott/reports/report_fixtures.h"

using namespace reports;
using namespace reports::testing;
namespace fs = std::filesystem;

namespace {

class ReportData : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("report_data_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        old_ = fs::current_path();
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(old_);
        fs::remove_all(dir_);
    }
    fs::path dir_, old_;
};

TEST_F(ReportData, RoundHasGamesInTheGameFileOrInValfri) {
    store::writeAll("2.R",
                    std::vector<partistruct>{game(1, 1, 1, 2, resVitVinst), game(2, 1, 2, 1, resRemi)});
    EXPECT_TRUE(resultatglob(2, 1));
    EXPECT_TRUE(resultatglob(2, 2));
    EXPECT_FALSE(resultatglob(2, 3));
    EXPECT_FALSE(resultatglob(3, 1)); // no game file yet: created empty
    EXPECT_TRUE(fs::exists("3.R"));

    valfristruct other = valfri(4, 1, 1, 2, 1, 0);
    other.turnnr = 7;
    store::writeAll(store::fil::VALFRI, std::vector<valfristruct>{valfri(1, 1, 1, 2, 1, 0), other});
    EXPECT_TRUE(resultatglob2(1, 1));
    EXPECT_FALSE(resultatglob2(1, 4)); // round 4 belongs to tournament 7
    EXPECT_TRUE(resultatglob2(7, 4));
}

TEST_F(ReportData, InputCarriesStateListsAndReadsGamesAndSettings) {
    LottState s;
    s.turnnr = 1;
    s.vilkpaint = kSlutrapport;
    s.tnamn = "Vår";
    s.valdrond = 2;
    s.slistab = {player(1, "A", "K"), player(2, "B", "K")};
    s.parslistac = {row(1, "A", "K", 1, 0)};
    store::writeAll("1.R", std::vector<partistruct>{game(1, 1, 1, 2, resVitVinst)});
    ReportInput in = reportInput(s);
    EXPECT_EQ("Vår", in.tnamn);
    EXPECT_EQ(1, in.poangval); // no scoring record: 1-½-0
    ASSERT_EQ(1u, in.partier.size());
    EXPECT_EQ(2u, in.spelare.size());
    EXPECT_EQ(1u, in.stallning.size());

    s.vilkpaint = kStallning;
    s.pstallningval = 1;
    EXPECT_FALSE(reportInput(s).pengarfinns);
    EXPECT_FALSE(fs::exists("1.P")); // a report leaves no new prize file
    store::writeAll("1.P", std::vector<penningstruct>{{0, 1, 500}});
    EXPECT_TRUE(reportInput(s).pengarfinns);

    s.vilkpaint = kRankinggrupper;
    store::writeAll("1.G", std::vector<rankingstruct>{{1, 3, 8, 1, 200}});
    EXPECT_EQ(3, reportInput(s).grupper.antalgr);

    // Under "Valfritt" the games come from VALFRI.DAT.
    s.vilkpaint = kResultat;
    store::writeAll(store::fil::POANGSYS, std::vector<poangsystem>{{4, 1}});
    store::writeAll(store::fil::VALFRI, std::vector<valfristruct>{valfri(1, 1, 1, 2, 2, 2)});
    in = reportInput(s);
    EXPECT_EQ(4, in.poangval);
    EXPECT_TRUE(in.partier.empty());
    EXPECT_EQ(1u, in.valfria.size());
}

} // namespace
