#include "store/crashpoint.h"

namespace store::crashpoint {

namespace detail {
Hook hook = nullptr;
}

void install(Hook hook) {
    detail::hook = hook;
}

} // namespace store::crashpoint
