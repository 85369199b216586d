// A fresh, empty working directory for a test that reads and writes the tournament files.
#pragma once
#include <filesystem>
#include <random>
#include <string>

namespace parning::test {

class Arbetskatalog {
  public:
    Arbetskatalog() : tidigare_(std::filesystem::current_path()) {
        std::random_device rd;
        katalog_ = std::filesystem::temp_directory_path() /
                   ("parning-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(katalog_);
        std::filesystem::current_path(katalog_);
    }
    ~Arbetskatalog() {
        std::filesystem::current_path(tidigare_);
        std::error_code ec;
        std::filesystem::remove_all(katalog_, ec);
    }
    Arbetskatalog(const Arbetskatalog&) = delete;
    Arbetskatalog& operator=(const Arbetskatalog&) = delete;

  private:
    std::filesystem::path tidigare_;
    std::filesystem::path katalog_;
};

} // namespace parning::test
