#include <gtest/gtest.h>

#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"
#include "tests/support/temp_dir.h"

using namespace store;

TEST(Lookup, TournamentFileNamesAreTheDigitsAndTheExtension) {
    EXPECT_EQ(tournamentFile(1, 'T'), "1.T");
    EXPECT_EQ(tournamentFile(12, 'R'), "12.R");
    EXPECT_EQ(tournamentFile(99999, 'K'), "99999.K");
}

TEST(Lookup, TournamentNumbersFollowTheLargestInTurn) {
    TempDir dir;
    EXPECT_EQ(nextTournamentNumber(), 1); // also creates an empty "TURN"
    EXPECT_TRUE(exists(fil::TURN));
    appendOne(fil::TURN, turneringsstruct{1, "Höstturnering", 7, 0});
    appendOne(fil::TURN, turneringsstruct{2, "Blixt", 9, 1});
    EXPECT_EQ(nextTournamentNumber(), 3);
    turneringsstruct t;
    ASSERT_TRUE(findTournament(2, t));
    EXPECT_EQ(t.tnamn, "Blixt");
    EXPECT_FALSE(findTournament(3, t));
}

TEST(Lookup, ScoringCodeLastRecordWinsAndDefaultsDependOnTheCaller) {
    TempDir dir;
    EXPECT_EQ(poangvalfunk(1), 1);
    EXPECT_EQ(poangvalfunk(1, 0), 0);
    append(fil::POANGSYS, std::vector<poangsystem>{{2, 1}, {3, 2}, {4, 1}});
    EXPECT_EQ(poangvalfunk(1), 4);
    EXPECT_EQ(poangvalfunk(2, 0), 3);
    EXPECT_EQ(poangvalfunk(3), 1);
}

TEST(Lookup, SwissVariantAndProgressiveKvalitet) {
    TempDir dir;
    EXPECT_EQ(vilkenSchweizer(1), 0);
    append(fil::SELN, std::vector<vilkenschweizerstruct>{{1, 1}, {0, 2}, {0, 1}, {1, 2}});
    EXPECT_EQ(vilkenSchweizer(1), 0);
    EXPECT_EQ(vilkenSchweizer(2), 1);

    EXPECT_FALSE(progressivKvalitet(1));
    EXPECT_TRUE(exists(fil::VILKV));
    // Presence alone decides, also when left by a cancelled creation.
    append(fil::VILKV, std::vector<vilkstruct>{{3}, {1}});
    EXPECT_TRUE(progressivKvalitet(1));
    EXPECT_FALSE(progressivKvalitet(2));
}

TEST(Lookup, TillbIsOneRecord) {
    TempDir dir;
    EXPECT_EQ(readTillb(true), tillbehorstruct{});
    writeTillb({4, 1, 0, 1, 0});
    writeTillb({5, 0, 1, 0, 1});
    EXPECT_EQ(readAll<tillbehorstruct>(fil::TILLB).size(), 1u);
    EXPECT_EQ(readTillb(), (tillbehorstruct{5, 0, 1, 0, 1}));
}

TEST(Lookup, StartListsGetAByeWhenTheCountIsOdd) {
    std::vector<spelarstructtva> players;
    for (int i = 0; i < 7; ++i)
        players.push_back({0, "Spelare " + std::to_string(i), "SK", 1500, 0, 0});
    const auto odd = startListWithBye(players, ByeClub::Tom);
    ASSERT_EQ(odd.size(), 8u);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(odd[i].nr, i + 1);
    EXPECT_EQ(odd[7].namn, "Frirond");
    EXPECT_EQ(odd[7].klubb, "");
    EXPECT_EQ(odd[7].ranking, 0);

    // Rebuilding drops the old bye (either spelling) and adds a fresh one only when needed.
    auto rebuilt = odd;
    rebuilt[7].namn = "frirond";
    rebuilt.push_back({0, "Sen anmälan", "SK", 1400, 0, 0});
    const auto even = startListWithBye(rebuilt, ByeClub::Nej);
    ASSERT_EQ(even.size(), 8u);
    EXPECT_EQ(even[7].namn, "Sen anmälan");
    EXPECT_EQ(even[7].nr, 8);

    rebuilt.push_back({0, "Ytterligare", "SK", 1300, 0, 0});
    const auto again = startListWithBye(rebuilt, ByeClub::Nej);
    ASSERT_EQ(again.size(), 10u);
    EXPECT_EQ(again[9].klubb, "nej");
    EXPECT_TRUE(isBye(again[9].namn));
    EXPECT_FALSE(isBye("FRIROND"));
}

TEST(Lookup, LastRoundPlayedReadsTheRightGames) {
    TempDir dir;
    EXPECT_EQ(lastRoundPlayed(1), 0);
    append(tournamentFile(1, 'R'), std::vector<partistruct>{{1, 2, 1, 1, 3}, {1, 2, 1, 1, 1}});
    EXPECT_EQ(lastRoundPlayed(1), 3);
    // A "Valfritt" tournament's rounds come from its own records in the shared file.
    appendOne(fil::POANGSYS, poangsystem{4, 2});
    append(fil::VALFRI, std::vector<valfristruct>{{2, 1, 2, 1, 2, 1, 0}, {3, 1, 2, 1, 5, 1, 0}});
    EXPECT_EQ(lastRoundPlayed(2), 2);
}

TEST(Lookup, ValfriRecordsAreTheTournamentsOwnInFileOrder) {
    TempDir dir;
    EXPECT_TRUE(readValfri(2).empty());
    EXPECT_TRUE(exists(fil::VALFRI)); // touched first
    append(fil::VALFRI, std::vector<valfristruct>{
                            {2, 1, 2, 1, 2, 1, 0}, {3, 1, 2, 1, 5, 1, 0}, {2, 3, 4, 2, 1, 0.5, 0.5}});
    const auto egna = readValfri(2);
    ASSERT_EQ(egna.size(), 2u);
    EXPECT_EQ(egna[0].rond, 2);
    EXPECT_EQ(egna[1].rond, 1);
    EXPECT_EQ(egna[1].bord, 2);
}

TEST(Lookup, ATournamentHasStartedOnceARoundIsStored) {
    TempDir dir;
    // Tournament 1 scores 1-½-0 and keeps its games in "1.R"; tournament 2 is "Valfritt" and
    // keeps them in "VALFRI.DAT", where tournament 1's games do not count for it.
    append(fil::POANGSYS, std::vector<poangsystem>{{1, 1}, {4, 2}});
    EXPECT_FALSE(tournamentStarted(1));
    EXPECT_FALSE(tournamentStarted(2));
    appendOne(fil::VALFRI, valfristruct{1, 1, 2, 1, 1, 1.0, 0.0});
    EXPECT_FALSE(tournamentStarted(1)) << "a 1-½-0 tournament reads its .R file";
    EXPECT_FALSE(tournamentStarted(2)) << "the game belongs to tournament 1";
    appendOne("2.R", partistruct{1, 2, 1, 1, 1});
    EXPECT_FALSE(tournamentStarted(2)) << "a Valfritt tournament ignores its .R file";
    appendOne(fil::VALFRI, valfristruct{2, 1, 2, 1, 1, 0.5, 0.5});
    EXPECT_TRUE(tournamentStarted(2));
    appendOne("1.R", partistruct{1, 2, 1, 0, 1}); // entered without result yet: still a round
    EXPECT_TRUE(tournamentStarted(1));
}
