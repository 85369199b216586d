// Files changed together through the journal hold all of their changes or none, wherever the
// commit stops, once the next start has finished the journal.
#include "store/journal.h"

#include <gtest/gtest.h>

#include <fstream>

#include "store/records.h"
#include "tests/support/bytes.h"
#include "tests/support/crash_sweep.h"
#include "tests/support/temp_dir.h"

using namespace store;
using testbytes::fileBytes;

TEST(Journal, TheByteFormRoundTripsAndRefusesAnythingElse) {
    const std::vector<Journal::Change> changes{
        {Journal::Kind::Replace, "1.T", 76, 0, {1, 2, 3}},
        {Journal::Kind::Append, "ALLA", 152, 304, {}},
    };
    const auto bytes = encodeJournal(changes);
    // "JRN1", 2 changes; 'R', 3, "1.T", 76, 0, 3, bytes; 'A', 4, "ALLA", 152, 304, 0.
    std::vector<std::uint8_t> expected{'J', 'R', 'N', '1', 2, 0, 0, 0, 'R', 3, 0, 0, 0, '1', '.', 'T', 76, 0, 0, 0};
    for (int i = 0; i < 8; ++i) expected.push_back(0);
    expected.insert(expected.end(), {3, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 'A', 4, 0, 0, 0, 'A', 'L', 'L', 'A', 152, 0, 0, 0});
    expected.insert(expected.end(), {0x30, 1, 0, 0, 0, 0, 0, 0});
    for (int i = 0; i < 8; ++i) expected.push_back(0);
    EXPECT_EQ(bytes, expected);

    const auto back = decodeJournal(bytes);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].path, "1.T");
    EXPECT_EQ(back[0].bytes, (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(back[1].kind, Journal::Kind::Append);
    EXPECT_EQ(back[1].before, 304u);

    auto cut = bytes;
    cut.pop_back();
    EXPECT_TRUE(decodeJournal(cut).empty());
    auto longer = bytes;
    longer.push_back(0);
    EXPECT_TRUE(decodeJournal(longer).empty());
    auto foreign = bytes;
    foreign[8] = 'X';
    EXPECT_TRUE(decodeJournal(foreign).empty());
}

TEST(Journal, AForeignJournalIsLeftAlone) {
    TempDir dir;
    std::ofstream(JOURNAL) << "not ours";
    writeAll("1.R", std::vector<partistruct>{{1, 2, 1, 1, 1}});
    EXPECT_FALSE(finishJournal());
    EXPECT_EQ(fileBytes(JOURNAL).size(), 8u);
    EXPECT_EQ(readAll<partistruct>("1.R").size(), 1u);
}

// A replacement and two appends (one onto a file with a partial tail), stopped before each step
// of the commit in turn: after the next start every file is old or every file is new.
TEST(Journal, ACommitStoppedAtAnyStepIsAllOrNothingAfterTheNextStart) {
    TempDir dir;
    const std::vector<partistruct> gamla{{1, 2, 1, 1, 1}, {3, 4, 2, 3, 1}};
    const std::vector<partistruct> nya{{1, 2, 1, 1, 1}};
    const std::vector<spelarstructtva> tomma;
    const std::vector<poangsystem> tillagg{{4, 2}};
    const auto skapa = [&] {
        for (const char* f : {"1.R", "1.U", "POANGSYS", "POANGSYS.rest"})
            std::filesystem::remove(f);
        writeAll("1.R", gamla);
        writeAll("1.U", std::vector<spelarstructtva>{{1, "Ek", "nej", 0, 0, 0}, {2, "Berg", "nej", 0, 0, 0}});
        writeAll("POANGSYS", std::vector<poangsystem>{{1, 1}});
        std::ofstream("POANGSYS", std::ios::binary | std::ios::app).write("\x07", 1);
    };
    const auto kommando = [&] {
        Journal j;
        j.replace("1.R", nya);
        j.replace("1.U", tomma);
        j.append("POANGSYS", tillagg);
        j.commit();
    };

    int gamlaFall = 0, nyaFall = 0;
    for (int k = 1;; ++k) {
        SCOPED_TRACE("stopped before step " + std::to_string(k));
        skapa();
        const auto utfall = crashsweep::korStoppad(k, kommando);
        ASSERT_NE(utfall, crashsweep::Utfall::Fel);
        finishJournal(); // the next start
        EXPECT_FALSE(exists(JOURNAL));
        const auto r = readAll<partistruct>("1.R");
        const auto u = readAll<spelarstructtva>("1.U");
        const auto p = readAll<poangsystem>("POANGSYS");
        const bool gammalt = r == gamla && u.size() == 2 && p.size() == 1;
        const bool nytt = r == nya && u.empty() && p == std::vector<poangsystem>{{1, 1}, {4, 2}};
        EXPECT_TRUE(gammalt || nytt) << r.size() << " games, " << u.size() << " withdrawn, " << p.size()
                                     << " scoring records";
        if (nytt) {
            EXPECT_EQ(fileBytes("POANGSYS").size(), 2 * poangsystem::size); // the stray byte cut off
            EXPECT_EQ(fileBytes("POANGSYS.rest"), (std::vector<std::uint8_t>{7}));
        }
        gamlaFall += gammalt;
        nyaFall += nytt;
        if (utfall == crashsweep::Utfall::Klar) break;
    }
    EXPECT_GT(gamlaFall, 0);
    EXPECT_GT(nyaFall, 1); // stops after the journal was written are finished, not undone
}
