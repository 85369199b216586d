// Numbers read from damaged files: a record whose count, size or number is out of range is left
// out, and a new tournament never takes an overflowed number.
#include <gtest/gtest.h>

#include <climits>

#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"
#include "tests/support/temp_dir.h"

using namespace store;

TEST(DamagedRecords, NewTournamentNumberIgnoresNumbersOutOfRange) {
    struct Fall {
        const char* namn;
        std::vector<int> turn; // filnamnint of each "TURN" record, in file order
        int nasta;
    };
    // The new number is the largest plausible number plus one, and never below the record count
    // plus one, so that it agrees with the list position the new record takes.
    const Fall fall[] = {
        {"the largest int alone", {INT_MAX}, 2},              // max(0, 1 record) + 1
        {"the largest int after two", {1, 2, INT_MAX}, 4},    // max(2, 3 records) + 1
        {"zero and negatives", {0, -5, INT_MIN}, 4},          // max(0, 3 records) + 1
        {"just above the file-name limit", {1, 100000}, 3},   // max(1, 2 records) + 1
        {"the limit itself is a number", {1, 99999}, 100000}, // 99999 + 1
        {"a valid directory", {1, 2, 3}, 4},                  // as documented
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.namn);
        TempDir dir;
        for (int nr : f.turn)
            appendOne(fil::TURN, turneringsstruct{nr, "T", 7, 0});
        EXPECT_EQ(nextTournamentNumber(), f.nasta);
    }
}

TEST(DamagedRecords, ReadersSkipPlayersAndGroupSettingsOutOfRange) {
    TempDir dir;
    std::vector<spelarstructtva> spelare;
    for (int nr : {1, INT_MAX, 0, -3, 100000, 2, 99999}) {
        spelarstructtva s;
        s.nr = nr;
        s.namn = "S" + std::to_string(nr);
        spelare.push_back(s);
    }
    writeAll("1.T", spelare);
    std::vector<int> lasta;
    for (const auto& s : readAll<spelarstructtva>("1.T"))
        lasta.push_back(s.nr);
    EXPECT_EQ(lasta, (std::vector<int>{1, 2, 99999}));

    // delasellerej, antalgr, spelarepergr, franochmed, rpris
    writeAll("1.G",
             std::vector<rankingstruct>{
                 {0, INT_MAX, 0, 1, 500}, {0, 2, 715827890, 1, 500}, {0, 2, 5, -1, 500}, {1, 3, 8, 1, 900}});
    const auto grupper = readAll<rankingstruct>("1.G");
    ASSERT_EQ(grupper.size(), 1u);
    EXPECT_EQ(grupper[0], (rankingstruct{1, 3, 8, 1, 900}));
}
