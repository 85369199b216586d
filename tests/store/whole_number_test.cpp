#include "store/whole_number.h"

#include <gtest/gtest.h>

TEST(WholeNumber, OnlyAWholeNumberWithinIntRange) {
    const std::pair<const char*, std::optional<int>> fall[] = {
        {"7", 7},
        {" 12 ", 12},
        {"+3", 3},
        {"-4", -4},
        {"0", 0},
        {"2147483647", 2147483647},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"2147483648", std::nullopt},
        {"3.0", std::nullopt},
        {"12abc", std::nullopt},
        {"x1", std::nullopt},
        {"+-3", std::nullopt},
        {"1 2", std::nullopt},
    };
    for (const auto& [text, tal] : fall) {
        SCOPED_TRACE(text);
        EXPECT_EQ(store::wholeNumber(text), tal);
    }
}
