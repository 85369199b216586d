// Stopping a command at each of its file steps in turn: the command runs in a child process that
// ends (_exit, as a kill would leave it) just before its k-th write, flush, rename, truncation or
// removal, so the parent can look at what a crash at that moment leaves on disk.
#pragma once
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "store/crashpoint.h"

namespace crashsweep {

inline constexpr int kStoppad = 86;

namespace detail {
inline int kvar = 0;
inline void stoppa(store::crashpoint::Step, int, const void*, std::size_t) {
    if (--kvar == 0) ::_exit(kStoppad);
}
// The exit status of `steg` run in a child; a child that did not exit counts as -1.
inline int iBarn(const std::function<void()>& steg) {
    std::fflush(nullptr);
    const pid_t barn = ::fork();
    if (barn < 0) return -1;
    if (barn == 0) {
        steg();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(barn, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
} // namespace detail

enum class Utfall { Stoppad, Klar, Fel };

// Runs `kommando` stopped before its k-th step (k from 1). Klar: it has fewer than k steps.
inline Utfall korStoppad(int k, const std::function<void()>& kommando) {
    const int status = detail::iBarn([&] {
        detail::kvar = k;
        store::crashpoint::install(detail::stoppa);
        kommando();
    });
    if (status == kStoppad) return Utfall::Stoppad;
    return status == 0 ? Utfall::Klar : Utfall::Fel;
}

// True when `steg` runs to its end in a child (a file error would end it with status 1).
inline bool lyckas(const std::function<void()>& steg) {
    return detail::iBarn(steg) == 0;
}

// Copies every file of `fran` (one level of subfolders too) into `till`, which is created.
inline void kopiera(const std::filesystem::path& fran, const std::filesystem::path& till) {
    std::filesystem::create_directories(till);
    std::filesystem::copy(fran, till,
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
}

} // namespace crashsweep
