// The per-player form of the player-data editor on a real window: its caption, the fields a
// tournament without clubs or rankings keeps from being changed, and its commit.
#include "lott/setup/modifiera_spelar_uppgifter_dialog.h"
#include "tests/ui/ui_fixture.h"

namespace {

ui::automation::ControlRef id(int n) {
    return {n, "", false};
}

class SpelarUppgifterForm : public uitest::UiTest {};

TEST_F(SpelarUppgifterForm, ClubAndRankingAreFixedWhenTheTournamentHasNone) {
    struct Fall {
        Uppgiftsflaggor flaggor;
        bool klubbAndras, rankingAndras;
    };
    const Fall fall[] = {{{true, true}, true, true},
                         {{false, true}, false, true},
                         {{true, false}, true, false},
                         {{false, false}, false, false}};
    for (const auto& f : fall) {
        SCOPED_TRACE(std::to_string(f.flaggor.klubbar) + std::to_string(f.flaggor.rankingar));
        spelarstructtva s{12, "Ada", "nej", 0, 0, 0};
        auto* form = new ModifieraSpelarUppgifterDialog(&uitest::mainWindow(), s, f.flaggor, false);
        form->show();
        EXPECT_EQ(form->caption(), "Uppgifter för startnummer 12");
        EXPECT_EQ(ui::automation::setText(id(484), "Ada Berg"), "");
        EXPECT_EQ(ui::automation::setText(id(485), "AK").empty(), f.klubbAndras);
        EXPECT_EQ(ui::automation::setText(id(486), "1750").empty(), f.rankingAndras);
        EXPECT_EQ(ui::automation::press(id(ui::IDOK)), "");
        ui::automation::settle();
        // The form is gone (it deletes itself): the main window is active again.
        std::vector<std::string> lines;
        ASSERT_EQ(ui::automation::dump(lines), "");
        EXPECT_NE(lines.front(), "dump \"Uppgifter för startnummer 12\"");
        // A fixed field is stored as it was shown: club "nej", ranking 0.
        EXPECT_EQ(s, (spelarstructtva{12, "Ada Berg", f.klubbAndras ? "AK" : "nej",
                                      f.rankingAndras ? 1750 : 0, 0, 0}));
    }
}

TEST_F(SpelarUppgifterForm, CancelLeavesThePlayerAsItWas) {
    spelarstructtva s{2, "Bo", "BK", 1500, 0, 0};
    auto* form = new ModifieraSpelarUppgifterDialog(&uitest::mainWindow(), s, {true, true}, false);
    form->show();
    EXPECT_EQ(ui::automation::setText(id(484), "Fel"), "");
    EXPECT_EQ(ui::automation::press(id(ui::IDCANCEL)), "");
    ui::automation::settle();
    EXPECT_EQ(s, (spelarstructtva{2, "Bo", "BK", 1500, 0, 0}));
}

} // namespace
