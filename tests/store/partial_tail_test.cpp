// A partial record at the end of a record file (a write cut short, a foreign program) must not
// shift what is appended after it, and its bytes must not vanish silently: appends cut it off and
// rewrites replace it, both keeping the bytes in the file's ".rest" beside it.
#include <gtest/gtest.h>

#include <fstream>

#include "store/crashpoint.h"
#include "store/files.h"
#include "store/records.h"
#include "tests/support/bytes.h"
#include "tests/support/temp_dir.h"

using namespace store;
using testbytes::fileBytes;

namespace {

void addBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::app).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> asBytes(const std::string& s) {
    return {s.begin(), s.end()};
}

} // namespace

TEST(PartialTail, EveryWriterKeepsTheTailAndLeavesWholeRecords) {
    const std::vector<turneringsstruct> two{{1, "Vår", 7, 0}, {2, "Höst", 9, 1}};
    const turneringsstruct third{3, "Blixt", 5, 0};
    struct Fall {
        const char* writer;
        std::string earlierRest; // what "TURN.rest" held before
        void (*write)(const turneringsstruct&);
        std::vector<turneringsstruct> expected;
    };
    const std::vector<Fall> cases{
        {"appendOne", "", [](const turneringsstruct& t) { appendOne("TURN", t); },
         {two[0], two[1], third}},
        {"appendOne, an earlier .rest", "\x01\x02",
         [](const turneringsstruct& t) { appendOne("TURN", t); }, {two[0], two[1], third}},
        {"writeAll", "", [](const turneringsstruct& t) { writeAll("TURN", std::vector<turneringsstruct>{t}); },
         {third}},
        {"rewriteThrough", "",
         [](const turneringsstruct& t) { rewriteThrough("TURN", "TEMPT", std::vector<turneringsstruct>{t}); },
         {third}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.writer);
        TempDir dir;
        writeAll("TURN", two);
        addBytes("TURN", std::string("\x33\x00\x07", 3)); // three stray bytes
        if (!c.earlierRest.empty()) addBytes("TURN.rest", c.earlierRest);
        c.write(third);

        EXPECT_EQ(fileBytes("TURN").size() % turneringsstruct::size, 0u);
        EXPECT_EQ(readAll<turneringsstruct>("TURN"), c.expected);
        EXPECT_EQ(fileBytes("TURN.rest"), asBytes(c.earlierRest + std::string("\x33\x00\x07", 3)));
    }
}

TEST(PartialTail, AWholeFileLeavesNoRestAndAWorkFileKeepsNoTail) {
    TempDir dir;
    appendOne("1.R", partistruct{1, 2, 1, 1, 1});
    appendOne("1.R", partistruct{3, 4, 2, 1, 1});
    writeAll("1.R", std::vector<partistruct>{{1, 2, 1, 3, 1}});
    EXPECT_FALSE(exists("1.R.rest"));

    // "LSKICKA" holds 76- or 88-byte records by turns: the other size is no damaged tail.
    writeWorkFile("LSKICKA", std::vector<spelarstructtvac>(3));
    writeWorkFile("LSKICKA", std::vector<spelarstructtva>(1));
    EXPECT_FALSE(exists("LSKICKA.rest"));
    EXPECT_EQ(fileBytes("LSKICKA").size(), spelarstructtva::size);
}

namespace {
int writes = 0;
int flushes = 0;
void count(crashpoint::Step s, int, const void*, std::size_t) {
    if (s == crashpoint::Step::Write) ++writes;
    if (s == crashpoint::Step::Flush) ++flushes;
}
} // namespace

TEST(PartialTail, ARoundIsAppendedInOneWriteThatReachesTheDisk) {
    TempDir dir;
    std::vector<partistruct> round(450);
    for (int b = 0; b < 450; ++b)
        round[static_cast<std::size_t>(b)] = {2 * b + 1, 2 * b + 2, b + 1, 1, 1};
    writes = flushes = 0;
    crashpoint::install(count);
    append("1.R", round);
    crashpoint::install(nullptr);
    EXPECT_EQ(writes, 1); // 9,000 bytes: a buffered stream would have written them in pieces
    EXPECT_EQ(flushes, 1);
    EXPECT_EQ(readAll<partistruct>("1.R"), round);
}
