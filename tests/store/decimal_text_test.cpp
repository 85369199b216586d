// The decimal number text: gcvt's form, and the same bytes as the C library's "%.*g" under the C
// locale over every value the programs write, whatever locale the process runs under.
#include "store/decimal_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "tests/support/locale.h"

using store::decimalText;

namespace {

std::string printfText(double value, int digits) {
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.*g", digits, value == 0 ? 0.0 : value);
    return buf;
}

TEST(DecimalText, SignificantDigitsLikeGcvt) {
    EXPECT_EQ("5.5", decimalText(5.5, 3));
    EXPECT_EQ("21", decimalText(21, 3));
    EXPECT_EQ("10.5", decimalText(10.5, 3));
    EXPECT_EQ("0", decimalText(0, 3));
    EXPECT_EQ("0", decimalText(-0.0, 3));
    EXPECT_EQ("-7.5", decimalText(-7.5, 3));
    EXPECT_EQ("12.3", decimalText(12.34, 3));
    EXPECT_EQ("0.125", decimalText(0.125, 10));
    EXPECT_EQ("1.23e+03", decimalText(1234, 3));
    EXPECT_EQ("0.0001", decimalText(0.0001, 3));
    EXPECT_EQ("1e-05", decimalText(0.00001, 3));
    EXPECT_EQ("100", decimalText(99.96, 3));
    EXPECT_EQ("1e+03", decimalText(999.6, 3)); // rounding carries into a fourth integer digit
    EXPECT_EQ("0.5", decimalText(0.5, 0));      // no digits asked is one, as in printf
}

// Points and kvalitet (halves, quarters, the 40 × points ÷ players of team values), rating
// changes and any other double: each text is exactly what "%.*g" gave under the C locale.
TEST(DecimalText, SameBytesAsPrintfUnderTheCLocale) {
    ScopedLocale c("C");
    ASSERT_TRUE(c.entered());
    int differing = 0;
    const auto compare = [&](const std::vector<double>& values, std::initializer_list<int> digitCounts) {
        for (int digits : digitCounts)
            for (double v : values) {
                const std::string expected = printfText(v, digits);
                const std::string actual = decimalText(v, digits);
                if (expected != actual && ++differing <= 10)
                    ADD_FAILURE() << "%." << digits << "g of " << printfText(v, 17) << ": " << expected
                                  << " but " << actual;
            }
    };
    // What the programs write, with the precisions they use (2, 3 and 10 digits).
    std::vector<double> written;
    for (int k = -200000; k <= 200000; ++k)
        written.push_back(k / 100.0); // hundredths from -2000 to 2000: halves and quarters among them
    for (int k = 1; k <= 4000; ++k)
        written.push_back(40.0 * k / 7); // team values with repeating decimals
    compare(written, {2, 3, 10});
    // Any other double at any precision.
    std::vector<double> any;
    std::mt19937_64 random(20);
    std::uniform_real_distribution<double> exponent(-12, 12);
    for (int k = 0; k < 20000; ++k)
        any.push_back((k % 2 ? -1 : 1) * std::pow(10.0, exponent(random)));
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int k = 0; k < 5000; ++k) {
        const std::uint64_t b = bits(random);
        double v;
        std::memcpy(&v, &b, sizeof v); // any bit pattern: tiny, huge, subnormal, NaN
        any.push_back(v);
    }
    for (double v : {std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(),
                     std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN(), 0.05, 0.15, 0.25, 0.35, 9.995, 99.95, 999.5})
        any.push_back(v);
    compare(any, {1, 2, 3, 4, 6, 10, 17, 25, 40});
    EXPECT_EQ(differing, 0);
}

TEST(DecimalText, FullStopUnderASwedishLocale) {
    ScopedLocale sv("sv_SE.UTF-8");
    if (!sv.entered()) GTEST_SKIP() << "sv_SE.UTF-8 is not installed (scripts/setup generates it)";
    ASSERT_EQ("0,5", printfText(0.5, 3)); // the C library now writes a decimal comma
    EXPECT_EQ("0.5", decimalText(0.5, 3));
    EXPECT_EQ("-12.3", decimalText(-12.34, 3));
    EXPECT_EQ("1.23e+03", decimalText(1234, 3));
}

} // namespace
