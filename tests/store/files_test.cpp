#include "store/files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "store/records.h"
#include "tests/support/bytes.h"
#include "tests/support/temp_dir.h"

using namespace store;

using testbytes::fileBytes;

TEST(Files, TouchCreatesAnEmptyFileAndKeepsAnExistingOne) {
    TempDir dir;
    touch("TURN");
    EXPECT_TRUE(exists("TURN"));
    EXPECT_TRUE(readAll<turneringsstruct>("TURN").empty());
    appendOne("TURN", turneringsstruct{1, "A", 5, 0});
    touch("TURN");
    EXPECT_EQ(readAll<turneringsstruct>("TURN").size(), 1u);
}

TEST(Files, AppendWriteAndReadKeepRecordOrder) {
    TempDir dir;
    const std::vector<partistruct> round1{{1, 2, 1, 1, 1}, {3, 4, 2, 3, 1}};
    append("1.R", round1);
    appendOne("1.R", partistruct{2, 3, 1, 2, 2});
    auto games = readAll<partistruct>("1.R");
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[0], round1[0]);
    EXPECT_EQ(games[2].rond, 2);
    writeAll("1.R", round1);
    EXPECT_EQ(readAll<partistruct>("1.R"), round1);
    writeAll("1.R", std::vector<partistruct>{});
    EXPECT_EQ(fileBytes("1.R").size(), 0u);
}

TEST(Files, AShortFinalRecordEndsTheRead) {
    TempDir dir;
    append("1.R", std::vector<partistruct>{{1, 2, 1, 1, 1}, {3, 4, 2, 1, 1}});
    {
        std::ofstream out("1.R", std::ios::binary | std::ios::app);
        out.write("\x05\x00\x00\x00\x06\x00\x00", 7); // a damaged tail of 7 bytes
    }
    EXPECT_EQ(readAll<partistruct>("1.R").size(), 2u);
}

TEST(Files, RewriteThroughLeavesTheScratchFileWithTheKeptRecords) {
    TempDir dir;
    append("1.R", std::vector<partistruct>{{1, 2, 1, 1, 1}, {1, 3, 1, 1, 2}});
    const std::vector<partistruct> kept{{1, 2, 1, 1, 1}};
    rewriteThrough("1.R", "TEMPF", kept);
    EXPECT_EQ(readAll<partistruct>("1.R"), kept);
    EXPECT_EQ(readAll<partistruct>("TEMPF"), kept);
    EXPECT_FALSE(exists("1.R.ny~"));
}

TEST(Files, OneLineTextFilesHaveNoTerminatorAndHoldWindows1252) {
    TempDir dir;
    writeText("SLUMPT", "monradja");
    EXPECT_EQ(fileBytes("SLUMPT").size(), 8u);
    EXPECT_EQ(readText("SLUMPT"), "monradja");
    writeText("X", "Gävle");
    EXPECT_EQ(fileBytes("X"), (std::vector<std::uint8_t>{'G', 0xE4, 'v', 'l', 'e'}));
    EXPECT_EQ(touchAndReadText("FONTS"), "");
    EXPECT_TRUE(exists("FONTS"));
}

TEST(FilesDeathTest, AFileThatMustExistEndsTheProcessWithTheFileError) {
    TempDir dir;
    EXPECT_EXIT(readAll<partistruct>("LSKICKA"), testing::ExitedWithCode(1), "^Cannot open output file.\n$");
    EXPECT_EXIT(readText("STANGT"), testing::ExitedWithCode(1), "Cannot open output file.");
}

TEST(FilesDeathTest, AnUnwritableFolderEndsTheProcessWithTheFileError) {
    TempDir dir;
    EXPECT_EXIT(writeText("no-such-folder/STANGT", "0"), testing::ExitedWithCode(1),
                "Cannot open output file.");
    EXPECT_EXIT(touch("no-such-folder/TURN"), testing::ExitedWithCode(1), "Cannot open output file.");
}

TEST(Files, GameRecordsWithImpossibleRoundsAreSkippedOnReading) {
    TempDir dir;
    // A damaged game file: a huge round number made every round loop of the readers run for ever.
    append(
        "1.R",
        std::vector<partistruct>{
            {2, 1, 1, 1, 1}, {1, 2, 1, 1, 2000000000}, {4, 3, 2, 3, 0}, {3, 4, 1, 2, -7}, {1, 4, 1, 3, 999}});
    const auto games = readAll<partistruct>("1.R");
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0], (partistruct{2, 1, 1, 1, 1}));
    EXPECT_EQ(games[1], (partistruct{1, 4, 1, 3, 999}));

    valfristruct bad{1, 2, 1, 1, 1000, 1.0, 0.0};
    valfristruct good{1, 2, 1, 1, 3, 0.5, 0.5};
    append("VALFRI.DAT", std::vector<valfristruct>{bad, good});
    EXPECT_EQ(touchAndReadAll<valfristruct>("VALFRI.DAT"), std::vector<valfristruct>{good});
}
