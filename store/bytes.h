// Little-endian field readers and writers for fixed-layout records.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace store {

// Writes fields one after the other into a record image.
class ByteWriter {
  public:
    explicit ByteWriter(std::uint8_t* out) : p_(out) {}
    void int32(std::int32_t v);
    void float64(double v);
    // A text field of `width` bytes: the UTF-8 text in Windows-1252, cut to width-1 bytes,
    // NUL-terminated and zero-padded.
    void text(const std::string& utf8, std::size_t width);

  private:
    std::uint8_t* p_;
};

// Reads fields one after the other from a record image.
class ByteReader {
  public:
    explicit ByteReader(const std::uint8_t* in) : p_(in) {}
    std::int32_t int32();
    double float64();
    // A text field of `width` bytes, up to its NUL or the field's end, whichever comes first.
    std::string text(std::size_t width);

  private:
    const std::uint8_t* p_;
};

} // namespace store
