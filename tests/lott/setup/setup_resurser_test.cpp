#include <gtest/gtest.h>

#include <map>
#include <set>

#include "lott/setup/inskrivning_layout.h"
#include "resources/lott/setup_dialogs.h"

namespace {

const ui::Control* hitta(const ui::DialogResource& d, int id) {
    for (const auto& c : d.controls)
        if (c.id == id) return &c;
    return nullptr;
}

void idnUnika(const ui::DialogResource& d) {
    std::set<int> sett;
    for (const auto& c : d.controls)
        if (c.id != ui::IDSTATIC) {
            EXPECT_TRUE(sett.insert(c.id).second) << "dialog " << d.number << " id " << c.id;
        }
}

TEST(SetupResurser, NewTournamentDialogHasEveryControl) {
    const auto& d = nyTurneringResurs();
    EXPECT_EQ(d.number, 1601);
    EXPECT_EQ(d.title, "Ny turnering");
    idnUnika(d);
    const std::map<int, std::pair<ui::Kind, std::string>> vantade{
        {611, {ui::Kind::Radio, "&Monrad"}},
        {612, {ui::Kind::Radio, "&Nordisk schweizer"}},
        {613, {ui::Kind::Radio, "&Schweizer"}},
        {610, {ui::Kind::Check, "&Klubb"}},
        {609, {ui::Kind::Check, "&Ranking"}},
        {608, {ui::Kind::Check, "&Penningpriser"}},
        {697, {ui::Kind::Check, "&Rankinggrupper"}},
        {607, {ui::Kind::Check, "&ELO, titel"}},
        {1607, {ui::Kind::Check, "Egen kategorisering"}},
        {2210, {ui::Kind::Radio, "Vanlig"}},
        {2211, {ui::Kind::Radio, "Progressiv"}},
        {101, {ui::Kind::Radio, "1      0.5      0"}},
        {102, {ui::Kind::Radio, "3       1        0"}},
        {103, {ui::Kind::Radio, "3       2        1"}},
        {104, {ui::Kind::Radio, "Valfritt"}},
        {1, {ui::Kind::Button, "&Kör"}},
        {2, {ui::Kind::DefaultButton, "&Avbryt"}},
        {1201, {ui::Kind::Button, "&Hjälp"}},
    };
    for (const auto& [id, typ] : vantade) {
        const auto* c = hitta(d, id);
        ASSERT_NE(c, nullptr) << id;
        EXPECT_EQ(c->kind, typ.first) << id;
        EXPECT_EQ(c->caption, typ.second) << id;
    }
    EXPECT_EQ(hitta(d, 605)->maxLength, 29);
    EXPECT_EQ(hitta(d, 606)->maxLength, 3);
    // Three separate radio groups: system, kvalitet, scoring.
    EXPECT_EQ(hitta(d, 611)->group, hitta(d, 613)->group);
    EXPECT_NE(hitta(d, 611)->group, hitta(d, 2210)->group);
    EXPECT_NE(hitta(d, 2210)->group, hitta(d, 101)->group);
    EXPECT_EQ(hitta(d, 101)->group, hitta(d, 104)->group);
}

TEST(SetupResurser, RegistrationLayoutsHaveOneRowPerNumber) {
    for (int kat = 0; kat < 4; ++kat) {
        const auto& l = inskrivningLayout(kat);
        const auto& d = inskrivningResurs(kat);
        EXPECT_EQ(d.number, l.dialog);
        EXPECT_EQ(d.title, "Inskrivning av spelare");
        idnUnika(d);
        std::set<std::pair<int, int>> celler;
        for (int i = 0; i < l.raderPerSida; ++i) {
            const auto* nr = hitta(d, nummerId(i));
            const auto* namn = hitta(d, namnId(i));
            ASSERT_NE(nr, nullptr);
            ASSERT_NE(namn, nullptr);
            EXPECT_EQ(nr->kind, ui::Kind::ReadOnlyEdit);
            EXPECT_EQ(nr->maxLength, 4);
            EXPECT_EQ(namn->maxLength, 29);
            EXPECT_EQ(namn->row, nr->row);
            EXPECT_EQ(hitta(d, klubbId(i)) != nullptr, l.klubb);
            EXPECT_EQ(hitta(d, rankingId(i)) != nullptr, l.ranking);
            if (l.ranking) {
                EXPECT_EQ(hitta(d, rankingId(i))->maxLength, l.rankingMaxLangd);
            }
            EXPECT_TRUE(celler.insert({nr->row, nr->col}).second) << "layout " << kat << " slot " << i;
        }
        EXPECT_EQ(hitta(d, 1)->caption, "&Klar");
        EXPECT_EQ(hitta(d, 1)->kind, ui::Kind::DefaultButton);
        EXPECT_EQ(hitta(d, 2)->caption, "&Avbryt");
        EXPECT_EQ(hitta(d, l.framatId)->caption, ">> >>");
        EXPECT_EQ(hitta(d, l.bakatId)->caption, "<< <<");
    }
    EXPECT_EQ(&inskrivningResurs(9), &inskrivningResurs(0));
}

TEST(SetupResurser, NumbersRunAlongRowsOrDownColumnsAsTheLayoutSays) {
    const auto cell = [](int kat, int slot) {
        const auto* c = hitta(inskrivningResurs(kat), nummerId(slot));
        return std::pair{c->row, c->col};
    };
    // Names only: 1, 2, 3 side by side on the first row, 4 below 1.
    EXPECT_EQ(cell(0, 1).first, cell(0, 0).first);
    EXPECT_GT(cell(0, 1).second, cell(0, 0).second);
    EXPECT_GT(cell(0, 2).second, cell(0, 1).second);
    EXPECT_EQ(cell(0, 3).second, cell(0, 0).second);
    EXPECT_EQ(cell(0, 3).first, cell(0, 0).first + 1);
    // Two column pairs: 1..13 down the left, 14 at the top of the right.
    for (int kat : {1, 2}) {
        EXPECT_EQ(cell(kat, 12).second, cell(kat, 0).second);
        EXPECT_EQ(cell(kat, 12).first, cell(kat, 0).first + 12);
        EXPECT_EQ(cell(kat, 13).first, cell(kat, 0).first);
        EXPECT_GT(cell(kat, 13).second, cell(kat, 0).second);
    }
    EXPECT_EQ(cell(3, 11).first, cell(3, 0).first + 11);
}

} // namespace
