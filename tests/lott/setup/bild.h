// Test helpers for the set-up steps: record images written out by hand so that the files the
// steps leave can be compared byte for byte, in the shared working-directory fixture.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/bytes.h"
#include "tests/support/temp_dir.h"

using Bytes = std::vector<std::uint8_t>;

inline void skrivFil(const std::string& namn, const Bytes& b) {
    std::ofstream ut(namn, std::ios::binary);
    ut.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// A record image, field by field.
class Bild {
  public:
    Bild& i32(std::int32_t v) {
        testbytes::le32(b_, v);
        return *this;
    }
    Bild& f64(double v) {
        testbytes::le64(b_, v);
        return *this;
    }
    // Raw Windows-1252 bytes, zero-padded to the field width.
    Bild& text(const std::string& cp1252, std::size_t bredd) {
        testbytes::field(b_, cp1252, bredd);
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
        const Bytes faktisk_ = testbytes::fileBytes(namn);                                                   \
        const Bytes vantad_ = (bild).bytes();                                                                \
        EXPECT_TRUE(faktisk_ == vantad_) << (namn) << ": " << forstaSkillnad(faktisk_, vantad_);             \
    } while (0)
