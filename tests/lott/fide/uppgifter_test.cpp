// Player and event details: the reporting name, the files' round trip and their damaged lines,
// which stored line belongs to which player, the checks of typed values, names without accents.
#include "lott/fide/uppgifter.h"

#include <filesystem>

#include "lott/fide/ascii_namn.h"
#include "store/files.h"
#include "tests/support/bytes.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(FideNamn, ReportingNameIsTheLastWordFirstAndBack) {
    const std::vector<std::tuple<std::string, std::string, std::string>> fall = {
        // name, reporting name, the name made from the reporting name again
        {"Anna Ek", "Ek, Anna", "Anna Ek"},
        {"Anna Maria  Ek ", "Ek, Anna Maria", "Anna Maria Ek"},
        {"Ek", "Ek", "Ek"},
        {"", "", ""},
    };
    for (const auto& [namn, rapport, tillbaka] : fall) {
        SCOPED_TRACE(namn);
        EXPECT_EQ(fide::rapportnamnAv(namn), rapport);
        EXPECT_EQ(fide::namnAvRapportnamn(rapport), tillbaka);
    }
}

TEST(FideNamn, AccentsAndSwedishLettersBecomeTheirBaseLetters) {
    const std::vector<std::pair<std::string, std::string>> fall = {
        {"Åsa Öberg-Ärlig", "Asa Oberg-Arlig"}, {"Émile Müller", "Emile Muller"}, {"Strauß", "Strauss"},
        {"Søren Ærø", "Soren AEro"},           {"Łukasz Dvořák", "Lukasz Dvorak"}, {"李", "?"},
        {"Ek, Anna", "Ek, Anna"},
    };
    for (const auto& [in, ut] : fall) {
        SCOPED_TRACE(in);
        EXPECT_EQ(fide::utanAccenter(in), ut);
    }
}

TEST(FideKontroll, TypedValuesAreCheckedAndEmptyIsAllowed) {
    struct Fall {
        std::string (*kontroll)(const std::string&);
        std::string varde;
        bool ok;
    };
    const std::vector<Fall> fall = {
        {fide::felIFideId, "1700001", true},  {fide::felIFideId, "17O0001", false},
        {fide::felIFideId, "123456789012", false}, {fide::felIFideId, "", true},
        {fide::felIDatum, "2024-02-29", true}, {fide::felIDatum, "2023-02-29", false},
        {fide::felIDatum, "2024-13-01", false}, {fide::felIDatum, "2024-4-01", false},
        {fide::felIDatum, "1900-02-29", false}, {fide::felIFodd, "2008", true},
        {fide::felIFodd, "2008-07", false},     {fide::felITitel, "WGM", true},
        {fide::felITitel, "gm", false},         {fide::felITitel, "NM", false},
        {fide::felIKon, "w", true},             {fide::felIKon, "k", false},
        {fide::felIFederation, "SWE", true},    {fide::felIFederation, "swe", false},
        {fide::felIElo, "2105", true},          {fide::felIElo, "999", false},
        {fide::felIElo, "21a5", false},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.varde);
        EXPECT_EQ(f.kontroll(f.varde).empty(), f.ok) << f.kontroll(f.varde);
    }
}

class FideFilTest : public ArbetsmappTest {};

spelarstructtva sp(int nr, const std::string& namn) {
    spelarstructtva s;
    s.nr = nr;
    s.namn = namn;
    return s;
}

TEST_F(FideFilTest, FilesRoundTripInWindows1252AndMissingMeansEmpty) {
    EXPECT_TRUE(fide::lasSpelaruppgifter(3).empty());
    EXPECT_EQ(fide::lasTurneringsuppgift(3), fide::TurneringsUppgift{});
    EXPECT_FALSE(std::filesystem::exists("3.FIDE")); // reading creates nothing

    const std::vector<fide::SpelarUppgift> upp = {
        {1, "Åsa Ek", "Ek, Åsa", "w", "WIM", 2210, "SWE", "1700001", "1990-01-02"},
        {2, "Bo\tBerg", "Berg, Bo", "", "", 0, "NOR", "", ""},
    };
    fide::skrivSpelaruppgifter(3, upp);
    const auto bytes = testbytes::fileBytes("3.FIDE");
    const std::string rad1 = "1\t\xC5sa Ek\tEk, \xC5sa\tw\tWIM\t2210\tSWE\t1700001\t1990-01-02\n";
    ASSERT_GE(bytes.size(), rad1.size());
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + static_cast<long>(rad1.size())), rad1);
    auto tillbaka = fide::lasSpelaruppgifter(3);
    ASSERT_EQ(tillbaka.size(), 2u);
    EXPECT_EQ(tillbaka[0], upp[0]);
    EXPECT_EQ(tillbaka[1].namn, "Bo Berg"); // a tab in a name cannot split the line

    fide::TurneringsUppgift t;
    t.stad = "Växjö";
    t.huvuddomare = "Lars = Nilsson";
    t.ronddatum = {{1, "2024-03-01"}, {12, "2024-03-12"}};
    fide::skrivTurneringsuppgift(3, t);
    EXPECT_EQ(fide::lasTurneringsuppgift(3), t);

    // A damaged line (no number, too few fields) is left out; the others are kept.
    const std::string skadad = "x\tA\n1\tB\tB\tm\t\t0\tSWE\t\t\n7\tkort\n";
    store::replaceBytes("3.FIDE", std::vector<std::uint8_t>(skadad.begin(), skadad.end()));
    ASSERT_EQ(fide::lasSpelaruppgifter(3).size(), 1u);
    EXPECT_EQ(fide::lasSpelaruppgifter(3)[0].namn, "B");
}

TEST_F(FideFilTest, StoredDetailsFollowThePlayerWhenStartNumbersChange) {
    const std::vector<fide::SpelarUppgift> lagrade = {
        {1, "Anna Ek", "Ek, Anna", "w", "", 0, "SWE", "11", ""},
        {2, "Bo Berg", "Berg, Bo", "m", "", 0, "SWE", "22", ""},
        {3, "Cia Berg", "Berg, Cia", "w", "", 0, "SWE", "33", ""},
        {4, "Cia Berg", "Berg, Cia", "w", "", 0, "SWE", "44", ""},
    };
    std::vector<elostructab> elo = {{5, 2150, "FM"}, {6, 1900, "Mästare"}};
    // Anna and Bo swapped places; two Cia Berg, neither at her old number; 5 and 6 are new.
    const auto ut = fide::uppgifterFor({sp(1, "Bo Berg"), sp(2, "Anna Ek"), sp(3, "Cia Berg"), sp(4, "Dan Ö"),
                                        sp(5, "Eva Ros"), sp(6, "Finn Al"), sp(7, "Frirond")},
                                       lagrade, elo);
    ASSERT_EQ(ut.size(), 6u); // the bye is no player
    EXPECT_EQ(ut[0].fideid, "22");
    EXPECT_EQ(ut[0].nr, 1);
    EXPECT_EQ(ut[1].fideid, "11");
    EXPECT_EQ(ut[2].fideid, "33"); // number and name both fit
    EXPECT_EQ(ut[3].fideid, "");
    EXPECT_EQ(ut[3].rapportnamn, "Ö, Dan");
    EXPECT_EQ(ut[3].federation, "SWE");
    EXPECT_EQ(ut[4].elo, 2150);
    EXPECT_EQ(ut[4].titel, "FM");
    EXPECT_EQ(ut[5].elo, 1900);
    EXPECT_EQ(ut[5].titel, ""); // not a FIDE title
}

TEST_F(FideFilTest, ARoundDateIsRecordedOnceAndKeptWhenEdited) {
    std::tm dag{};
    dag.tm_year = 124;
    dag.tm_mon = 2;
    dag.tm_mday = 7;
    fide::noteraRonddatum(2, 1, dag);
    EXPECT_EQ(fide::lasTurneringsuppgift(2).ronddatum.at(1), "2024-03-07");
    dag.tm_mday = 9;
    fide::noteraRonddatum(2, 1, dag); // paired again: the first date stays
    fide::noteraRonddatum(2, 2, dag);
    const auto t = fide::lasTurneringsuppgift(2);
    EXPECT_EQ(t.ronddatum.at(1), "2024-03-07");
    EXPECT_EQ(t.ronddatum.at(2), "2024-03-09");
}

} // namespace
