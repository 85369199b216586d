#include "rank/results/angra.h"

#include "rank/results/partiresultat.h"
#include "store/files.h"

namespace rank {

std::string angraRad(const allastruct& parti) {
    return parti.namn + "   \t" + resultattext(parti.resultat) + "\t" + parti.datum;
}

Angra::Angra(std::string medlem) : medlem_(std::move(medlem)) {
    aa_ = store::touchAndReadAll<allastruct>(fil::ALLA);
    store::writeAll(fil::AA, aa_);
    for (std::size_t i = 0; i < aa_.size(); ++i)
        if (aa_[i].egenspelare == medlem_) {
            poster_.push_back(i);
            rader_.push_back(angraRad(aa_[i]));
        }
}

void Angra::taBort(int rad) {
    if (rad < 0 || static_cast<std::size_t>(rad) >= poster_.size()) return;
    const std::size_t post = poster_[static_cast<std::size_t>(rad)];
    aa_.erase(aa_.begin() + static_cast<std::ptrdiff_t>(post));
    poster_.erase(poster_.begin() + rad);
    rader_.erase(rader_.begin() + rad);
    for (auto& p : poster_)
        if (p > post) --p;
    store::rewriteThrough(fil::AA, fil::ALA, aa_);
}

void Angra::verkstall() const {
    store::writeAll(fil::ALLA, store::touchAndReadAll<allastruct>(fil::AA));
}

} // namespace rank
