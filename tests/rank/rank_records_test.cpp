// The rating program's records against byte images written out by hand: the writer must produce
// each image and the reader must parse it back to the same record.
#include "rank/rating/rank_records.h"

#include <gtest/gtest.h>

#include "tests/support/bytes.h"
#include "tests/support/record_image.h"

using namespace testbytes;

TEST(RankRecords, Member) {
    std::vector<std::uint8_t> img;
    field(img, "\xC5" "sa \xD6" "berg", 30); // "Åsa Öberg"
    field(img, "1975-04-02", 20);
    le32(img, 1850);
    field(img, "Senior", 10);
    le32(img, 1);
    field(img, "SK R\xE4ttvik", 30); // "SK Rättvik"
    expectImage(rank::spelarstruct{"Åsa Öberg", "1975-04-02", 1850, "Senior", 1, "SK Rättvik"}, img);
}

TEST(RankRecords, Game) {
    std::vector<std::uint8_t> img;
    field(img, "Per Lind", 30);
    field(img, "Ej angiven", 30);
    le32(img, 1600);
    le32(img, 3);
    field(img, "Lunds ASK", 30);
    field(img, "Klubbm\xE4sterskap", 30); // "Klubbmästerskap"
    field(img, "Ej angivet", 20);
    le32(img, 17);
    expectImage(rank::allastruct{"Per Lind", "Ej angiven", 1600, 3, "Lunds ASK", "Klubbmästerskap", "Ej angivet", 17},
                img);
}

TEST(RankRecords, SmallRecords) {
    std::vector<std::uint8_t> t;
    field(t, "Bo Ek", 30);
    field(t, "H\xF6stblixten", 30); // "Höstblixten"
    le32(t, -12);
    le32(t, 85);
    expectImage(rank::tallastruct{"Bo Ek", "Höstblixten", -12, 85}, t);

    std::vector<std::uint8_t> e;
    field(e, "Bo Ek", 30);
    le32(e, 2105);
    expectImage(rank::elostruct{"Bo Ek", 2105}, e);

    std::vector<std::uint8_t> m;
    field(m, "Bo Ek", 30);
    field(m, "bo.ek@example.se", 40);
    expectImage(rank::mailstruct{"Bo Ek", "bo.ek@example.se"}, m);

    std::vector<std::uint8_t> l;
    field(l, "Bo Ek", 30);
    expectImage(rank::medpalistastruct{"Bo Ek"}, l);
}

// A name is the key of every file, so its field keeps 29 characters and the NUL: a longer name is
// stored cut, and what is read back is exactly the stored field.
TEST(RankRecords, NamesAreCutToTheirField) {
    const std::string lang = "Karl-Johan Andersson-Lindqvist"; // 30 characters
    std::vector<std::uint8_t> img;
    field(img, lang.substr(0, 29), 30);
    expectImage(rank::medpalistastruct{lang.substr(0, 29)}, img);
    std::vector<std::uint8_t> written(rank::medpalistastruct::size);
    rank::medpalistastruct{lang}.encode(written.data());
    EXPECT_EQ(written, img);
}
