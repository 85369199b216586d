// The guide against the programs: every menu command a user can meet in lott and rank is named in
// docs/guide.md, and every chapter the programs' help opens at is a heading of the guide (the
// help window finds a chapter by its heading, so a renamed heading would open the guide at its
// start instead).
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "resources/lagturnering/handbok.h"
#include "resources/lott/handbok.h"
#include "resources/lott/menu.h"
#include "resources/rank/handbok.h"
#include "resources/rank/menu.h"
#include "resources/ratingbridge/handbok.h"
#include "resources/resultfix/handbok.h"

namespace {

std::string guide() {
    std::ifstream in(GUIDE_FILE, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The guide's headings as written after their "#" marks.
std::set<std::string> headings(const std::string& text) {
    std::set<std::string> out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] != '#') continue;
        const auto text_start = line.find_first_not_of('#');
        if (text_start == std::string::npos || line[text_start] != ' ') continue;
        out.insert(line.substr(text_start + 1));
    }
    return out;
}

// A menu text as the user reads it: without the "&" of its mnemonic.
std::string shown(const std::string& caption) {
    std::string out;
    for (char c : caption)
        if (c != '&') out += c;
    return out;
}

} // namespace

TEST(Guide, NamesEveryMenuCommandOfLottAndRank) {
    const std::string text = guide();
    ASSERT_FALSE(text.empty()) << "cannot read " << GUIDE_FILE;
    const std::vector<std::pair<const char*, const ui::MenuResource*>> menus = {
        {"lott", &lottres::commandsMenu()},
        {"lott report window", &lottres::reportMenu()},
        {"rank", &rankres::commandsMenu()},
        {"rank list window", &rankres::listMenu()},
    };
    int named = 0;
    for (const auto& [program, menu] : menus)
        for (const auto& popup : menu->popups) {
            SCOPED_TRACE(std::string(program) + " " + shown(popup.caption));
            EXPECT_NE(text.find(shown(popup.caption)), std::string::npos) << "the menu " << popup.caption;
            for (const auto& item : popup.items) {
                if (item.id == 0) continue;
                EXPECT_NE(text.find(shown(item.caption)), std::string::npos)
                    << "the command " << item.caption;
                ++named;
            }
        }
    EXPECT_GE(named, 45); // every command of both programs was looked for
}

TEST(Guide, EveryHelpChapterIsAHeading) {
    const std::set<std::string> heads = headings(guide());
    ASSERT_FALSE(heads.empty());
    const std::vector<std::pair<const char*, const ui::HelpTopics*>> programs = {
        {"lott", &lottres::helpTopics()},
        {"rank", &rankres::helpTopics()},
        {"ratingbridge", &ratingbridgeres::helpTopics()},
        {"lagturnering", &lagturneringres::helpTopics()},
        {"resultfix", &resultfixres::helpTopics()},
    };
    for (const auto& [program, topics] : programs) {
        SCOPED_TRACE(program);
        EXPECT_TRUE(heads.count(topics->start)) << "no heading \"" << topics->start << "\"";
        for (const auto& [window, chapter] : topics->windows)
            EXPECT_TRUE(heads.count(chapter)) << window << ": no heading \"" << chapter << "\"";
    }
}
