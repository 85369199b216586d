// Byte images written out by hand in tests: little-endian integers, doubles and padded text.
#pragma once
#include <bit>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace testbytes {

inline void le32(std::vector<std::uint8_t>& v, std::int32_t x) {
    const auto u = static_cast<std::uint32_t>(x);
    for (int i = 0; i < 4; ++i)
        v.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}
inline void le64(std::vector<std::uint8_t>& v, double d) {
    const auto u = std::bit_cast<std::uint64_t>(d);
    for (int i = 0; i < 8; ++i)
        v.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}
// `raw` holds the field's bytes as stored (Windows-1252), padded with NULs to `width`.
inline void field(std::vector<std::uint8_t>& v, const std::string& raw, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i)
        v.push_back(i < raw.size() ? static_cast<std::uint8_t>(raw[i]) : 0);
}

// Every byte of a file as it lies on disk; empty when it cannot be read.
inline std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace testbytes
