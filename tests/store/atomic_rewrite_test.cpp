// A rewrite killed at any moment leaves the target holding its old or its new records, whole.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "store/files.h"
#include "store/records.h"
#include "tests/support/temp_dir.h"

using namespace store;

namespace {

std::vector<partistruct> games(int count, int rond) {
    std::vector<partistruct> out;
    for (int i = 0; i < count; ++i)
        out.push_back({2 * i + 1, 2 * i + 2, i + 1, 1 + i % 3, rond});
    return out;
}

} // namespace

TEST(AtomicRewrite, AKilledRewriteNeverLeavesAPartialFile) {
    TempDir dir;
    // Two contents of different sizes, large enough that a write takes a while.
    const auto oldGames = games(3000, 1);
    const auto newGames = games(2000, 2);
    writeAll("1.R", oldGames);

    std::mt19937 rng(12345);
    for (int attempt = 0; attempt < 40; ++attempt) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int k = 0;; ++k)
                rewriteThrough("1.R", "TEMPF", k % 2 ? oldGames : newGames);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200 + rng() % 20000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        const auto now = readAll<partistruct>("1.R");
        ASSERT_TRUE(now == oldGames || now == newGames)
            << "attempt " << attempt << ": the file holds " << now.size() << " records";
    }
}
