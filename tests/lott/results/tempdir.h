// A fresh working directory for tests that read and write the tournament files.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

class ArbetsmappTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tidigare_ = std::filesystem::current_path();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        mapp_ =
            std::filesystem::temp_directory_path() / ("lott-" + std::string(info->test_suite_name()) + "-" +
                                                      info->name() + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(mapp_);
        std::filesystem::create_directories(mapp_);
        std::filesystem::current_path(mapp_);
    }
    void TearDown() override {
        std::filesystem::current_path(tidigare_);
        std::filesystem::remove_all(mapp_);
    }

  private:
    std::filesystem::path tidigare_;
    std::filesystem::path mapp_;
};
