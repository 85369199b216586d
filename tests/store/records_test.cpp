// Every record type against a byte image written out by hand: the writer must produce it and the
// reader must parse it back to the same record.
#include "store/records.h"

#include <gtest/gtest.h>

#include "tests/support/bytes.h"
#include "tests/support/record_image.h"

using namespace testbytes;

TEST(Records, Turneringsstruct) {
    std::vector<std::uint8_t> img;
    le32(img, 12);
    field(img, "V\xE5r-cup \xD6rebro", 40); // "Vår-cup Örebro" in Windows-1252
    le32(img, 7);
    le32(img, 1);
    expectImage(turneringsstruct{12, "Vår-cup Örebro", 7, 1}, img);
}

TEST(Records, Lottcstruct) {
    std::vector<std::uint8_t> img;
    le32(img, 3);
    field(img, "Inget namn", 40);
    le32(img, 9);
    le32(img, 0);
    expectImage(lottcstruct{3, "Inget namn", 9, 0}, img);
}

TEST(Records, SmallIntegerRecords) {
    std::vector<std::uint8_t> t;
    for (int v : {5, 1, 0, 1, 0})
        le32(t, v);
    expectImage(tillbehorstruct{5, 1, 0, 1, 0}, t);

    std::vector<std::uint8_t> p;
    le32(p, 4);
    le32(p, 17);
    expectImage(poangsystem{4, 17}, p);

    std::vector<std::uint8_t> s;
    le32(s, 1);
    le32(s, 2);
    expectImage(vilkenschweizerstruct{1, 2}, s);

    std::vector<std::uint8_t> v;
    le32(v, 99999);
    expectImage(vilkstruct{99999}, v);

    std::vector<std::uint8_t> r;
    le32(r, -1); // negative values survive as two's complement
    expectImage(vrstruct{-1}, r);
}

TEST(Records, SpelarstructtvaWithSwedishLetters) {
    std::vector<std::uint8_t> img;
    le32(img, 8);
    field(img, "\xC5sa \xC4ngstr\xF6m", 30); // "Åsa Ängström"
    field(img, "SK Sp\xE5ret", 30);          // "SK Spåret"
    le32(img, 1850);
    le32(img, 2105);
    le32(img, 3);
    expectImage(spelarstructtva{8, "Åsa Ängström", "SK Spåret", 1850, 2105, 3}, img);
}

TEST(Records, Spelarstructtvac) {
    std::vector<std::uint8_t> img;
    le32(img, 9);
    field(img, "Frirond", 30);
    field(img, "nej", 30);
    le32(img, 0);
    le64(img, 2.5);
    le32(img, 3);
    le64(img, 11.75);
    expectImage(spelarstructtvac{9, "Frirond", "nej", 0, 2.5, 3, 11.75}, img);
}

TEST(Records, PartistructAndValfristruct) {
    std::vector<std::uint8_t> g;
    for (int v : {3, 14, 2, int{resSvartWo}, 6})
        le32(g, v);
    expectImage(partistruct{3, 14, 2, resSvartWo, 6}, g);

    std::vector<std::uint8_t> v;
    for (int x : {2, 5, 6, 1, 3})
        le32(v, x);
    le64(v, 1.5);
    le64(v, 2.5);
    expectImage(valfristruct{2, 5, 6, 1, 3, 1.5, 2.5}, v);
}

TEST(Records, ValfriResultCodeFollowsThePoints) {
    EXPECT_EQ((valfristruct{1, 1, 2, 1, 1, 3.0, 1.0}.resultatkod()), resVitVinst);
    EXPECT_EQ((valfristruct{1, 1, 2, 1, 1, 2.0, 2.0}.resultatkod()), resRemi);
    EXPECT_EQ((valfristruct{1, 1, 2, 1, 1, 0.5, 3.5}.resultatkod()), resSvartVinst);
}

TEST(Records, PrizeGroupEloAndCategoryRecords) {
    std::vector<std::uint8_t> p;
    for (int x : {1, 2, 500})
        le32(p, x);
    expectImage(penningstruct{1, 2, 500}, p);

    std::vector<std::uint8_t> g;
    for (int x : {0, 4, 6, 3, 250})
        le32(g, x);
    expectImage(rankingstruct{0, 4, 6, 3, 250}, g);

    std::vector<std::uint8_t> e;
    le32(e, 4);
    le32(e, 2310);
    field(e, "IM", 30);
    expectImage(elostructab{4, 2310, "IM"}, e);

    std::vector<std::uint8_t> k;
    field(k, "B\xE4sta junior", 40); // "Bästa junior"
    le32(k, 11);
    le32(k, 300);
    expectImage(egenkategoriastruct{"Bästa junior", 11, 300}, k);
}

TEST(Records, OverlongTextIsCutToTheFieldAndStaysTerminated) {
    const std::string name(45, 'x');
    std::vector<std::uint8_t> img(turneringsstruct::size);
    turneringsstruct{1, name, 1, 0}.encode(img.data());
    EXPECT_EQ(img[4 + 38], 'x');
    EXPECT_EQ(img[4 + 39], 0);
    EXPECT_EQ(turneringsstruct::decode(img.data()).tnamn, std::string(39, 'x'));
}

TEST(Records, UnterminatedTextIsReadUpToItsWidthOnly) {
    std::vector<std::uint8_t> img;
    le32(img, 1);
    field(img, std::string(30, 'a'), 30); // no NUL inside the name field
    field(img, std::string(30, 'b'), 30); // nor inside the club field
    le32(img, 1500);
    le32(img, 0);
    le32(img, 0);
    const auto s = spelarstructtva::decode(img.data());
    EXPECT_EQ(s.namn, std::string(30, 'a'));
    EXPECT_EQ(s.klubb, std::string(30, 'b'));
    EXPECT_EQ(s.ranking, 1500);
}

TEST(Records, BytesAfterTheTerminatorAreIgnored) {
    std::vector<std::uint8_t> img;
    le32(img, 2);
    field(img, std::string("Ola\0garbage", 11), 30);
    field(img, "", 30);
    for (int x : {0, 0, 0})
        le32(img, x);
    EXPECT_EQ(spelarstructtva::decode(img.data()).namn, "Ola");
}
