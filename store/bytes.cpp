#include "store/bytes.h"

#include <bit>
#include <cstring>

#include "store/text.h"

namespace store {

void ByteWriter::int32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        *p_++ = static_cast<std::uint8_t>(u >> (8 * i));
}

void ByteWriter::float64(double v) {
    const auto u = std::bit_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i)
        *p_++ = static_cast<std::uint8_t>(u >> (8 * i));
}

void ByteWriter::text(const std::string& utf8, std::size_t width) {
    std::string bytes = toCp1252(utf8);
    if (bytes.size() > width - 1) bytes.resize(width - 1);
    std::memset(p_, 0, width);
    std::memcpy(p_, bytes.data(), bytes.size());
    p_ += width;
}

std::int32_t ByteReader::int32() {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(*p_++) << (8 * i);
    return static_cast<std::int32_t>(u);
}

double ByteReader::float64() {
    std::uint64_t u = 0;
    for (int i = 0; i < 8; ++i)
        u |= static_cast<std::uint64_t>(*p_++) << (8 * i);
    return std::bit_cast<double>(u);
}

std::string ByteReader::text(std::size_t width) {
    std::size_t n = 0;
    while (n < width && p_[n] != 0)
        ++n;
    std::string out = fromCp1252(std::string_view(reinterpret_cast<const char*>(p_), n));
    p_ += width;
    return out;
}

} // namespace store
