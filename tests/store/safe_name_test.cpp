#include "store/safe_name.h"

#include <gtest/gtest.h>

using namespace store;

TEST(SafeName, OrdinaryNamesKeepTheirExactName) {
    EXPECT_EQ(safeFileName("Höstturnering 2026"), "Höstturnering 2026");
    EXPECT_EQ(safeFileName("K.S.K. blixt"), "K.S.K. blixt");
}

TEST(SafeName, NamesThatWouldLeaveTheFolderStayInside) {
    EXPECT_EQ(safeFileName("Vår-cup 2/3"), "Vår-cup 2_3");
    EXPECT_EQ(safeFileName("../../etc/passwd"), ".._.._etc_passwd");
    EXPECT_EQ(safeFileName(".."), "namnlos");
    EXPECT_EQ(safeFileName(""), "namnlos");
    EXPECT_EQ(safeFileName("a\\b"), "a_b");
    EXPECT_EQ(safeFileName(std::string("rad\nny\0x", 8)), "rad_ny_x");
    EXPECT_EQ(safePathIn("lottutskrifter", "../ut", ".txt"), "lottutskrifter/.._ut.txt");
}

TEST(SafeName, LongNamesAreCutOnWholeCharactersToFitTheLimit) {
    std::string name;
    for (int i = 0; i < 200; ++i)
        name += "ö"; // 400 bytes
    const std::string cut = safeFileName(name, ".html");
    EXPECT_LE(cut.size() + 5, 255u);
    EXPECT_EQ(cut.size() % 2, 0u); // no half characters
}
