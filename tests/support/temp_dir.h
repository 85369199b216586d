// A fresh temporary working directory for the duration of a test: the store works relative to
// the current directory, so tests that touch files run inside one of these.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

class TempDir {
  public:
    TempDir() : old_(std::filesystem::current_path()) {
        std::string templ = (std::filesystem::temp_directory_path() / "lott-test-XXXXXX").string();
        if (!::mkdtemp(templ.data())) std::abort();
        path_ = templ;
        std::filesystem::current_path(path_);
    }
    ~TempDir() {
        std::filesystem::current_path(old_);
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path old_;
    std::filesystem::path path_;
};

// A test fixture whose every test runs in its own TempDir, the way lott works in its tournament
// directory.
class ArbetsmappTest : public ::testing::Test {
  protected:
    void SetUp() override { mapp_.emplace(); }
    void TearDown() override { mapp_.reset(); }

  private:
    std::optional<TempDir> mapp_;
};
