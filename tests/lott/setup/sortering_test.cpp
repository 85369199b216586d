#include "lott/setup/sortering.h"

#include <gtest/gtest.h>

namespace {

TEST(Sortering, StartNumberCarriesItsLengthDigit) {
    const std::pair<int, const char*> fall[] = {{1, "11"},     {9, "91"},      {10, "102"},
                                                {12, "122"},   {99, "992"},    {100, "1003"},
                                                {999, "9993"}, {1000, "10003"}}; // 100 and above all say 3
    for (const auto& [nr, text] : fall) {
        SCOPED_TRACE(nr);
        EXPECT_EQ(nummerMedLangd(nr), text);
    }
}

TEST(Sortering, EntriesBeginWithTheSortedPart) {
    const spelarstructtva full{12, "Anna", "SK Rockaden", 1850, 0, 0};
    const spelarstructtva ingen{3, "Bo", "nej", 0, 0, 0};
    const spelarstructtva tomKlubb{104, "Cia", "", 2100, 0, 0};
    struct Fall {
        spelarstructtva s;
        Sorteringslage lage;
        const char* text;
    };
    const Fall fall[] = {
        {full, Sorteringslage::Namn, "Anna   1850   SK Rockaden   122"},
        {full, Sorteringslage::Ranking, "1850   Anna   SK Rockaden   122"},
        {full, Sorteringslage::Klubb, "SK Rockaden   Anna   1850   122"},
        // No ranking and club "nej": both left out, so an unranked entry begins with the name.
        {ingen, Sorteringslage::Namn, "Bo   31"},
        {ingen, Sorteringslage::Ranking, "Bo   31"},
        {ingen, Sorteringslage::Klubb, "Bo   31"},
        {tomKlubb, Sorteringslage::Klubb, "Cia   2100   1043"},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(sorteringsrad(f.s, f.lage), f.text);
    }
}

TEST(Sortering, RankingsCompareAsNumbersHighestFirst) {
    // In the list's alphabetical order "1850..." comes before "950..." and the unranked "Ada"
    // before both; numerically 1850 leads, 950 follows, the unranked come last in the given
    // (alphabetical) order, and equal rankings keep theirs.
    const std::vector<spelarstructtva> alfabetiskt{{1, "Nils", "", 1850, 0, 0}, {2, "Per", "", 1850, 0, 0},
                                                   {3, "Olle", "", 950, 0, 0},  {4, "Ada", "", 0, 0, 0},
                                                   {5, "Bert", "", 0, 0, 0},    {6, "Cia", "", 2010, 0, 0}};
    std::vector<int> nr;
    for (const auto& s : rankingordning(alfabetiskt))
        nr.push_back(s.nr);
    EXPECT_EQ(nr, (std::vector<int>{6, 1, 2, 3, 4, 5}));
}

} // namespace
