#include "lott/pairing/schweizer.h"

#include "lott/pairing/farger.h"
#include "lott/pairing/fargindex.h"
#include "lott/pairing/schweizer_runda1.h"
#include "lott/pairing/schweizer_senare.h"

namespace parning {

std::optional<Parlista> schweizerRunda1(const std::vector<spelarstructtva>& startlista, bool riktigschweizer,
                                        int turnnr) {
    auto lista = schweizera(startlista);
    if (!lista || !riktigschweizer) return lista;
    schweizerfargera(*lista, turnnr);
    frirondsvart(*lista);
    return lista;
}

std::optional<Parlista> schweizerSenare(const std::vector<spelarstructtvac>& lskicka,
                                        const std::vector<partistruct>& partier, int valdrond,
                                        bool riktigschweizer) {
    auto lista = schweizerb(lskicka, partier, valdrond);
    if (!lista) return lista;
    if (riktigschweizer) schweizerfargerb(*lista, Fargindex(partier));
    frirondsvart(*lista);
    return lista;
}

} // namespace parning
