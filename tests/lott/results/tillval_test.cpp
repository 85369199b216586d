// What the option dialogs share: the tournament they work on, their flags in "TILLB", numbers
// and Elo as typed.
#include "lott/results/tillval.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "lott/results/elotitel.h"
#include "store/filenames.h"
#include "store/files.h"
#include "tests/support/bytes.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

TEST(Tillval, TypedNumbersReadTheirLeadingDigits) {
    const struct {
        const char* text;
        int max;
        int tal;
    } fall[] = {{"", 999, 0},
                {"42", 999, 42},
                {"  7 spelare", 999, 7},
                {"abc", 999, 0},
                {"-5", 999, 0},
                {"+5", 999, 0},
                {"1234", 999, 999},
                {"99999999999999", 999, 999},
                {"0012", 999, 12},
                {"2147483647", 999999999, 999999999}};
    for (const auto& f : fall) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(f.tal, tillval::talAvText(f.text, f.max));
    }
    EXPECT_EQ("1500", tillval::baraSiffror("1 5x0-0"));
    EXPECT_EQ("", tillval::baraSiffror("kr"));
}

TEST(EloTitel, EloIsKeptFrom801To3199AndTitlesHoldSevenCharacters) {
    const struct {
        const char* text;
        int elo;
    } fall[] = {{"800", 0},
                {"801", 801},
                {"2210", 2210},
                {"3199", 3199},
                {"3200", 0},
                {"", 0},
                {" 2100", 2100},
                {"2100 FM", 2100},
                {"-2100", 0},
                {"1234567", 0},
                // Only the first seven characters are read: "0002100" is 2100, "00002100" is 210.
                {"0002100", 2100},
                {"00002100", 0}};
    for (const auto& f : fall) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(f.elo, elotitel::eloAvText(f.text));
    }
    EXPECT_EQ("GM", elotitel::titelAvText("GM"));
    EXPECT_EQ("Stormäs", elotitel::titelAvText("Stormästare"));
    EXPECT_EQ("3.  Åsa Öberg", elotitel::spelarRad({3, "Åsa Öberg", "nej", 0, 0, 0}));
}

class TillvalFiler : public ArbetsmappTest {
  protected:
    static void turneringar(int n) {
        std::vector<turneringsstruct> turn;
        for (int i = 1; i <= n; ++i)
            turn.push_back({i, "T" + std::to_string(i), 5, 0});
        store::writeAll(store::fil::TURN, turn);
    }
};

TEST_F(TillvalFiler, TheTournamentIsTheOneInTillbOrElseTheNewest) {
    EXPECT_EQ(0, tillval::turnering()); // an empty directory has none
    EXPECT_TRUE(fs::exists(store::fil::TILLB));

    turneringar(2);
    EXPECT_EQ(2, tillval::turnering()); // "TILLB" empty: built from an earlier one's players
    store::writeTillb({1, 0, 0, 0, 0});
    EXPECT_EQ(1, tillval::turnering());
    // A tournament whose registration was cancelled is not in "TURN": its number would become
    // the next tournament's, prizes and all.
    store::writeTillb({3, 1, 0, 0, 0});
    EXPECT_EQ(2, tillval::turnering());
}

TEST_F(TillvalFiler, ClosingADialogClearsOnlyItsOwnFlag) {
    store::writeTillb({3, 1, 1, 1, 1});
    tillval::rensaFlagga(tillval::Flagga::Rankinggrupper);
    tillval::rensaFlagga(tillval::Flagga::Elotitel);
    // filnamnint, penningpriser, rankinggrupper, egenkategori, elotitel
    std::vector<std::uint8_t> vantat;
    for (int v : {3, 1, 0, 1, 0})
        testbytes::le32(vantat, v);
    EXPECT_EQ(vantat, testbytes::fileBytes(store::fil::TILLB));

    fs::remove(store::fil::TILLB); // a missing file reads as empty, not as a fatal error
    tillval::rensaFlagga(tillval::Flagga::Penningpriser);
    EXPECT_EQ(tillbehorstruct{}, store::readTillb());
}

TEST_F(TillvalFiler, AMissingStartListIsAnEmptyOne) {
    EXPECT_TRUE(tillval::startlista(4).empty());
    EXPECT_FALSE(fs::exists("4.T"));
    store::writeAll("4.T", std::vector<spelarstructtva>{{1, "A", "nej", 0, 0, 0}});
    EXPECT_EQ(1u, tillval::startlista(4).size());
}

} // namespace
