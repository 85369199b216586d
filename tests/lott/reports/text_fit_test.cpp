// Shrinking a report's fonts so that close columns do not run into each other.
#include <gtest/gtest.h>

#include "lott/reports/text_fit.h"

namespace {

using reports::DrawnPage;
using reports::textFit;

// Every character (not byte: "ä" is one) is half as wide as the font is high.
double halfHeight(const std::string& text, int height) {
    double chars = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++chars;
    return 0.5 * height * chars;
}

TEST(TextFit, TextsWithRoomKeepTheirSize) {
    DrawnPage page;
    page.texts = {{0, 1, 30, "Slutställning Vår-cup rond 2"}, {2, 3, 20, "Spelare"}, {20, 3, 20, "Poäng"}};
    // u = 10: "Spelare" needs 70 of the 180 before "Poäng"; the title is alone on its row.
    EXPECT_DOUBLE_EQ(textFit(page, 10, halfHeight), 1.0);
    EXPECT_DOUBLE_EQ(textFit(DrawnPage{}, 10, halfHeight), 1.0);
}

TEST(TextFit, TheTightestNeighboursOfAnyRowDecide) {
    DrawnPage page;
    // Row at 3: "Poäng" (5 chars, 50 wide at height 20) has 60 - 5 = 55 before "Kval": fits.
    // Row at 4: "1.5" (3 chars, 30 wide) has 40 - 5 = 35: fits. "0.5" at 14 and "4,1,+6" at 17:
    // 30 - 5 = 25 of the 30 needed.
    page.texts = {{10, 3, 20, "Poäng"},
                  {16, 3, 20, "Kval"},
                  {10, 4, 20, "1.5"},
                  {14, 4, 20, "0.5"},
                  {17, 4, 20, "4,1,+6"}};
    EXPECT_DOUBLE_EQ(textFit(page, 10, halfHeight), 25.0 / 30.0);
}

TEST(TextFit, RowsAreOrderedByPositionNotByDrawingOrder) {
    DrawnPage page;
    // Drawn right to left: the first-drawn text is the right neighbour.
    page.texts = {{14, 5, 20, "Kvalité"}, {10, 5, 20, "Poäng"}};
    EXPECT_DOUBLE_EQ(textFit(page, 10, halfHeight), (40.0 - 5.0) / 50.0);
}

TEST(TextFit, NeverBelowTheSmallestReadableSize) {
    DrawnPage page;
    // Two texts at the same place (a board number under a start number): no size would do.
    page.texts = {{5, 2, 20, "Bord 1"}, {5, 2, 20, "4"}, {6, 2, 20, "Bo Ek"}};
    EXPECT_DOUBLE_EQ(textFit(page, 10, halfHeight), reports::kSmallestFit);
}

} // namespace
