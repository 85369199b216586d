#include "lott/results/resultattext.h"

#include <gtest/gtest.h>

namespace {

using namespace resultat;

TEST(Resultattext, CodesAndTextsRoundTrip) {
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(kod(text(k)), k);
    EXPECT_EQ(text(0), "");
    EXPECT_EQ(text(9), "");
    EXPECT_EQ(text(-1), "");
    EXPECT_EQ(kod("0-0"), 0);
    EXPECT_EQ(kod("remi"), 0); // only the completed text is a result
    EXPECT_EQ(kod("1-0 "), 0);
}

TEST(Foradla, CompletesShorthand) {
    const std::pair<const char*, const char*> fall[] = {
        {"1", "1-0"},      {"1/2", "1-0"},    {"1,0", "1-0"},    {"0", "0-1"},      {"0,5", "Remi"},
        {"0.5", "Remi"},   {"r", "Remi"},     {"R", "Remi"},     {"remi", "Remi"},  {"0-0", "0-0"},
        {"u", "uppskj."},  {"U", "uppskj."},  {"a", "avbrutet"}, {"A", "avbrutet"}, {"d", "diskval."},
        {"D", "diskval."}, {"W", "W.O(1-0)"}, {"w", "w.o(0-1)"}, {"x", ""},         {"", ""},
        {"2-1", ""},       {" 1", ""}};
    for (auto [in, ut] : fall)
        EXPECT_EQ(foradla(in, false, ingenFrirond), ut) << "'" << in << "'";
}

TEST(Foradla, CompletedTextsAreStable) {
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(foradla(text(k), false, ingenFrirond), text(k));
    EXPECT_EQ(foradla("0-0", false, ingenFrirond), "0-0");
}

TEST(Foradla, TheByeBoardIsFixed) {
    EXPECT_EQ(foradla("", true, frirondSvart), "1-0");
    EXPECT_EQ(foradla("0-1", true, frirondSvart), "1-0");
    EXPECT_EQ(foradla("Remi", true, frirondVit), "0-1");
    EXPECT_EQ(foradla("", true, frirondVit), "0-1");
}

TEST(Testavvalfrittresultat, ParsesBothSides) {
    double v = 0, s = 0;
    EXPECT_EQ(testavvalfrittresultat("3-1", v, s), 1);
    EXPECT_EQ(v, 3.0);
    EXPECT_EQ(s, 1.0);
    EXPECT_EQ(testavvalfrittresultat("1.5-2.5", v, s), 1);
    EXPECT_EQ(v, 1.5);
    EXPECT_EQ(s, 2.5);
    EXPECT_EQ(testavvalfrittresultat("-", v, s), 1); // a lone dash is 0-0
    EXPECT_EQ(v, 0.0);
    EXPECT_EQ(s, 0.0);
    EXPECT_EQ(testavvalfrittresultat(" 2 p - 4p", v, s), 1); // other characters are skipped
    EXPECT_EQ(v, 2.0);
    EXPECT_EQ(s, 4.0);
}

TEST(Testavvalfrittresultat, AtMostFourCharactersASide) {
    double v = 0, s = 0;
    EXPECT_EQ(testavvalfrittresultat("123456-7.25x9", v, s), 1);
    EXPECT_EQ(v, 1234.0);
    EXPECT_EQ(s, 7.25);
}

TEST(Testavvalfrittresultat, RefusesMoreThanOneDash) {
    // Each would otherwise be read with the later dashes skipped: "1-1-1" as 1 against 11.
    for (const char* t : {"1-1-1", "1-2-3", "--", "3-1-", "-3-1", "2.5--1.5"}) {
        SCOPED_TRACE(t);
        double v = 0, s = 0;
        EXPECT_EQ(testavvalfrittresultat(t, v, s), 0);
        EXPECT_EQ(v, -1.0);
        EXPECT_EQ(s, -1.0);
    }
}

TEST(Testavvalfrittresultat, RefusesTextWithoutDash) {
    double v = 0, s = 0;
    EXPECT_EQ(testavvalfrittresultat("", v, s), 0);
    EXPECT_EQ(testavvalfrittresultat("3 1", v, s), 0);
    EXPECT_EQ(v, -1.0);
    EXPECT_EQ(s, -1.0);
    EXPECT_EQ(testavvalfrittresultat("Remi", v, s), 0);
}

TEST(Decimaltal, ReadsLikeTyped) {
    EXPECT_EQ(decimaltal(""), 0.0);
    EXPECT_EQ(decimaltal("."), 0.0);
    EXPECT_EQ(decimaltal(".5"), 0.5);
    EXPECT_EQ(decimaltal("3."), 3.0);
    EXPECT_EQ(decimaltal("0.07"), 0.07);
    EXPECT_EQ(decimaltal("1.2.3"), 1.2);
}

} // namespace
