// The result correction tool: completion and reading of results, the checks in their order, and
// the corrected files byte for byte (an invalid result leaves them as they were).
#include <gtest/gtest.h>

#include <filesystem>

#include "store/files.h"
#include "tests/support/bytes.h"
#include "tests/support/temp_dir.h"
#include "tools/resultfix/korrigering.h"
#include "tools/resultfix/resultatord.h"

namespace {

using namespace resultfix;
using testbytes::fileBytes;

TEST(Resultfix, CompletionByTheFirstCharacter) {
    const std::pair<const char*, const char*> fall[] = {
        {"w", "wo(0-1)"},
        {"W", "WO(1-0)"},
        {"1", "1-0"},
        {"0", "0-1"},
        {"0-0", "0-1"},
        {"r", "Remi"},
        {"R", "Remi"},
        {"a", "avbrutet"},
        {"A", "avbrutet"},
        {"u", "uppskjutet"},
        {"U", "uppskjutet"},
        {"x", "x"},
        {"d", "d"},
        {"", ""},
        {"½", "½"},
        {"Remi", "Remi"},
        {"wo(0-1)", "wo(0-1)"},
        {"WO(1-0)", "WO(1-0)"},
        {"avbrutet", "avbrutet"},
    };
    for (const auto& [typat, klart] : fall) {
        SCOPED_TRACE(typat);
        EXPECT_EQ(komplettera(typat), klart);
    }
}

TEST(Resultfix, ResultWordsAndTheirCodes) {
    const std::pair<const char*, int> fall[] = {
        {"1-0", 1},     {"0-1", 2},  {"Remi", 3},     {"uppskjutet", 4}, {"avbrutet", 5}, {"WO(1-0)", 7},
        {"wo(0-1)", 8}, {"remi", 0}, {"diskval.", 0}, {"W.O(1-0)", 0},   {"x", 0},        {"", 0},
    };
    for (const auto& [ord, kod] : fall) {
        SCOPED_TRACE(ord);
        EXPECT_EQ(resultatkod(ord), kod);
    }
}

TEST(Resultfix, PointsWhiteMinusBlack) {
    struct Fall {
        const char* text;
        bool giltig;
        double vit, svart;
    };
    const Fall fall[] = {
        {"2-2", true, 2, 2}, {"1.5-2.5", true, 1.5, 2.5}, {"2,5-1", true, 2.5, 1},  {" 3 - 0 ", true, 3, 0},
        {"0-0", true, 0, 0}, {"22", false, 0, 0},         {"x-1", false, 0, 0},     {"1-", false, 0, 0},
        {"-1", false, 0, 0}, {"2--1", false, 0, 0},       {"1.2.3-1", false, 0, 0}, {"1-2-3", false, 0, 0},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.text);
        double vit = -9, svart = -9;
        EXPECT_EQ(lagpoang(f.text, vit, svart), f.giltig);
        EXPECT_EQ(vit, f.giltig ? f.vit : -9);
        EXPECT_EQ(svart, f.giltig ? f.svart : -9);
    }
}

TEST(Resultfix, ChecksInTheirOrder) {
    // Players 1..8; 3 had white against 7, 1 against 2.
    std::vector<spelarstructtva> spelare;
    for (int nr = 1; nr <= 8; ++nr)
        spelare.push_back({nr, "S" + std::to_string(nr), "", 0, 0, 0});
    const std::vector<partistruct> partier{{3, 7, 1, 2, 1}, {1, 2, 2, 1, 1}};
    struct Fall {
        Byte byte;
        Status status;
        const char* varfor;
    };
    const Fall fall[] = {
        {{3, 7, 7, 3}, Status::Andrad, "the colours swapped"},
        {{3, 7, 3, 7}, Status::RedanMotts, "the same pair with another result"},
        {{3, 7, 2, 1}, Status::RedanMotts, "1 and 2 met with the other colours"},
        {{3, 7, 3, 8}, Status::Andrad, "another black"},
        {{7, 3, 3, 8}, Status::PartiSaknas, "the old game's colours count"},
        {{3, 7, 0, 0}, Status::VitSaknas, "white is checked first"},
        {{3, 7, 8, -1}, Status::SvartSaknas, "black 0 or less"},
        {{3, 7, 9, 9}, Status::NyVitFinnsEj, "9 is not in the start list, white first"},
        {{3, 7, 8, 9}, Status::NySvartFinnsEj, "new black not in the start list"},
        {{3, 7, 8, 8}, Status::MotSigSjalv, "one player on both sides"},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.varfor);
        EXPECT_EQ(kontrollera(f.byte, spelare, partier), f.status);
    }
}

std::vector<std::uint8_t> partibild(const std::vector<partistruct>& partier) {
    std::vector<std::uint8_t> b;
    for (const auto& g : partier)
        for (int v : {g.vit, g.svart, g.bord, g.resultat, g.rond})
            testbytes::le32(b, v);
    return b;
}

std::vector<std::uint8_t> valfribild(const std::vector<valfristruct>& partier) {
    std::vector<std::uint8_t> b;
    for (const auto& g : partier) {
        for (int v : {g.turnnr, g.vit, g.svart, g.bord, g.rond})
            testbytes::le32(b, v);
        testbytes::le64(b, g.vitresultat);
        testbytes::le64(b, g.svartresultat);
    }
    return b;
}

// Tournament 1 "Vårcupen" (1-1/2-0, games in "1.R") and tournament 2 "Lagcupen" (custom scores, in
// "VALFRI.DAT" beside games of tournament 3); both with players 1..8.
class ResultfixFiler : public ::testing::Test {
  protected:
    void SetUp() override {
        store::writeAll("TURN", std::vector<turneringsstruct>{{1, "Vårcupen", 5, 0}, {2, "Lagcupen", 5, 0}});
        store::writeAll("POANGSYS", std::vector<poangsystem>{{1, 1}, {4, 2}});
        std::vector<spelarstructtva> spelare;
        for (int nr = 1; nr <= 8; ++nr)
            spelare.push_back({nr, "S" + std::to_string(nr), "", 0, 0, 0});
        store::writeAll("1.T", spelare);
        store::writeAll("2.T", spelare);
        store::writeAll("1.R", partier_);
        store::writeAll("VALFRI.DAT", valfria_);
    }

    const std::vector<partistruct> partier_{
        {1, 2, 1, 1, 1}, {3, 7, 2, 2, 1}, {4, 5, 3, 3, 1}, {3, 7, 1, 3, 2}};
    const std::vector<valfristruct> valfria_{
        {3, 3, 4, 1, 1, 2, 2}, {2, 3, 4, 1, 1, 1, 3}, {2, 5, 6, 2, 1, 4, 0}, {3, 1, 8, 2, 1, 0, 4}};
    TempDir dir_;
};

TEST_F(ResultfixFiler, PlainVariantReplacesTheGameThroughRestemp) {
    // White 3 - black 7 becomes white 7 - black 3, "1-0"; both games of that pair change (rounds 1
    // and 2), board and round stay.
    EXPECT_EQ(bekrafta(Variant::Vanlig, 0, "Vårcupen", {"3", "7", "7", "3", "1-0"}), Status::Andrad);
    const auto efter = partibild({{1, 2, 1, 1, 1}, {7, 3, 2, 1, 1}, {4, 5, 3, 3, 1}, {7, 3, 1, 1, 2}});
    EXPECT_EQ(fileBytes("1.R"), efter);
    EXPECT_EQ(fileBytes("RESTEMP"), efter);
}

TEST_F(ResultfixFiler, RefusalsChangeNoFile) {
    struct Fall {
        Variant v;
        int position;
        const char* turnering;
        Falt falt;
        Status status;
    };
    const Fall fall[] = {
        {Variant::Vanlig, -1, "", {"3", "7", "7", "3", "1-0"}, Status::IngenTurneringVald},
        {Variant::Vanlig, 0, "Vårcupen", {"3", "7", "7", "", "1-0"}, Status::FyllIAllaFalt},
        {Variant::Vanlig, 0, "Vårcupen", {"3", "sju", "7", "3", "1-0"}, Status::InteHeltal},
        {Variant::Vanlig, 0, "Höstcupen", {"3", "7", "7", "3", "1-0"}, Status::TurneringenSaknas},
        {Variant::Vanlig, 0, "Vårcupen", {"3", "7", "7", "3", "x"}, Status::ResultatFel},
        {Variant::Vanlig, 0, "Vårcupen", {"3", "7", "7", "3", "w"}, Status::ResultatFel},
        {Variant::Vanlig, 0, "Vårcupen", {"3", "7", "3", "7", "Remi"}, Status::RedanMotts},
        {Variant::Lag, 0, "Vårcupen", {"3", "7", "7", "3", "1-0"}, Status::TurneringenSaknas},
        {Variant::Lag, 1, "Lagcupen", {"3", "4", "4", "3", "22"}, Status::ResultatFel},
        {Variant::Lag, 1, "Lagcupen", {"3", "4", "5", "6", "1-1"}, Status::RedanMotts},
    };
    const auto partier = fileBytes("1.R");
    const auto valfria = fileBytes("VALFRI.DAT");
    for (const auto& f : fall) {
        SCOPED_TRACE(static_cast<int>(f.status));
        EXPECT_EQ(bekrafta(f.v, f.position, f.turnering, f.falt), f.status);
        EXPECT_EQ(fileBytes("1.R"), partier);
        EXPECT_EQ(fileBytes("VALFRI.DAT"), valfria);
        EXPECT_FALSE(store::exists("RESTEMP"));
    }
}

TEST_F(ResultfixFiler, TeamVariantChangesOnlyThisTournamentsRecords) {
    // Tournament 2's 3-4 (1-3) becomes 8-1, 1.5-2.5: that 1 and 8 met in tournament 3 does not
    // count, and tournament 3's own 3-4 stays as it was.
    EXPECT_EQ(bekrafta(Variant::Lag, 1, "Lagcupen", {"3", "4", "8", "1", "1,5-2,5"}), Status::Andrad);
    const auto efter = valfribild(
        {{3, 3, 4, 1, 1, 2, 2}, {2, 8, 1, 1, 1, 1.5, 2.5}, {2, 5, 6, 2, 1, 4, 0}, {3, 1, 8, 2, 1, 0, 4}});
    EXPECT_EQ(fileBytes("VALFRI.DAT"), efter);
    EXPECT_EQ(fileBytes("RESTEMP"), efter);
    EXPECT_EQ(fileBytes("1.R"), partibild(partier_));
}

TEST_F(ResultfixFiler, ADamagedRecordOfTheEditedFileIsKept) {
    // A record with round 0 is no game lott wrote, but a rewrite must not lose it.
    store::appendOne("1.R", partistruct{8, 6, 4, 1, 0});
    EXPECT_EQ(bekrafta(Variant::Vanlig, 0, "Vårcupen", {"4", "5", "4", "6", "0-1"}), Status::Andrad);
    EXPECT_EQ(
        fileBytes("1.R"),
        partibild({{1, 2, 1, 1, 1}, {3, 7, 2, 2, 1}, {4, 6, 3, 2, 1}, {3, 7, 1, 3, 2}, {8, 6, 4, 1, 0}}));
}

} // namespace
