// lagturnering's team standings on the web site: a page per event beside the documented one,
// listed in the site's folder, values as the documented page shows them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/lott/webb/html_tabell.h"
#include "tests/support/temp_dir.h"
#include "tools/lagturnering/lag_webb.h"

namespace {
std::string las(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
} // namespace

TEST(LagWebb, PlacesTeamsAndValuesOfEachVariant) {
    const std::vector<lagturnering::Lagrad> rader{{"SK <Rockaden>", 12.5}, {"Lunds ASK", 3.25}};
    struct Fall {
        lagturnering::Variant v;
        std::string forsta, andra;
    };
    for (const auto& f : {Fall{lagturnering::Variant::Total, "12.5", "3.25"},
                          Fall{lagturnering::Variant::Relativ, "12", "3"}}) {
        SCOPED_TRACE(f.forsta);
        const auto tab = webbtest::tabeller(lagturnering::lagWebbsida("Skol-DM", rader, f.v)).at(0);
        ASSERT_EQ(tab.size(), 3u);
        EXPECT_EQ(tab[1], (std::vector<std::string>{"1", "SK <Rockaden>", f.forsta}));
        EXPECT_EQ(tab[2], (std::vector<std::string>{"2", "Lunds ASK", f.andra}));
    }
}

class LagWebbFiler : public ArbetsmappTest {};

TEST_F(LagWebbFiler, EveryEventListedInTheSitesFolder) {
    lagturnering::skrivLagWebb("Skol-DM 2024", {{"A", 3}}, lagturnering::Variant::Total);
    lagturnering::skrivLagWebb("Höstcupen / lag", {{"B", 2}}, lagturnering::Variant::Total);
    EXPECT_TRUE(std::filesystem::exists("webb/stil.css"));
    EXPECT_TRUE(std::filesystem::exists("webb/lagstallningar/Skol-DM 2024.html"));
    EXPECT_TRUE(std::filesystem::exists("webb/lagstallningar/Höstcupen _ lag.html"));
    const std::string index = las("webb/lagstallningar/index.html");
    EXPECT_NE(index.find("href=\"Skol-DM%202024.html\""), std::string::npos);
    EXPECT_NE(index.find("href=\"H%C3%B6stcupen%20_%20lag.html\""), std::string::npos);
}
