// A test hook in the file primitives: every step that changes a file on disk (a write, a flush to
// the disk, a rename, a truncation, a removal) calls it first, so that a test can stop the
// process at any one of them and check what a crash there would leave. Unset in the programs; a
// step then costs one test of a pointer.
#pragma once
#include <cstddef>

namespace store::crashpoint {

enum class Step { Write, Flush, Rename, Truncate, Remove };

// Called before the step. For a write, `fd`, `data` and `size` describe it (the hook may write
// part of it itself and stop, as a kill in the middle of the system call would); for the other
// steps they are -1, nullptr and 0.
using Hook = void (*)(Step step, int fd, const void* data, std::size_t size);

void install(Hook hook); // nullptr removes it

namespace detail {
extern Hook hook;
}

inline void before(Step step, int fd = -1, const void* data = nullptr, std::size_t size = 0) {
    if (detail::hook) detail::hook(step, fd, data, size);
}

} // namespace store::crashpoint
