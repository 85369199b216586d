// The main window's overview: what each tournament of a folder has reached, read from its files
// without creating any.
#include "lott/oversikt.h"

#include <filesystem>

#include "store/filenames.h"
#include "store/files.h"
#include "store/records.h"
#include "tests/lott/pairing/parning_hjalp.h"
#include "tests/support/temp_dir.h"

namespace {

class Oversikt : public ArbetsmappTest {};

turneringsstruct turnering(int nr, const char* namn, int ronder, int system) {
    turneringsstruct t;
    t.filnamnint = nr;
    t.tnamn = namn;
    t.antalronder = ronder;
    t.system = system;
    return t;
}

std::vector<spelarstructtva> spelare(std::initializer_list<const char*> namn) {
    std::vector<spelarstructtva> out;
    for (const char* n : namn) {
        spelarstructtva s;
        s.nr = static_cast<int>(out.size()) + 1;
        s.namn = n;
        out.push_back(s);
    }
    return out;
}

valfristruct valfritt(int turnnr, int rond) {
    valfristruct v;
    v.turnnr = turnnr;
    v.rond = rond;
    v.vit = 1;
    v.svart = 2;
    v.bord = 1;
    v.vitresultat = 2;
    v.svartresultat = 1;
    return v;
}

TEST_F(Oversikt, EachTournamentShowsItsSystemRoundsAndNextStep) {
    // 1: Monrad, 3 rounds planned, games of rounds 1 and 2 (stored out of order).
    // 2: Swiss-type; "SELN" says Nordisk schweizer first, then Schweizer (the last record wins);
    //    free scores, its rounds in "VALFRI.DAT" (1 and 2 of 2: finished); tournament 3's
    //    record of round 4 there is not its own.
    // 3: Swiss-type without a "SELN" record (Nordisk schweizer), 5 rounds, its start list only
    //    the bye: no players yet.
    store::writeAll(store::fil::TURN,
                    std::vector<turneringsstruct>{turnering(1, "Vårcup", 3, 0), turnering(2, "Lag-DM", 2, 1),
                                                  turnering(3, "Höstschweizer", 5, 1)});
    store::writeAll("1.T", spelare({"Anna", "Bo", "Cia", "Dan"}));
    using parning::test::parti; // white, black, result, round
    store::writeAll("1.R", std::vector<partistruct>{parti(1, 3, 1, 2), parti(1, 2, 1, 1), parti(2, 4, 3, 2)});
    store::writeAll("2.T", spelare({"Lag ett", "Lag två"}));
    store::writeAll(store::fil::SELN, std::vector<vilkenschweizerstruct>{{0, 2}, {1, 2}});
    store::writeAll(store::fil::POANGSYS, std::vector<poangsystem>{{4, 2}});
    store::writeAll(store::fil::VALFRI,
                    std::vector<valfristruct>{valfritt(2, 1), valfritt(3, 4), valfritt(2, 2)});
    store::writeAll("3.T", spelare({"Frirond"}));

    const struct {
        LottadRond lottad;
        const char* forsta; // next step of tournament 1
    } cases[] = {
        {{}, "Lotta rond 3 (Rondlista)"},
        {{1, 3}, "För in resultaten i rond 3 (Resultat senaste rond)"},
        // A round paired before results came in (2), or another tournament's round: not this one.
        {{1, 2}, "Lotta rond 3 (Rondlista)"},
        {{2, 3}, "Lotta rond 3 (Rondlista)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.forsta);
        const auto rader = turneringsoversikt(c.lottad);
        ASSERT_EQ(rader.size(), 3u);
        EXPECT_EQ(oversiktsceller(rader[0]),
                  (std::vector<std::string>{"Vårcup", "Monrad", "2 av 3", c.forsta}));
        EXPECT_EQ(oversiktsceller(rader[1]),
                  (std::vector<std::string>{"Lag-DM", "Schweizer", "2 av 2", "Klar (Slutrapport)"}));
        EXPECT_EQ(oversiktsceller(rader[2]), (std::vector<std::string>{"Höstschweizer", "Nordisk schweizer",
                                                                       "0 av 5", "Skriv in spelare"}));
    }
}

TEST_F(Oversikt, LookingCreatesNoFile) {
    // An empty folder has no rows, and a tournament whose other files are all missing still
    // gets its row; neither creates a file.
    EXPECT_TRUE(turneringsoversikt({}).empty());
    store::writeAll(store::fil::TURN, std::vector<turneringsstruct>{turnering(1, "Vårcup", 3, 0)});
    const auto rader = turneringsoversikt({});
    ASSERT_EQ(rader.size(), 1u);
    EXPECT_EQ(rader[0].nastaSteg, "Skriv in spelare");
    std::vector<std::string> filer;
    for (const auto& f : std::filesystem::directory_iterator("."))
        filer.push_back(f.path().filename().string());
    EXPECT_EQ(filer, std::vector<std::string>{"TURN"});
}

} // namespace
