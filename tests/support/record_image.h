// A record codec against its byte image written out by hand: the writer must produce exactly the
// image (the first differing byte is named) and the reader must parse it back to the same record.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace testbytes {

template <class R> void expectImage(const R& record, const std::vector<std::uint8_t>& image) {
    ASSERT_EQ(image.size(), R::size) << "hand-written image has the wrong size";
    std::vector<std::uint8_t> written(R::size, 0xEE);
    record.encode(written.data());
    for (std::size_t i = 0; i < R::size; ++i)
        ASSERT_EQ(written[i], image[i]) << "first difference at byte " << i;
    EXPECT_EQ(R::decode(image.data()), record);
}

} // namespace testbytes
