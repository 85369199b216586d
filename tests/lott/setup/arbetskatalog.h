// Test helpers for the set-up steps: a fresh working directory per test, and record images
// written out by hand so that the files the steps leave can be compared byte for byte.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Runs each test in an empty temporary directory, the way lott works in its tournament directory.
class Arbetskatalog : public ::testing::Test {
  protected:
    void SetUp() override {
        hem_ = std::filesystem::current_path();
        char mall[] = "/tmp/lott-setup-XXXXXX";
        ASSERT_NE(::mkdtemp(mall), nullptr);
        katalog_ = mall;
        std::filesystem::current_path(katalog_);
    }
    void TearDown() override {
        std::filesystem::current_path(hem_);
        std::filesystem::remove_all(katalog_);
    }

  private:
    std::filesystem::path hem_, katalog_;
};

inline Bytes filBytes(const std::string& namn) {
    std::ifstream in(namn, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void skrivFil(const std::string& namn, const Bytes& b) {
    std::ofstream ut(namn, std::ios::binary);
    ut.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// A record image, field by field.
class Bild {
  public:
    Bild& i32(std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int k = 0; k < 4; ++k)
            b_.push_back(static_cast<std::uint8_t>(u >> (8 * k)));
        return *this;
    }
    // Raw Windows-1252 bytes, zero-padded to the field width.
    Bild& text(const std::string& cp1252, std::size_t bredd) {
        for (std::size_t k = 0; k < bredd; ++k)
            b_.push_back(k < cp1252.size() ? static_cast<std::uint8_t>(cp1252[k]) : 0);
        return *this;
    }
    Bild& plus(const Bild& annan) {
        b_.insert(b_.end(), annan.b_.begin(), annan.b_.end());
        return *this;
    }
    const Bytes& bytes() const { return b_; }

  private:
    Bytes b_;
};

inline Bild spelarBild(int nr, const std::string& namn, const std::string& klubb, int ranking, int elo = 0,
                       int egen = 0) {
    return Bild().i32(nr).text(namn, 30).text(klubb, 30).i32(ranking).i32(elo).i32(egen);
}

// The first differing offset, for readable failures.
inline std::string forstaSkillnad(const Bytes& a, const Bytes& b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    if (i == a.size() && i == b.size()) return "equal";
    return "first difference at byte " + std::to_string(i) + " (sizes " + std::to_string(a.size()) + " and " +
           std::to_string(b.size()) + ")";
}

#define EXPECT_FILE_BYTES(namn, bild)                                                                        \
    do {                                                                                                     \
        const Bytes faktisk_ = filBytes(namn);                                                               \
        const Bytes vantad_ = (bild).bytes();                                                                \
        EXPECT_TRUE(faktisk_ == vantad_) << (namn) << ": " << forstaSkillnad(faktisk_, vantad_);             \
    } while (0)
