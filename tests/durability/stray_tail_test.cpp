// One stray byte at the end of a record file (a crash in the middle of a write, another program)
// before a command that appends to it or rewrites it: what the command stores reads back right,
// the file is whole again, and the stray byte is kept in the file's ".rest".
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "rank/register/medlem.h"
#include "rank/register/register.h"
#include "store/filenames.h"
#include "store/files.h"
#include "tests/durability/lott_steg.h"
#include "tests/support/bytes.h"
#include "tests/support/rank_poster.h"
#include "tests/support/temp_dir.h"
#include "tools/ratingbridge/exportera.h"

namespace fs = std::filesystem;
using testbytes::fileBytes;

namespace {

void strayByte(const std::string& fil) {
    std::ofstream(fil, std::ios::binary | std::ios::app).put('\x5a');
}

} // namespace

TEST(StrayTail, TheNextCommandStoresWholeRecordsAndKeepsTheByte) {
    struct Fall {
        const char* command;
        std::string file;
        std::size_t recordSize;
        std::function<void()> before;  // the directory as the last completed command left it
        std::function<void()> command_;
        std::function<void()> check;   // what the command stored, read back
    };
    const std::vector<Fall> cases{
        {"&Ny turnering and registration", "TURN", turneringsstruct::size, [] { lottsteg::nyTurnering(10); },
         [] { lottsteg::nyTurnering(12); },
         [] {
             const auto turn = store::readAll<turneringsstruct>(store::fil::TURN);
             ASSERT_EQ(turn.size(), 2u);
             EXPECT_EQ(turn[1], (turneringsstruct{2, "Klubbmästerskap", 7, 0}));
             EXPECT_EQ(store::readAll<spelarstructtva>("2.T").size(), 12u);
         }},
        {"a round's results", "1.R", partistruct::size,
         [] {
             lottsteg::nyTurnering(10);
             lottsteg::spelaRond(1);
         },
         [] { lottsteg::spelaRond(1); },
         [] {
             const auto partier = store::readAll<partistruct>("1.R");
             ASSERT_EQ(partier.size(), 10u);
             for (std::size_t i = 0; i < partier.size(); ++i)
                 EXPECT_EQ(partier[i].rond, i < 5 ? 1 : 2) << "game " << i;
         }},
        {"a new rank member", rank::fil::SPEL, rank::spelarstruct::size,
         [] { store::writeAll(rank::fil::SPEL, std::vector<rank::spelarstruct>{rankpost::medlem("Anna Ek", 1500)}); },
         [] {
             rank::Medlemsfalt f;
             f.namn = "Bo Ström";
             f.ranking = "1720";
             EXPECT_EQ(rank::sparaMedlem(false, "", f), rank::Medlemsutfall::Sparad);
         },
         [] {
             const auto bo = rank::hittaSpelare("Bo Ström");
             ASSERT_TRUE(bo);
             EXPECT_EQ(bo->ranking, 1720);
             EXPECT_EQ(rank::spelarnamn(), (std::vector<std::string>{"Anna Ek", "Bo Ström"}));
         }},
        {"a ratingbridge export", rank::fil::TALLA, rank::tallastruct::size,
         [] {
             store::writeAll(rank::fil::TALLA, std::vector<rank::tallastruct>{rankpost::andring("Anna Ek", "Cup", 8, 3)});
             fs::create_directory("turn");
             fs::current_path("turn");
             lottsteg::nyTurnering(6);
             lottsteg::spelaRond(1);
             fs::current_path("..");
         },
         [] {
             const auto rating = fs::current_path().string();
             fs::current_path("turn");
             ratingbridge::exportera(ratingbridge::Ratingfiler::i(rating), 0, 3, 1);
             fs::current_path(rating);
         },
         [] {
             const auto talla = store::readAll<rank::tallastruct>(rank::fil::TALLA);
             ASSERT_EQ(talla.size(), 7u); // the earlier change and one per player
             EXPECT_EQ(talla[0], rankpost::andring("Anna Ek", "Cup", 8, 3));
             EXPECT_EQ(talla[6].egenspelare, "Spelare 6");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        TempDir dir;
        c.before();
        const auto whole = fileBytes(c.file);
        strayByte(c.file);
        c.command_();
        c.check();
        EXPECT_EQ(fileBytes(c.file).size() % c.recordSize, 0u);
        const auto now = fileBytes(c.file);
        ASSERT_GE(now.size(), whole.size());
        EXPECT_TRUE(std::equal(whole.begin(), whole.end(), now.begin())) << "the earlier records moved";
        EXPECT_EQ(fileBytes(c.file + ".rest"), (std::vector<std::uint8_t>{0x5a}));
    }
}
