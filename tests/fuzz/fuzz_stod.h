// What every fuzz target shares: a private working directory (the store works relative to the
// current directory), emptied before each input, and the fatal file error turned into an
// ordinary outcome. "Cannot open output file." is how the programs answer a file that must exist
// and does not; a target counts it as a handled input, not as a crash.
#pragma once
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "store/fatal.h"

namespace fuzzstod {

struct Filfel {};

// Creates the working directory once and moves into it: in memory where the system has such a
// file system, since every rewrite of the store is flushed to disk.
inline void arbetsmapp() {
    static const bool klar = [] {
        std::error_code fel;
        const std::filesystem::path shm = "/dev/shm";
        const auto bas =
            std::filesystem::is_directory(shm, fel) ? shm : std::filesystem::temp_directory_path();
        std::string mall = (bas / "lott-fuzz-XXXXXX").string();
        if (!::mkdtemp(mall.data())) std::abort();
        std::filesystem::current_path(mall);
        return true;
    }();
    (void)klar;
}

// Removes everything the previous input left in the working directory.
inline void tomMappen() {
    for (const auto& post : std::filesystem::directory_iterator(std::filesystem::current_path()))
        std::filesystem::remove_all(post.path());
}

// Runs `steg`; a fatal file error inside it ends only this step.
template <class Steg> void medFilfel(Steg steg) {
    store::setFatalFileErrorHook([] { throw Filfel{}; });
    try {
        steg();
    } catch (const Filfel&) {
    }
    store::setFatalFileErrorHook(nullptr);
}

// Reads bytes off the front of the input.
class Lasare {
  public:
    Lasare(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool slut() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::uint16_t u16() { return static_cast<std::uint16_t>(byte() | (byte() << 8)); }
    std::string bytes(std::size_t n) {
        n = std::min(n, size_ - std::min(at_, size_));
        std::string s(reinterpret_cast<const char*>(data_ + at_), n);
        at_ += n;
        return s;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

} // namespace fuzzstod
