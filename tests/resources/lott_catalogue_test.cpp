// lott's message catalogue and menu: the texts the user sees, exactly as they must stand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "resources/lott/menu.h"
#include "resources/lott/messages.h"
#include "resources/lott/valj_turnering.h"
#include "ui/message_text.h"

namespace {

std::map<int, ui::Message> byNumber() {
    std::map<int, ui::Message> m;
    for (const auto& msg : lottres::messages())
        EXPECT_TRUE(m.emplace(msg.number, msg).second) << msg.number;
    return m;
}

TEST(LottCatalogue, HoldsEveryNumberOnceWithOneOrTwoButtons) {
    const auto m = byNumber();
    std::set<int> numbers;
    for (const auto& [n, msg] : m)
        numbers.insert(n);
    const std::set<int> expected{6,   7,    8,    15,   16,   20,   21,   22,   23,   26,   27,   32,  33,
                                 34,  35,   36,   37,   38,   39,   40,   41,   42,   43,   44,   46,  629,
                                 993, 1602, 2335, 2336, 2337, 2338, 2340, 2341, 2342, 2345, 2346, 2357,
                                 lottres::FRAGA_TA_TILLBAKA, lottres::WEBB_PUBLICERAD};
    EXPECT_EQ(numbers, expected);
    for (const auto& [n, msg] : m) {
        EXPECT_GE(msg.buttons.size(), 1u) << n;
        EXPECT_LE(msg.buttons.size(), 2u) << n;
        EXPECT_FALSE(msg.lines.empty()) << n;
        for (const auto& line : msg.lines)
            EXPECT_FALSE(line.empty()) << n;
    }
}

TEST(LottCatalogue, LinesStandAsWrittenWithHyphensAndTrailingBlanks) {
    const auto m = byNumber();
    EXPECT_EQ(m.at(36).title, "Meddelande");
    EXPECT_EQ(m.at(36).lines,
              (std::vector<std::string>{"Stäng först det fönster som du redan", "har öppet!"}));
    EXPECT_EQ(m.at(36).buttons, (std::vector<std::string>{"&OK"}));
    EXPECT_EQ(m.at(16).lines.at(0), "Du angav något av penningpriser, ranking-  ");
    EXPECT_EQ(m.at(16).lines.at(1), "grupper, titel, ELO eller egen kategorisering. ");
    EXPECT_EQ(m.at(35).title, "Varning!");
    EXPECT_EQ(m.at(35).lines.at(1), "turneringen gått igång bör användas en-");
    EXPECT_EQ(m.at(35).lines.at(3), "med att spelare utgår och att man tar till-");
    EXPECT_EQ(m.at(35).lines.size(), 5u);
    EXPECT_EQ(m.at(2335).title, "Varning!!");
    EXPECT_EQ(m.at(26).lines, (std::vector<std::string>{"En schweizerturnering måste ha ", "rankingtal."}));
    EXPECT_EQ(m.at(21).lines,
              (std::vector<std::string>{"Denna rond har aldrig spelats", "i denna turnering."}));
    EXPECT_EQ(m.at(38).lines.size(), 12u);
    EXPECT_EQ(m.at(38).lines.at(8), "Om du valt &Valfritt poängsystem så ska du skriva t.ex 3.5-2.5 eller");
    EXPECT_EQ(m.at(44).title, "Hjälp");
    EXPECT_EQ(m.at(44).lines.size(), 7u);
    EXPECT_EQ(m.at(44).lines.at(2), "Använd gärna Tab-tangenten vid inskrivningen av ");
    EXPECT_EQ(m.at(20).lines.at(2), "för många spelare(>900) totalt sett.");
}

TEST(LottCatalogue, QuestionsHaveTheirSecondButton) {
    const auto m = byNumber();
    const std::map<int, std::vector<std::string>> questions{
        {33, {"&Ja", "&Nej"}},          {34, {"&Ja", "&Nej"}},           {46, {"&Större", "&Standard"}},
        {2338, {"Klipp ut", "Avbryt"}}, {2345, {"Klista in", "Avbryt"}}, {2357, {"Ja", "Nej"}},
        {lottres::FRAGA_TA_TILLBAKA, {"&Ja", "&Nej"}},
    };
    for (const auto& [n, buttons] : questions)
        EXPECT_EQ(m.at(n).buttons, buttons) << n;
    for (const auto& [n, msg] : m) {
        if (!questions.count(n)) {
            EXPECT_EQ(msg.buttons.size(), 1u) << n;
        }
    }
    EXPECT_EQ(m.at(2357).title, "");
    EXPECT_EQ(m.at(46).title, "Fontstorlek");
    EXPECT_EQ(m.at(lottres::ABOUT).title, "Om programmet");
}

TEST(LottMenu, CommandsInOrderWithSeparators) {
    const auto& menu = lottres::commandsMenu();
    EXPECT_EQ(menu.name, "COMMANDS");
    std::vector<std::string> popups;
    for (const auto& p : menu.popups)
        popups.push_back(p.caption);
    EXPECT_EQ(popups, (std::vector<std::string>{"&Turnering", "&Ställning", "&Nya Resultat",
                                                "&Specialfunktioner", "&Inställningar", "&Hjälp"}));
    std::vector<int> ids;
    std::set<int> unique;
    for (const auto& p : menu.popups)
        for (const auto& item : p.items) {
            ids.push_back(item.id);
            if (item.id) {
                EXPECT_TRUE(unique.insert(item.id).second) << item.id;
                EXPECT_FALSE(item.hint.empty()) << item.id;
            }
        }
    EXPECT_EQ(ids, (std::vector<int>{615, 319, 0,    499, 1499, 0,    794,  797,  898, 9301, 9300, 9200, 0, 101,
                                     796, 894, 899, 0,    798, 895,  795,  799,  1994, 893, 1972, 0,   896,
                                     897, 0,   1973, 0,   2489, 1984, 1985, 1673, 992, 9100, 991}));
    EXPECT_EQ(menu.popups[3].items[1].caption, "Ändra i &startlista");
    EXPECT_EQ(menu.popups[0].items[8].caption, "&Slutrapport");
}

TEST(LottMenu, SpecialCommandsHaveMnemonicsOfTheirOwn) {
    // Taking back a round removes a whole round's results: its letter must not also reach
    // "Spelare &tillkommer".
    const auto& special = lottres::commandsMenu().popups.at(3);
    std::map<char, std::string> letters;
    for (const auto& item : special.items) {
        const auto amp = item.caption.find('&');
        if (amp == std::string::npos || amp + 1 >= item.caption.size()) continue;
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(item.caption[amp + 1])));
        const auto [it, ny] = letters.emplace(c, item.caption);
        EXPECT_TRUE(ny) << item.caption << " shares its mnemonic with " << it->second;
    }
    EXPECT_EQ(special.items.at(0).caption, "Ta tillbaka &rond");
}

TEST(LottCatalogue, TheTakeBackQuestionNamesTheRoundAndTheTournament) {
    const auto m = byNumber();
    const auto& fraga = m.at(lottres::FRAGA_TA_TILLBAKA);
    std::vector<std::string> rader;
    for (const auto& line : fraga.lines)
        rader.push_back(ui::fillMessageLine(line, {"3", "Vårcup 100%"}));
    EXPECT_EQ(rader, (std::vector<std::string>{"Ta tillbaka rond 3 i Vårcup 100%?", "Rondens resultat tas bort."}));
    EXPECT_EQ(ui::fillMessageLine("%1 %2 %3", {"a"}), "a %2 %3");
}

TEST(LottDialogs, ChooseTournamentDialogsCommitAndCancel) {
    for (const auto* d : {&lottres::valjTurnering(), &lottres::valjTurneringRond()}) {
        const auto& c = d->controls;
        auto has = [&](int id, ui::Kind k) {
            return std::any_of(c.begin(), c.end(),
                               [&](const ui::Control& x) { return x.id == id && x.kind == k; });
        };
        EXPECT_TRUE(has(lottres::IDC_TURNERINGAR, ui::Kind::List)) << d->number;
        EXPECT_TRUE(has(ui::IDOK, ui::Kind::DefaultButton)) << d->number;
        EXPECT_TRUE(has(ui::IDCANCEL, ui::Kind::Button)) << d->number;
        EXPECT_EQ(has(lottres::IDC_RONDER, ui::Kind::List), d->number == 795) << d->number;
    }
    EXPECT_EQ(lottres::valjTurnering().title, "Välj turnering");
    EXPECT_EQ(lottres::valjTurneringRond().title, "Välj turnering och rond");
}

} // namespace
