// Late entries: the number shown, the data a new player must bring, and every way the player
// file is stored, checked against hand-written images of the files left behind.
#include "lott/pairing/inlankning.h"

#include <filesystem>
#include <map>

#include "store/filenames.h"
#include "tests/lott/pairing/andring_hjalp.h"

using namespace andringtest;

namespace {

class Inlankning : public ArbetsmappTest {};

// Every file of the working directory and its bytes.
std::map<std::string, Bytes> mappen() {
    std::map<std::string, Bytes> filer;
    for (const auto& f : std::filesystem::directory_iterator("."))
        filer[f.path().filename().string()] = testbytes::fileBytes(f.path().string());
    return filer;
}

TEST_F(Inlankning, TheNumberShownIsTheNumberThePlayerWillGet) {
    struct Fall {
        const char* namn;
        int system;
        std::vector<spelarstructtva> spelare;
        std::vector<partistruct> partier;
        const char* visat;
    };
    auto utan8 = registrerade(7);
    utan8.back() = sp(9); // a late entry after the start took 9 and removed the bye 8
    const std::vector<Fall> fall = {
        // Before the start the new player takes the bye's number, or the one after the last.
        {"Monrad, seven and the bye", 0, registrerade(7), {}, "8"},
        {"Monrad, eight", 0, registrerade(8), {}, "9"},
        // A Swiss-type start list is ordered by ranking: the place is decided when stored.
        {"Swiss-type before the start", 1, registrerade(8), {}, "Ej best."},
        // After the start: the largest number used + 1, the bye's included.
        {"started, seven and the bye", 0, registrerade(7), {parti(1, 7, 8)}, "9"},
        {"started, after an earlier late entry", 0, utan8, {parti(1, 7, 8)}, "10"},
        // A bye the pairing added as 11 (a withdrawal left the field odd) keeps its number.
        {"started, a bye the pairing added", 1, registrerade(10), {parti(2, 5, 11)}, "12"},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.namn);
        turnering(1, f.system);
        store::writeAll("1.T", f.spelare);
        store::writeAll("1.R", f.partier);
        EXPECT_EQ(nyttStartnummer(lasInlankningslage(1, false)), f.visat);
    }
}

TEST_F(Inlankning, UnderCustomScoresTheTournamentStartsWithItsFirstGameInValfri) {
    turnering(2, 0, 4);
    store::writeAll("2.T", registrerade(7));
    // Only another tournament's game: not started.
    store::writeAll(store::fil::VALFRI, std::vector<valfristruct>{valfriParti(1, 1, 1, 2, 1, 0)});
    EXPECT_EQ(nyttStartnummer(lasInlankningslage(2, true)), "8");
    store::appendOne(store::fil::VALFRI, valfriParti(2, 1, 7, 8, 2, 0));
    const auto lage = lasInlankningslage(2, true);
    EXPECT_TRUE(lage.startad);
    EXPECT_EQ(nyttStartnummer(lage), "9");
}

TEST(InlankningKrav, ClubsAndRankingsAreRequiredWhenFewerThanFourPlayersLackThem) {
    struct Fall {
        const char* namn;
        std::vector<spelarstructtva> spelare;
        bool ranking;
        bool klubb;
    };
    const auto r = [](int nr, int ranking, std::string klubb) {
        return sp(nr, "", std::move(klubb), ranking);
    };
    const std::vector<Fall> fall = {
        // Three players lack both: still required.
        {"three lack both", {r(1, 0, "nej"), r(2, 0, "nej"), r(3, 0, "nej"), r(4, 1500, "K")}, true, true},
        {"four lack both", {r(1, 0, "nej"), r(2, 0, "nej"), r(3, 0, "nej"), r(4, 0, "nej")}, false, false},
        // The bye's zero ranking and its club do not count: three real players lack them.
        {"three and the bye",
         {r(1, 0, "nej"), r(2, 0, "nej"), r(3, 0, "nej"), r(4, 1500, "K"), fri(5)},
         true,
         true},
        // Rankings count strictly between 700 and 3200; an empty club is a club.
        {"edges", {r(1, 700, ""), r(2, 3200, ""), r(3, 701, ""), r(4, 3199, ""), r(5, 2500, "")}, true, true},
        {"edges, one more",
         {r(1, 700, ""), r(2, 3200, ""), r(3, 0, ""), r(4, 650, ""), r(5, 2500, "")},
         false,
         true},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.namn);
        EXPECT_EQ(rankingKravs(f.spelare), f.ranking);
        EXPECT_EQ(klubbKravs(f.spelare), f.klubb);
    }
    // Under custom scores the field holds a team size: four teams of 4 have one each.
    const std::vector<spelarstructtva> lag = {r(1, 4, "nej"), r(2, 4, "nej"), r(3, 4, "nej"), r(4, 4, "nej")};
    EXPECT_TRUE(rankingKravs(lag, true));
    EXPECT_FALSE(rankingKravs(lag, false));
}

TEST(InlankningKrav, TheNewRecordOrWhatIsMissing) {
    Inlankningslage kravs; // clubs and rankings in use
    for (int i = 1; i <= 4; ++i)
        kravs.spelare.push_back(sp(i, "", "K", 1500));
    Inlankningslage fritt; // neither: four players lack both
    fritt.spelare = registrerade(4);
    for (auto& s : fritt.spelare)
        s.klubb = "nej";
    Inlankningslage lag = kravs; // custom scores: the ranking field holds a team size
    lag.valfri = true;

    struct Fall {
        const char* namn;
        const Inlankningslage* lage;
        NySpelare typat;
        bool godtagen;
        const char* klubb;
        int ranking;
    };
    const std::vector<Fall> fall = {
        {"complete", &kravs, {"Nils", "SK Lund", "1750"}, true, "SK Lund", 1750},
        {"no name", &kravs, {"", "SK Lund", "1750"}, false, "", 0},
        {"blank name", &kravs, {"   ", "SK Lund", "1750"}, false, "", 0},
        {"club missing", &kravs, {"Nils", "", "1750"}, false, "", 0},
        {"ranking missing", &kravs, {"Nils", "SK Lund", ""}, false, "", 0},
        // Read as registration reads it: 650 is no ranking, so it is missing.
        {"ranking out of range", &kravs, {"Nils", "SK Lund", "650"}, false, "", 0},
        {"team size", &lag, {"Lag 5", "SK Lund", "4"}, true, "SK Lund", 4},
        {"team size without custom scores", &kravs, {"Lag 5", "SK Lund", "4"}, false, "", 0},
        // Not in use: whatever is typed becomes "nej" and 0.
        {"neither in use", &fritt, {"Nils", "SK Lund", "1750"}, true, "nej", 0},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.namn);
        const auto post = nySpelarpost(*f.lage, f.typat);
        ASSERT_EQ(post.has_value(), f.godtagen);
        if (!post) continue;
        EXPECT_EQ(post->namn, f.typat.namn);
        EXPECT_EQ(post->klubb, f.klubb);
        EXPECT_EQ(post->ranking, f.ranking);
        EXPECT_EQ(post->elo, 0);
        EXPECT_EQ(post->egenkategori, 0);
    }
}

// Stores a late entry of `namn` into tournament 1 as the dialog's "&Verkställ" does.
bool lankaIn(const std::string& namn, const std::string& klubb = "", const std::string& ranking = "") {
    return spelarein(1, lasInlankningslage(1, false), NySpelare{namn, klubb, ranking});
}

TEST_F(Inlankning, MonradBeforeTheStartTheNewPlayerTakesTheByesNumber) {
    // Players 1..7 without clubs or rankings and registration's bye 8 (empty club).
    turnering(1, 0);
    auto start = registrerade(7);
    for (auto& s : start)
        s.klubb = store::isBye(s.namn) ? "" : "nej";
    store::writeAll("1.T", start);
    ASSERT_TRUE(lankaIn("Nils"));
    std::vector<spelarstructtva> sju(start.begin(), start.end() - 1);
    auto ny = sju;
    ny.push_back(sp(8, "Nils", "nej"));
    EXPECT_FILE_BYTES("1.T", tbild(ny));
    EXPECT_FILE_BYTES("INTEMP", tbild(sju)); // the file rebuilt without the bye
    // Eight players: the next one is 9, and the bye 10 ("nej") follows; nothing is rebuilt.
    ASSERT_TRUE(lankaIn("Olle"));
    ny.push_back(sp(9, "Olle", "nej"));
    ny.push_back(fri(10));
    EXPECT_FILE_BYTES("1.T", tbild(ny));
    EXPECT_FILE_BYTES("INTEMP", tbild(sju));
}

TEST_F(Inlankning, SwissBeforeTheStartThePlayerIsPlacedByRankingAndAllAreRenumbered) {
    // 1800, 1700, 1600, 1500 and a new 1750: he becomes 2, the others 1, 3, 4, 5, the bye 6.
    turnering(1, 1);
    store::writeAll("1.T", std::vector<spelarstructtva>{sp(1, "A", "K", 1800), sp(2, "B", "K", 1700),
                                                        sp(3, "C", "K", 1600), sp(4, "D", "K", 1500)});
    ASSERT_TRUE(lankaIn("Nils", "SK Lund", "1750"));
    const std::vector<spelarstructtva> fem = {sp(1, "A", "K", 1800), sp(2, "Nils", "SK Lund", 1750),
                                              sp(3, "B", "K", 1700), sp(4, "C", "K", 1600),
                                              sp(5, "D", "K", 1500)};
    auto medFri = fem;
    medFri.push_back(fri(6));
    EXPECT_FILE_BYTES("1.T", tbild(medFri));
    EXPECT_FILE_BYTES("INTEMP", tbild(fem));
    // An equal ranking goes after the players already there: 1600 after C, and the bye leaves.
    ASSERT_TRUE(lankaIn("Pia", "SK Lund", "1600"));
    const std::vector<spelarstructtva> sex = {sp(1, "A", "K", 1800),         sp(2, "Nils", "SK Lund", 1750),
                                              sp(3, "B", "K", 1700),         sp(4, "C", "K", 1600),
                                              sp(5, "Pia", "SK Lund", 1600), sp(6, "D", "K", 1500)};
    EXPECT_FILE_BYTES("1.T", tbild(sex));
}

TEST_F(Inlankning, SwissWithoutRankingsTheNewPlayerComesBeforeTheBye) {
    // Five unranked players and the bye 6: the new player is 6, with no gap and no bye after him.
    turnering(1, 1);
    auto start = registrerade(5);
    store::writeAll("1.T", start);
    ASSERT_TRUE(lankaIn("Nils", "K"));
    std::vector<spelarstructtva> ny(start.begin(), start.end() - 1);
    ny.push_back(sp(6, "Nils", "K"));
    EXPECT_FILE_BYTES("1.T", tbild(ny));
}

TEST_F(Inlankning, AfterTheStartNobodyIsRenumberedAndTheNewNumberIsUnused) {
    // Clubs are in use (every player has one), rankings not.
    turnering(1, 0);
    const auto start = registrerade(7);
    store::writeAll("1.T", start);
    store::writeAll("1.R", std::vector<partistruct>{parti(1, 2, 1), parti(1, 7, 8, resVitVinst, 4)});
    // The bye 8 leaves the file; the new player is 9 (its games against 8 stay the bye's).
    ASSERT_TRUE(lankaIn("Nils", "K"));
    std::vector<spelarstructtva> sju(start.begin(), start.end() - 1);
    auto ny = sju;
    ny.push_back(sp(9, "Nils"));
    EXPECT_FILE_BYTES("1.T", tbild(ny));
    EXPECT_FILE_BYTES("INTEMP", tbild(sju));
    // Eight players: the next is 10 and the bye 11 follows.
    ASSERT_TRUE(lankaIn("Olle", "K"));
    ny.push_back(sp(10, "Olle"));
    ny.push_back(fri(11));
    EXPECT_FILE_BYTES("1.T", tbild(ny));
}

TEST_F(Inlankning, AfterTheStartANumberTheGamesUsedIsNotGivenAgain) {
    // Eight players; a withdrawal made the field odd and the pairing gave a bye numbered 9.
    turnering(1, 0);
    const auto start = registrerade(8);
    store::writeAll("1.T", start);
    store::writeAll("1.R", std::vector<partistruct>{parti(2, 4, 9)});
    ASSERT_TRUE(lankaIn("Nils", "K"));
    auto ny = start;
    ny.push_back(sp(10, "Nils"));
    ny.push_back(fri(11));
    EXPECT_FILE_BYTES("1.T", tbild(ny));
    EXPECT_FALSE(std::filesystem::exists("INTEMP")); // only extended
}

TEST_F(Inlankning, ARefusalLeavesEveryFileAsItWas) {
    turnering(1, 1);
    store::writeAll("1.T", std::vector<spelarstructtva>{sp(1, "A", "K", 1800), sp(2, "B", "K", 1700)});
    store::writeAll("1.R", std::vector<partistruct>{parti(1, 1, 2)});
    const auto fore = mappen();
    EXPECT_FALSE(lankaIn("", "K", "1750"));
    EXPECT_FALSE(lankaIn("Nils", "", "1750"));
    EXPECT_FALSE(lankaIn("Nils", "K", "99"));
    EXPECT_EQ(mappen(), fore);
}

} // namespace
