// Fuzz target: arbitrary bytes laid out as the rating program's directory, then every reader of its
// files and the Qt-free steps of rank run on it the way the main window and its dialogs run them:
// the member register and its extra files, the recalculation into "STEMP" and its commit, the
// ranking, floating and federation lists (with their HTML pages and the list window's layout), one
// member's report and the reports of every member, result entry and its commit, undoing a game,
// storing and removing a member.
//
// Input: four option bytes (period low and high byte, a variant, the member picked from "SPEL"),
// then files as [name byte][length, 2 bytes little-endian][content]; the name byte picks one of
// kFiler, and later files of the same name append.
#include <cstdint>
#include <cstring>
#include <fstream>

#include "rank/berakning/rankingberakna.h"
#include "rank/berakning/verkstallda_perioder.h"
#include "rank/kommando.h"
#include "rank/lists/listinnehall.h"
#include "rank/lists/listor.h"
#include "rank/lists/rankingrapport.h"
#include "rank/lists/rankingsortera.h"
#include "rank/lists/utskrifter.h"
#include "rank/rating/rank_records.h"
#include "rank/register/klubb.h"
#include "rank/register/medlem.h"
#include "rank/register/namn.h"
#include "rank/register/register.h"
#include "rank/results/angra.h"
#include "rank/results/resultatinmatning.h"
#include "rank/state.h"
#include "store/files.h"
#include "tests/fuzz/fuzz_stod.h"

namespace {

using namespace rank;

constexpr const char* kFiler[] = {fil::SPEL,   fil::ALLA, fil::TALLA,   fil::ELO, fil::MAIL,
                                  fil::ILISTA, fil::AKLUBB, fil::STANGT, fil::FONT, fil::STEMP,
                                  fil::ALA,    fil::TALA, fil::AA,      fil::VERKPER,
                                  fil::RANKINGUTSKRIFTER};

void laggUt(fuzzstod::Lasare& las) {
    while (!las.slut()) {
        const char* namn = kFiler[las.byte() % std::size(kFiler)];
        const std::uint16_t langd = las.u16();
        std::ofstream(namn, std::ios::binary | std::ios::app) << las.bytes(langd);
    }
}

template <class R> void lasPost(const std::string& fil) {
    // Every decoded record encodes again, and a rewritten record reads back as it was written: an
    // unterminated field is read to its end but stored cut, so only the second image must match the
    // first.
    for (const R& r : store::touchAndReadAll<R>(fil)) {
        std::uint8_t forsta[R::size], andra[R::size];
        r.encode(forsta);
        const R igen = R::decode(forsta);
        igen.encode(andra);
        if (std::memcmp(forsta, andra, R::size) != 0 || !(R::decode(andra) == igen)) std::abort();
    }
}

// The list window: the screen's layout of every page of a list, in each width class.
void visa(const Listinnehall& l, Listslag slag) {
    const std::size_t n = l.rader.size();
    for (auto klass : {Breddklass::Smal, Breddklass::Bred}) {
        const Typsnitt t = skarmtypsnitt(klass, n, slag == Listslag::Rapport ? 30 : 40);
        layoutSida(l, {0, n}, false, 800, t);
    }
    if (slag == Listslag::Ssflista)
        for (const auto& sida : ssfSidor(n))
            layoutSida(l, sida, sida.fran > 0, 600, Typsnitt{});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzstod::arbetsmapp();
    fuzzstod::tomMappen();
    fuzzstod::Lasare las(data, size);
    const int period = static_cast<std::int16_t>(las.u16());
    const int variant = las.byte();
    const int vald = las.byte();
    laggUt(las);

    // Every reader, each on its own file.
    fuzzstod::medFilfel([] {
        lasPost<spelarstruct>(fil::SPEL);
        lasPost<allastruct>(fil::ALLA);
        lasPost<tallastruct>(fil::TALLA);
        lasPost<elostruct>(fil::ELO);
        lasPost<mailstruct>(fil::MAIL);
        lasPost<medpalistastruct>(fil::ILISTA);
        lasPost<spelarstruct>(fil::STEMP);
        lasPost<allastruct>(fil::ALA);
        lasPost<tallastruct>(fil::TALA);
        lasPost<allastruct>(fil::AA);
        lasPost<verkstalldperiodstruct>(fil::VERKPER);
        kommando::upptagen();
        lasKlubbnamn();
        store::touchAndReadText(fil::FONT);
    });

    // The member the commands work on: one of the register, as the member choice offers them.
    std::string namn;
    fuzzstod::medFilfel([&] {
        const auto alla = spelarnamn();
        if (!alla.empty()) namn = alla[static_cast<std::size_t>(vald) % alla.size()];
        // The result dialog's lists keep their names in order as names are added.
        if (sorteradPlats(alla, namn) > alla.size()) std::abort();
        if (const auto s = hittaSpelare(namn)) {
            RankState st;
            st.valjSpelare(*s, finnsissflista(namn) == 1);
        }
        lasTillagg(namn);
    });

    // The lists and reports.
    fuzzstod::medFilfel([&] { visa(rankinglista(), Listslag::Rankinglista); });
    fuzzstod::medFilfel([&] { visa(federationslista(variant % 100), Listslag::Ssflista); });
    fuzzstod::medFilfel([&] { visa(rapportlista(namn, period), Listslag::Rapport); });
    fuzzstod::medFilfel([&] { skrivAllaRapporter(period); });
    fuzzstod::medFilfel([&] {
        RankState st;
        visa(flytandeRankinglista(st), Listslag::Rankinglista);
    });

    // The recalculation and its commit.
    fuzzstod::medFilfel([&] {
        rankingberaknaFiler(period);
        if (!periodenVerkstalld(period)) {
            verkstallRankingberakning(period);
        }
        rankingsortera(store::touchAndReadAll<spelarstruct>(fil::SPEL));
    });

    // Result entry: the latest game against an opponent of the lists fills the fields; the game and
    // a tournament change are confirmed and committed.
    fuzzstod::medFilfel([&] {
        const Inmatningslistor listor = oppnaInmatning();
        Partifalt f{"", "", "1500", variant % 2 ? "Remi" : "1-0", "", ""};
        if (!listor.motstandare.empty()) {
            const auto& mot = listor.motstandare[static_cast<std::size_t>(variant) % listor.motstandare.size()];
            if (const auto senast = senastePartiMot(mot)) {
                f.motstandare = senast->namn;
                f.klubb = senast->klubb;
                f.ranking = std::to_string(senast->ranking);
            }
        }
        if (const auto parti = bekraftaParti(namn, period, f)) noteraParti(*parti);
        const std::string turnering = listor.turneringar.empty() ? "" : listor.turneringar.front();
        if (const auto andring = bekraftaTurnering(namn, period, turnering, std::to_string(variant - 128)))
            noteraTurnering(*andring);
        verkstallResultat();
    });

    // Undo: one of the member's games taken out and committed.
    fuzzstod::medFilfel([&] {
        Angra angra(namn);
        if (!angra.rader().empty()) angra.taBort(variant % static_cast<int>(angra.rader().size()));
        angra.taBort(-1);
        angra.verkstall();
    });

    // The member dialog stores the member again, then the member is removed.
    fuzzstod::medFilfel([&] {
        const Medlemstillagg t = lasTillagg(namn);
        Medlemsfalt f{namn, "", std::to_string(1000 + variant), "", t.elo, t.mail, variant % 2 == 1, "", t.palista};
        sparaMedlem(true, namn, f);
        sparaMedlem(false, "", f);
        taBortSpelare(namn);
        spelarnamn();
    });
    return 0;
}
