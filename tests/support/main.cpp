// The core tests take their locale from the environment as every program does when Qt starts, so
// that scripts/test's pass under a Swedish locale runs them as on a Swedish desktop.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
