#include "lott/setup/spelaruppgifter.h"

#include <gtest/gtest.h>

namespace {

TEST(Spelaruppgifter, FormKeepsRankingsAsRegistrationDoes) {
    struct Fall {
        const char* typat;
        bool valfri;
        int lagrat;
    };
    // Registration keeps 701..3099, and team sizes 1..99 under "Valfritt".
    const Fall fall[] = {{"700", false, 0},     {"701", false, 701}, {"750", false, 750}, {"850", false, 850},
                         {"3099", false, 3099}, {"3100", false, 0},  {"", false, 0},      {"abc", false, 0},
                         {"5", false, 0},       {"5", true, 5},      {"99", true, 99},    {"100", true, 0},
                         {"1850", true, 1850}};
    const spelarstructtva fore{4, "Gammalt", "AK", 1600, 0, 0};
    for (const auto& f : fall) {
        SCOPED_TRACE(std::string(f.typat) + (f.valfri ? " valfri" : ""));
        const auto s = formularUppgifter(fore, "Nytt namn", "BK", f.typat, f.valfri);
        EXPECT_EQ(s, (spelarstructtva{4, "Nytt namn", "BK", f.lagrat, 0, 0}));
    }
    // Name and club keep 29 characters.
    const auto lang = formularUppgifter(fore, std::string(31, 'n'), std::string(30, 'k'), "0", false);
    EXPECT_EQ(lang.namn, std::string(29, 'n'));
    EXPECT_EQ(lang.klubb, std::string(29, 'k'));
}

TEST(Spelaruppgifter, ClubsAndRankingsAreThereWhenAnyPlayerHasOne) {
    const std::vector<spelarstructtva> inga{{1, "A", "nej", 0, 0, 0}, {2, "Frirond", "", 0, 0, 0}};
    const auto f = uppgiftsflaggor(inga);
    EXPECT_FALSE(f.klubbar);
    EXPECT_FALSE(f.rankingar);
    const auto g = uppgiftsflaggor({{1, "A", "nej", 0, 0, 0}, {2, "B", "K", 0, 0, 0}, {3, "C", "", 1, 0, 0}});
    EXPECT_TRUE(g.klubbar);
    EXPECT_TRUE(g.rankingar);
}

TEST(Spelaruppgifter, CorrectionsLandOnTheSamePlayer) {
    const std::vector<spelarstructtva> laddade{
        {1, "Ada", "AK", 1500, 0, 0}, {2, "Bo", "BK", 1400, 0, 0}, {3, "Cia", "CK", 0, 0, 0}};
    auto andrade = laddade;
    andrade[1] = {2, "Bo Berg", "DK", 1450, 0, 0};

    // Unchanged file: every record written as the editor holds it, elo and category cleared.
    auto nuvarande = laddade;
    nuvarande[0].elo = 2000;
    auto ut = sparaUppgifter(nuvarande, laddade, andrade);
    EXPECT_EQ(ut, andrade);

    // A late entry made while the editor was open stays.
    nuvarande = laddade;
    nuvarande.push_back({4, "Dan", "EK", 1300, 0, 0});
    ut = sparaUppgifter(nuvarande, laddade, andrade);
    ASSERT_EQ(ut.size(), 4u);
    EXPECT_EQ(ut[1], andrade[1]);
    EXPECT_EQ(ut[3].namn, "Dan");

    // A withdrawal renumbered the list: Cia is number 2 now, and the correction meant for Bo
    // lands on nobody rather than on her.
    nuvarande = {{1, "Ada", "AK", 1500, 0, 0}, {2, "Cia", "CK", 0, 0, 0}};
    EXPECT_EQ(sparaUppgifter(nuvarande, laddade, andrade), nuvarande);
}

} // namespace
