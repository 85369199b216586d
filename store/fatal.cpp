#include "store/fatal.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace store {
namespace {
std::function<void()>& hook() {
    static std::function<void()> h;
    return h;
}
} // namespace

void setFatalFileErrorHook(std::function<void()> h) {
    hook() = std::move(h);
}

void fatalFileError() {
    std::fputs("Cannot open output file.\n", stderr);
    std::fflush(stderr);
    if (auto h = std::exchange(hook(), nullptr)) h();
    std::exit(1);
}

} // namespace store
