#include "lott/kommando.h"

#include "store/filenames.h"
#include "store/files.h"

namespace kommando {

void stang() {
    store::writeText(store::fil::STANGT, "0");
}

} // namespace kommando
