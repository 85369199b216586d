#include "lott/pairing/motestabell.h"

namespace parning {

Motestabell::Motestabell(const std::vector<std::int32_t>& nummer, const PartiIndex& partier) {
    borjan_.reserve(nummer.size() + 1);
    for (std::int32_t nr : nummer) {
        borjan_.push_back(motstand_.size());
        for (const partistruct& p : partier.partier(nr)) {
            const bool vit = p.vit == nr;
            motstand_.push_back(Motstand{vit ? p.svart : p.vit, vit, p.svart == nr});
        }
    }
    borjan_.push_back(motstand_.size());
}

// The upper player's games against the lower one: white in any of them makes OvreVit; otherwise
// black in any of them (the lower player white) makes UndreVit.
Mote Motestabell::mote(std::int32_t undreNr, int ovre) const {
    const auto i = static_cast<std::size_t>(ovre);
    bool somSvart = false;
    for (std::size_t m = borjan_[i]; m < borjan_[i + 1]; ++m) {
        const Motstand& d = motstand_[m];
        if (d.nr != undreNr) continue;
        if (d.somVit) return Mote::OvreVit;
        somSvart = somSvart || d.somSvart;
    }
    return somSvart ? Mote::UndreVit : Mote::Nytt;
}

} // namespace parning
