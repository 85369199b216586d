// The tools' windows: what each shows at start and the status text of each outcome, on files
// written by hand into a fresh directory. The files each outcome leaves are the scenarios' part.
#include <filesystem>

#include "resources/lagturnering/lagturnering_fonster.h"
#include "resources/ratingbridge/ratingbridge_fonster.h"
#include "resources/resultfix/resultfix_fonster.h"
#include "store/clock.h"
#include "store/files.h"
#include "store/records.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/ui_fixture.h"
#include "tools/lagturnering/lagturnering_dialog.h"
#include "tools/ratingbridge/export_dialog.h"
#include "tools/resultfix/korrigering_dialog.h"

namespace {

namespace a = ui::automation;

a::ControlRef id(int n) {
    return {n, "", false};
}

void idag(const char* moment) {
    std::tm t;
    ASSERT_TRUE(store::parseMoment(moment, t));
    store::fixLocalNow(t);
}

// A start directory with the tournament folder "klubb": "TURN" numbers its second tournament 5,
// so that list position 1 (tournament 2) has no record.
class ToolsWindowsTest : public uitest::UiTest {
  protected:
    void SetUp() override {
        uitest::UiTest::SetUp();
        dir_.emplace();
        std::filesystem::create_directories("klubb/tom");
        store::writeAll("klubb/TURN",
                        std::vector<turneringsstruct>{{1, "Vårcupen", 5, 0}, {5, "Höstcupen", 5, 0}});
        store::writeAll("klubb/1.T", std::vector<spelarstructtva>{{1, "Anna", "SK", 1500, 0, 0},
                                                                  {2, "Dan", "Lag", 1600, 0, 0}});
        store::writeAll("klubb/1.R", std::vector<partistruct>{{1, 2, 1, 1, 1}});
    }
    void TearDown() override {
        uitest::UiTest::TearDown();
        dir_.reset();
    }
    std::optional<TempDir> dir_;
};

TEST_F(ToolsWindowsTest, RatingbridgeStatusOfEachOutcome) {
    using namespace ratingbridgeres;
    idag("2003-05-10 12:00:00");
    auto* d = new ExportDialog();
    d->show();
    // May 2003 is period 3 x 5 + 1 + 1 = 17; the start directory has no tournaments.
    EXPECT_EQ(d->selection(IDC_PERIODER), 17);
    EXPECT_EQ(d->count(IDC_PERIODER), 101);
    EXPECT_EQ(d->count(IDC_TURNERINGAR), 0);
    struct Steg {
        const char* dir;
        int rad;
        const char* rond;
        const char* status;
    };
    const Steg steg[] = {
        {nullptr, -1, "", kIngenTurnering},
        {"klubb", 1, "", kTurneringenFinnsEj}, // tournament 2 has no "TURN" record
        {nullptr, 0, "två", kOgiltigRond},     // checked before anything else
        {nullptr, 0, "0", kKlart},             // raised to round 1
        {"tom", 0, "", kTurneringenFinnsEj},   // the list stays, "TURN" is not there
    };
    for (const auto& s : steg) {
        SCOPED_TRACE(s.status);
        if (s.dir) {
            EXPECT_EQ(a::chooseDirectory(s.dir), "");
        }
        d->select(IDC_TURNERINGAR, s.rad);
        EXPECT_EQ(a::setText(id(IDC_ROND), s.rond), "");
        d->setText(IDC_NOT, "exporterats skrivs den över");
        EXPECT_EQ(a::press(id(IDC_EXPORTERA)), "");
        EXPECT_EQ(d->text(IDC_STATUS), s.status);
        EXPECT_EQ(d->text(IDC_NOT), "");
        EXPECT_EQ(d->count(IDC_TURNERINGAR), s.rad < 0 ? 0 : 2);
    }
    // "TALLA" lies in the start directory, beside its scratch copy.
    EXPECT_TRUE(std::filesystem::exists(dir_->path() / "TALLA"));
    EXPECT_TRUE(std::filesystem::exists(dir_->path() / "TEMPTALLA"));
    EXPECT_FALSE(std::filesystem::exists(dir_->path() / "klubb/TALLA"));
}

TEST_F(ToolsWindowsTest, RatingbridgeWithoutTodaysPeriodInTheListExportsNothing) {
    using namespace ratingbridgeres;
    idag("2040-02-01 08:00:00"); // period 127, past the list's last entry
    std::filesystem::current_path("klubb");
    auto* d = new ExportDialog();
    d->show();
    EXPECT_EQ(d->selection(IDC_PERIODER), -1);
    d->select(IDC_TURNERINGAR, 0);
    EXPECT_EQ(a::press(id(IDC_EXPORTERA)), "");
    EXPECT_EQ(d->text(IDC_STATUS), kIngenPeriod);
    EXPECT_FALSE(store::exists("TALLA"));
}

TEST_F(ToolsWindowsTest, LagturneringLabelsAndTheListReloaded) {
    using namespace lagturneringres;
    for (auto v : {lagturnering::Variant::Relativ, lagturnering::Variant::Total}) {
        auto* d = new LagturneringDialog(v);
        d->show();
        EXPECT_EQ(d->caption(), lagturnering::caption(v));
        EXPECT_EQ(a::chooseDirectory(v == lagturnering::Variant::Relativ ? "klubb" : "."), "");
        EXPECT_EQ(a::press(id(IDC_RAKNA)), "");
        EXPECT_EQ(d->text(IDC_STATUS), kIngenTurnering);
        EXPECT_EQ(a::select(id(IDC_TURNERINGAR), {0, 1}), "");
        EXPECT_EQ(a::press(id(IDC_RAKNA)), "");
        EXPECT_EQ(d->text(IDC_STATUS), kKlart);
        EXPECT_TRUE(d->selections(IDC_TURNERINGAR).empty());
        EXPECT_EQ(d->count(IDC_TURNERINGAR), 2);
        d->close();
    }
    EXPECT_EQ(lagturnering::caption(lagturnering::Variant::Relativ),
              std::string("Vazoveziror-lag tävlingen från individuell tävling"));
    EXPECT_EQ(lagturnering::caption(lagturnering::Variant::Total), std::string("Lagturneringen i skolsm"));
}

TEST_F(ToolsWindowsTest, ResultfixCompletesOnlyInThePlainVariantAndSaysWhyNot) {
    using namespace resultfixres;
    std::filesystem::current_path("klubb");
    struct Fall {
        resultfix::Variant v;
        const char* typat;
        const char* efterEnSekund;
    };
    const Fall fall[] = {{resultfix::Variant::Vanlig, "W", "WO(1-0)"}, {resultfix::Variant::Lag, "w", "w"}};
    for (const auto& f : fall) {
        auto* d = new KorrigeringDialog(f.v);
        d->show();
        EXPECT_EQ(d->caption(), resultfix::caption(f.v));
        EXPECT_EQ(d->count(IDC_TURNERINGAR), 2);
        EXPECT_EQ(a::setText(id(IDC_RESULTAT), f.typat), "");
        EXPECT_EQ(a::tick(1), "");
        EXPECT_EQ(d->text(IDC_RESULTAT), f.efterEnSekund);
        d->close();
    }

    auto* d = new KorrigeringDialog(resultfix::Variant::Vanlig);
    d->show();
    struct Steg {
        int rad;
        const char *gv, *gs, *nv, *ns, *resultat, *status;
    };
    const Steg steg[] = {
        {-1, "1", "2", "2", "1", "1-0", kIngenTurnering}, {0, "1", "2", "2", "", "1-0", kFyllIAllaFalt},
        {0, "1", "två", "2", "1", "1-0", kInteHeltal},    {1, "1", "2", "2", "1", "1-0", kTurneringenSaknas},
        {0, "2", "1", "2", "1", "1-0", kPartiSaknas},     {0, "1", "2", "2", "3", "1-0", kNySvartFinnsEj},
        {0, "1", "2", "1", "2", "Remi", kRedanMotts},     {0, "1", "2", "2", "1", "remi", kResultatFel},
        {0, "1", "2", "2", "1", "Remi", kAndrad},
    };
    for (const auto& s : steg) {
        SCOPED_TRACE(s.status);
        d->select(IDC_TURNERINGAR, s.rad);
        for (auto [falt, text] : {std::pair{IDC_GAMMAL_VIT, s.gv},
                                  {IDC_GAMMAL_SVART, s.gs},
                                  {IDC_NY_VIT, s.nv},
                                  {IDC_NY_SVART, s.ns},
                                  {IDC_RESULTAT, s.resultat}})
            EXPECT_EQ(a::setText(id(falt), text), "");
        EXPECT_EQ(a::press(id(IDC_BEKRAFTA)), "");
        EXPECT_EQ(d->text(IDC_STATUS), s.status);
    }
}

} // namespace
