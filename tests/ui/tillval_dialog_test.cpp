// The option dialogs on real windows: what they start from, what they write back, and that
// the chain hands on (flag cleared, message 1002) while the same dialog opened on its own from
// the menu leaves "TILLB" and the chain alone.
#include <gtest/gtest.h>

#include <optional>

#include "lott/kommando.h"
#include "lott/results/elo_titel_dialog.h"
#include "lott/results/penning_dialog.h"
#include "resources/lott/tillval.h"
#include "store/filenames.h"
#include "store/files.h"
#include "tests/support/bytes.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/ui_fixture.h"

namespace {

using namespace lottres;
using Ref = ui::automation::ControlRef;

class TillvalDialogTest : public uitest::UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        dir_.emplace();
        store::writeAll(store::fil::TURN, std::vector<turneringsstruct>{{1, "Vår", 5, 0}});
        store::writeAll("1.T", std::vector<spelarstructtva>{{1, "Anna", "nej", 0, 0, 0},
                                                            {2, "Bo", "nej", 0, 0, 0},
                                                            {3, "Cia", "nej", 0, 0, 0},
                                                            {4, "Frirond", "nej", 0, 0, 0}});
        store::writeTillb({1, 1, 0, 0, 1});
        uitest::mainWindow().onMessage(MSG_TILLBEHOR, [this] { ++tillbehor_; });
    }
    void TearDown() override {
        UiTest::TearDown();
        uitest::mainWindow().onMessage(MSG_TILLBEHOR, [] {});
        dir_.reset();
    }
    static void set(int id, const std::string& text) {
        EXPECT_EQ("", ui::automation::setText(Ref{id, "", false}, text));
    }
    static void select(int id, int row) { EXPECT_EQ("", ui::automation::select(Ref{id, "", false}, {row})); }
    static void press(int id) { EXPECT_EQ("", ui::automation::press(Ref{id, "", false})); }
    static std::string dumpLine(int id) {
        std::vector<std::string> lines;
        EXPECT_EQ("", ui::automation::dump(lines));
        for (const auto& l : lines)
            if (l.rfind(std::to_string(id) + " ", 0) == 0) return l;
        return "";
    }
    static std::vector<std::uint8_t> tillb(std::initializer_list<int> v) {
        std::vector<std::uint8_t> b;
        for (int x : v)
            testbytes::le32(b, x);
        return b;
    }
    std::optional<TempDir> dir_;
    int tillbehor_ = 0;
};

TEST_F(TillvalDialogTest, EloDialogShowsAndKeepsWhatIsStored) {
    store::writeAll("1.E", std::vector<elostructab>{{1, 2210, "FM"}, {3, 0, "WGM"}, {9, 2500, "GM"}});
    (new EloTitelDialog(&uitest::mainWindow(), TillvalDialog::Lage::Kedja))->show();
    select(IDC_ELOSPELARE, 0);
    EXPECT_EQ("102 readonly \"1.  Anna\"", dumpLine(IDC_ELOVALD));
    EXPECT_EQ("103 edit \"2210\"", dumpLine(IDC_ELOTAL));
    EXPECT_EQ("104 edit \"FM\"", dumpLine(IDC_TITEL));
    // Bo gets an Elo; an Elo of 700 is none.
    select(IDC_ELOSPELARE, 1);
    set(IDC_ELOTAL, "1950");
    set(IDC_TITEL, "CM");
    press(IDC_ELOBEKRAFTA);
    select(IDC_ELOSPELARE, 2);
    set(IDC_ELOTAL, "700");
    press(IDC_ELOBEKRAFTA);
    press(ui::IDOK);
    ui::automation::settle();

    // One record per listed player, the bye included; number 9 is no longer in the list.
    std::vector<std::uint8_t> vantat;
    for (auto [nr, elo, titel] : {std::tuple{1, 2210, "FM"}, {2, 1950, "CM"}, {3, 0, "WGM"}, {4, 0, ""}}) {
        testbytes::le32(vantat, nr);
        testbytes::le32(vantat, elo);
        testbytes::field(vantat, titel, 30);
    }
    EXPECT_EQ(vantat, testbytes::fileBytes("1.E"));
    // The chain goes on: the Elo flag cleared, the prize flag left for its own dialog.
    EXPECT_EQ(tillb({1, 1, 0, 0, 0}), testbytes::fileBytes(store::fil::TILLB));
    EXPECT_EQ(1, tillbehor_);
}

TEST_F(TillvalDialogTest, PrizesOpenedFromTheMenuLeaveTheChainAlone) {
    store::writeAll("1.P", std::vector<penningstruct>{{1, 1, 700}, {1, 3, 200}});
    const auto fore = testbytes::fileBytes("1.P");
    (new PenningDialog(&uitest::mainWindow(), TillvalDialog::Lage::Meny))->show();
    EXPECT_EQ("106 radio checked \"Avgör &särskiljning\"", dumpLine(IDC_SARSKILJNING));
    select(IDC_PRISPLATSER, 2);
    EXPECT_EQ("103 edit \"200\"", dumpLine(IDC_PRISKR));
    set(IDC_PRISKR, "1 50");
    EXPECT_EQ("103 edit \"150\"", dumpLine(IDC_PRISKR)); // digits only
    press(IDC_BEKRAFTAPRIS);
    press(ui::IDCANCEL);
    ui::automation::settle();
    EXPECT_EQ(fore, testbytes::fileBytes("1.P")); // given up: nothing written
    EXPECT_EQ(tillb({1, 1, 0, 0, 1}), testbytes::fileBytes(store::fil::TILLB));
    EXPECT_EQ(0, tillbehor_);

    (new PenningDialog(&uitest::mainWindow(), TillvalDialog::Lage::Meny))->show();
    select(IDC_PRISPLATSER, 1);
    set(IDC_PRISKR, "100");
    press(IDC_BEKRAFTAPRIS);
    press(ui::IDOK);
    ui::automation::settle();
    EXPECT_EQ((std::vector<penningstruct>{{1, 1, 700}, {1, 2, 100}, {1, 3, 200}}),
              store::readAll<penningstruct>("1.P"));
    EXPECT_EQ(0, tillbehor_);
}

} // namespace
