// The export of a tournament's games to the rating program: per-game values, which games count,
// the replacement of an earlier export, and "TALLA" on disk byte for byte.
#include <gtest/gtest.h>

#include <filesystem>

#include "store/files.h"
#include "tests/support/bytes.h"
#include "tests/support/temp_dir.h"
#include "tools/ratingbridge/exportera.h"
#include "tools/ratingbridge/periodlista.h"
#include "tools/ratingbridge/rankingexport.h"

namespace {

using rank::tallastruct;
using namespace ratingbridge;

TEST(Ratingbridge, PeriodListTextsWithFifteenBlanksAfterAugust) {
    const std::pair<int, std::string> fall[] = {
        {0, "1:a september - 31:e december 1997"},
        {1, "1:a januari - 30:e april      1998"},
        {2, "1:a maj - 30:e augusti" + std::string(15, ' ')},
        {3, "1:a september - 31:e december "},
        {5, "1:a maj - 30:e augusti" + std::string(15, ' ')},
        {300, "1:a september - 31:e december "},
    };
    for (const auto& [period, text] : fall) {
        SCOPED_TRACE(period);
        EXPECT_EQ(ratingbridge::periodRad(period), text);
    }
}

TEST(Ratingbridge, PerGameValueFromEachSideWithHalvingFrom2200) {
    struct Fall {
        int egen, motst, kod;
        bool vit;
        double varde;
        const char* varfor;
    };
    const Fall fall[] = {
        {1500, 1600, 1, true, 20, "d=100: t=12, underdog b=20, white wins: b"},
        {1500, 1600, 3, true, 4, "draw: b-16"},
        {1500, 1600, 2, true, -12, "white loses: b-32"},
        {1500, 1600, 2, false, 20, "0-1 is black's win"},
        {1500, 1600, 1, false, -12, "1-0 is black's loss"},
        {1500, 1600, 3, false, 4, "a draw is a draw from both sides"},
        {1600, 1500, 1, true, 12, "the favourite's win: t"},
        {2250, 1950, 1, true, 2.5, "d=300: t=5, halved per game"},
        {2250, 2550, 1, false, -2.5, "d=300 underdog b=27, loss -5, halved"},
        {2199, 2199, 1, true, 16, "2199 is not halved"},
        {2200, 2200, 2, true, -8, "2200 is halved: -16/2"},
        {2200, 2200, 3, true, 0, "b-16 is 0 and stays 0"},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.varfor);
        EXPECT_EQ(rankingfunk(f.egen, f.motst, f.kod, f.vit), f.varde);
    }
    // Unplayed (0), postponed, adjourned, disqualified, walk-overs and unknown codes: 0 for both.
    for (int kod : {0, 4, 5, 6, 7, 8, 9, -1}) {
        SCOPED_TRACE(kod);
        EXPECT_EQ(rankingfunk(1500, 1600, kod, true), 0.0);
        EXPECT_EQ(rankingfunk(1600, 1500, kod, false), 0.0);
    }
}

// Anna 1500, Bo 800, Cia 3100, Dan 1600, Eva 801 and the bye; only Anna, Dan and Eva count.
std::vector<spelarstructtva> startlista() {
    return {{1, "Anna", "SK", 1500, 0, 0}, {2, "Bo", "SK", 800, 0, 0},  {3, "Cia", "SK", 3100, 0, 0},
            {4, "Dan", "SK", 1600, 0, 0},  {5, "Eva", "SK", 801, 0, 0}, {6, "Frirond", "", 0, 0, 0}};
}

std::vector<partistruct> partier() {
    return {
        {1, 2, 1, 1, 1}, // Anna-Bo 1-0: Bo is rated 800, the game counts for nobody
        {3, 4, 1, 2, 1}, // Cia-Dan 0-1: Cia is rated 3100
        {5, 6, 2, 1, 1}, // Eva-Frirond 1-0: the bye has no rating
        {1, 4, 1, 3, 2}, // Anna-Dan Remi: Anna (underdog, b=20) +4, Dan (b=12) -4
        {5, 1, 1, 2, 3}, // Eva-Anna 0-1: d=699, t=1; Eva b=31 loses -1, Anna b=1 wins +1
        {4, 2, 2, 7, 3}, // walk-over: nothing
        {4, 1, 1, 4, 4}, // postponed: nothing
        {1, 4, 2, 0, 5}, // not yet played: nothing (not a win for both)
        {1, 9, 3, 1, 5}, // an opponent the start list does not have: rating 0, nothing
    };
}

TEST(Ratingbridge, WhichGamesCountForWhom) {
    struct Fall {
        int forstaRond;
        std::vector<int> andringar; // Anna, Bo, Cia, Dan, Eva, Frirond
        const char* varfor;
    };
    const Fall fall[] = {
        {1, {5, 0, 0, -4, -1, 0}, "Anna 4+1, Dan -4, Eva -1"},
        {3, {1, 0, 0, 0, -1, 0}, "rounds 1 and 2 are not rated"},
        {6, {0, 0, 0, 0, 0, 0}, "no rated game: every player still gets a record"},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.varfor);
        const auto ut = turneringsandringar(startlista(), partier(), "Vårcupen", 17, f.forstaRond);
        ASSERT_EQ(ut.size(), 6u);
        for (std::size_t i = 0; i < ut.size(); ++i) {
            EXPECT_EQ(ut[i].egenspelare, startlista()[i].namn);
            EXPECT_EQ(ut[i].namn, "Vårcupen");
            EXPECT_EQ(ut[i].period, 17);
            EXPECT_EQ(ut[i].rankingandring, f.andringar[i]) << ut[i].egenspelare;
        }
    }
    // An empty game file: a 0 change for everybody, the bye included.
    for (const auto& t : turneringsandringar(startlista(), {}, "Vårcupen", 17, 1))
        EXPECT_EQ(t.rankingandring, 0) << t.egenspelare;
}

TEST(Ratingbridge, TheSumOfHalvedGamesIsTruncatedTowardZero) {
    // Hög 2250 beats Låg1 1950 (t=5: +5, halved 2.5) and Låg2 1900 (t=4: +4, halved 2): 4.5 -> 4.
    // Losses to Hög1 2550 (b=27: -5 -> -2.5) and Hög2 2600 (b=28: -4 -> -2): -4.5 -> -4.
    const std::vector<spelarstructtva> spelare{{1, "Hög", "", 2250, 0, 0},
                                               {2, "Låg1", "", 1950, 0, 0},
                                               {3, "Låg2", "", 1900, 0, 0},
                                               {4, "Hög1", "", 2550, 0, 0},
                                               {5, "Hög2", "", 2600, 0, 0}};
    const auto vinster = turneringsandringar(spelare, {{1, 2, 1, 1, 1}, {3, 1, 1, 2, 2}}, "T", 1, 1);
    EXPECT_EQ(vinster[0].rankingandring, 4);
    EXPECT_EQ(vinster[1].rankingandring, -5); // 1950 underdog b=27 loses: not halved below 2200
    EXPECT_EQ(vinster[2].rankingandring, -4);
    const auto forluster = turneringsandringar(spelare, {{1, 4, 1, 2, 1}, {5, 1, 1, 1, 2}}, "T", 1, 1);
    EXPECT_EQ(forluster[0].rankingandring, -4);
    EXPECT_EQ(forluster[3].rankingandring, 2); // +5 halved, 2.5 -> 2
    EXPECT_EQ(forluster[4].rankingandring, 2); // +4 halved
}

TEST(Ratingbridge, ALongTournamentNameIsCutToTheRecordsField) {
    const std::string namn = "Klubbmästerskapet i snabbschack 2003"; // 36 characters
    const auto ut = turneringsandringar(startlista(), {}, namn, 1, 1);
    EXPECT_EQ(ut[0].namn, "Klubbmästerskapet i snabbscha"); // 29
    EXPECT_EQ(tallaNamn(namn), ut[0].namn);
}

TEST(Ratingbridge, AnEarlierExportOfTheSameTournamentAndPeriodIsReplaced) {
    const std::vector<tallastruct> gammal{
        {"Anna", "Höstcupen", 7, 17}, // another tournament: stays
        {"Anna", "Vårcupen", 3, 17},  // the earlier export: replaced
        {"Bo", "Vårcupen", -2, 16},   // another period: stays
        {"Olle", "Vårcupen", 5, 17},  // not a player of this export: stays
    };
    const std::vector<tallastruct> nya{{"Anna", "Vårcupen", 10, 17}, {"Bo", "Vårcupen", 0, 17}};
    const std::vector<tallastruct> efter{gammal[0], gammal[2], gammal[3], nya[0], nya[1]};
    EXPECT_EQ(ersattExport(gammal, nya), efter);
    // The same export twice: still one record per player.
    EXPECT_EQ(ersattExport(efter, nya), efter);
    // Another period adds a second set.
    const std::vector<tallastruct> host{{"Anna", "Vårcupen", 10, 18}, {"Bo", "Vårcupen", 0, 18}};
    auto tva = efter;
    tva.insert(tva.end(), host.begin(), host.end());
    EXPECT_EQ(ersattExport(efter, host), tva);
    // Two players of one name: the later one's record, as replacing player by player leaves it.
    const std::vector<tallastruct> lika{
        {"Anna", "Vårcupen", 10, 17}, {"Bo", "Vårcupen", 0, 17}, {"Anna", "Vårcupen", -3, 17}};
    EXPECT_EQ(ersattExport(gammal, lika),
              (std::vector<tallastruct>{gammal[0], gammal[2], gammal[3], lika[1], lika[2]}));
}

TEST(Ratingbridge, TheRoundField) {
    const std::pair<const char*, std::optional<int>> fall[] = {{"", 1},
                                                               {"3", 3},
                                                               {"0", 1},
                                                               {"-2", 1},
                                                               {" 4 ", 4},
                                                               {"abc", std::nullopt},
                                                               {"3a", std::nullopt},
                                                               {"2.5", std::nullopt},
                                                               {"99999999999", std::nullopt}};
    for (const auto& [text, rond] : fall) {
        SCOPED_TRACE(text);
        EXPECT_EQ(forstaRond(text), rond);
    }
}

// The start directory holds "TALLA"; the tournament lies in "klubb", which is only read.
class RatingbridgeFiler : public ::testing::Test {
  protected:
    void SetUp() override {
        start_ = std::filesystem::current_path();
        std::filesystem::create_directory("klubb");
        store::appendOne("TALLA", tallastruct{"Olle", "Höstcupen", -7, 16});
        std::filesystem::current_path("klubb");
        store::writeAll("TURN", std::vector<turneringsstruct>{{1, "Höstcupen", 5, 0}, {2, "Vårcupen", 5, 0}});
        store::writeAll(
            "2.T", std::vector<spelarstructtva>{{1, "Anna", "SK", 1500, 0, 0}, {2, "Dan", "SK", 1600, 0, 0}});
        store::writeAll("2.R", std::vector<partistruct>{{1, 2, 1, 3, 1}});
    }
    std::vector<std::uint8_t> talla() const { return testbytes::fileBytes((start_ / "TALLA").string()); }
    Ratingfiler filer() const { return Ratingfiler::i(start_.string()); }

    TempDir dir_;
    std::filesystem::path start_;
};

std::vector<std::uint8_t> bild(const std::vector<tallastruct>& poster) {
    std::vector<std::uint8_t> b;
    for (const auto& t : poster) {
        testbytes::field(b, t.egenspelare, 30);
        testbytes::field(b, t.namn, 30);
        testbytes::le32(b, t.rankingandring);
        testbytes::le32(b, t.period);
    }
    return b;
}

TEST_F(RatingbridgeFiler, ExportRewritesTallaOnceThroughTemptallaBesideIt) {
    // List position 1 is tournament 2; Anna-Dan Remi: Anna +4, Dan -4 (Windows-1252 on disk).
    ASSERT_EQ(exportera(filer(), 1, 17, 1), Exportutfall::Klart);
    const auto efter = bild(
        {{"Olle", "H\xf6stcupen", -7, 16}, {"Anna", "V\xe5rcupen", 4, 17}, {"Dan", "V\xe5rcupen", -4, 17}});
    EXPECT_EQ(talla(), efter);
    EXPECT_EQ(testbytes::fileBytes((start_ / "TEMPTALLA").string()), efter);
    // The same export again leaves the same file.
    ASSERT_EQ(exportera(filer(), 1, 17, 1), Exportutfall::Klart);
    EXPECT_EQ(talla(), efter);
    // The tournament's directory got nothing.
    std::vector<std::string> filerIKlubb;
    for (const auto& e : std::filesystem::directory_iterator("."))
        filerIKlubb.push_back(e.path().filename().string());
    std::sort(filerIKlubb.begin(), filerIKlubb.end());
    EXPECT_EQ(filerIKlubb, (std::vector<std::string>{"2.R", "2.T", "TURN"}));
}

TEST_F(RatingbridgeFiler, AMissingGameFileIsOneWithoutGamesAndIsNotCreated) {
    std::filesystem::remove("2.R");
    ASSERT_EQ(exportera(filer(), 1, 4, 1), Exportutfall::Klart);
    EXPECT_EQ(talla(), bild({{"Olle", "H\xf6stcupen", -7, 16},
                             {"Anna", "V\xe5rcupen", 0, 4},
                             {"Dan", "V\xe5rcupen", 0, 4}}));
    EXPECT_FALSE(store::exists("2.R"));
}

TEST_F(RatingbridgeFiler, ATournamentThatTurnDoesNotHaveChangesNothing) {
    const auto fore = talla();
    EXPECT_EQ(exportera(filer(), 2, 17, 1), Exportutfall::TurneringenFinnsEj);
    EXPECT_EQ(talla(), fore);
    EXPECT_FALSE(std::filesystem::exists(start_ / "TEMPTALLA"));
    // A directory without "TURN" has no tournament either; nothing is created there.
    std::filesystem::current_path(start_);
    std::filesystem::create_directory("tom");
    std::filesystem::current_path("tom");
    EXPECT_EQ(exportera(filer(), 0, 17, 1), Exportutfall::TurneringenFinnsEj);
    EXPECT_TRUE(std::filesystem::is_empty("."));
    EXPECT_EQ(talla(), fore);
}

} // namespace
