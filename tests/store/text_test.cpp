#include "store/text.h"

#include <gtest/gtest.h>

using namespace store;

TEST(Text, SwedishLettersAndSymbolsConvertBothWays) {
    const std::string utf8 = "åäöÅÄÖ é € – “x” ½";
    const std::string cp = toCp1252(utf8);
    EXPECT_EQ(cp, "\xE5\xE4\xF6\xC5\xC4\xD6 \xE9 \x80 \x96 \x93x\x94 \xBD");
    EXPECT_EQ(fromCp1252(cp), utf8);
}

TEST(Text, CharactersWithoutAWindows1252FormBecomeQuestionMarks) {
    EXPECT_EQ(toCp1252("a\xE2\x86\x92"
                       "b"),
              "a?b");                             // U+2192 arrow
    EXPECT_EQ(toCp1252("\xF0\x9F\x98\x80"), "?"); // emoji, four bytes
    EXPECT_EQ(toCp1252("x\xFFy"), "x?y");         // malformed UTF-8
    EXPECT_EQ(toCp1252("\xC3"), "?");             // truncated sequence
}

TEST(Text, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}

TEST(Text, CountsAndCutsWholeCharacters) {
    EXPECT_EQ(charCount("Göran"), 5u);
    EXPECT_EQ(firstChars("Göran", 2), "Gö");
    EXPECT_EQ(firstChars("Gö", 9), "Gö");
    EXPECT_EQ(firstChars("abc", 0), "");
}
