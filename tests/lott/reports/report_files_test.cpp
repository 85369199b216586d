// The report files on disk: folder created when missing, Windows-1252 bytes, safe names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "lott/reports/html_report.h"
#include "tests/lott/reports/report_fixtures.h"

using namespace reports;
using namespace reports::testing;
namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

class ReportFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("report_files_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        old_ = fs::current_path();
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(old_);
        fs::remove_all(dir_);
    }
    fs::path dir_, old_;
};

const std::string data = TEST_DATA_DIR "/reports/";

TEST_F(ReportFiles, ParticipantPageIsWrittenInWindows1252IntoANewFolder) {
    ReportInput in;
    in.vilkpaint = kDeltagare;
    in.tnamn = "Vår-cup 2/3";
    in.spelare = {player(1, "Åsa Öberg", "SK Älgen"), player(2, "Per Lind", "nej"), player(3, "Frirond", "")};
    writeReportFiles(in);
    const fs::path page = fs::path("lottutskrifter") / "Vår_cup 2_3_deltagarlista.htm";
    ASSERT_TRUE(fs::exists(page));
    EXPECT_TRUE(sameText(bytesOf(data + "var_cup_deltagarlista.htm"), bytesOf(page)));
    EXPECT_FALSE(fs::exists(fs::path("lottutskrifter") / "Vår-cup 2_3.txt")); // only the final report
}

TEST_F(ReportFiles, FinalReportLeavesPageAndTextFileInsideTheFolder) {
    ReportInput in;
    in.vilkpaint = kSlutrapport;
    in.tnamn = "Vår-cup 2/3";
    in.valdrond = 2;
    in.stallning = {row(1, "Åsa Öberg", "SK Älgen", 1.5, 1), row(2, "Per Lind", "nej", 0.5, 1.5)};
    in.partier = {game(1, 1, 1, 2, resVitVinst), game(2, 1, 2, 1, resRemi)};
    fs::create_directories("lottutskrifter"); // an existing folder is no error
    writeReportFiles(in);
    EXPECT_TRUE(fs::exists(fs::path("lottutskrifter") / "Vår_cup 2_3.htm"));
    EXPECT_TRUE(sameText(bytesOf(data + "var_cup_slutrapport.txt"),
                         bytesOf(fs::path("lottutskrifter") / "Vår-cup 2_3.txt")));
    // Nothing escaped the folder: the only entries are the two files.
    EXPECT_EQ(2, std::distance(fs::directory_iterator("lottutskrifter"), fs::directory_iterator()));
    EXPECT_EQ(1, std::distance(fs::directory_iterator("."), fs::directory_iterator()));

    // Written again, the files are replaced, not appended to.
    writeReportFiles(in);
    EXPECT_TRUE(sameText(bytesOf(data + "var_cup_slutrapport.txt"),
                         bytesOf(fs::path("lottutskrifter") / "Vår-cup 2_3.txt")));
}

TEST_F(ReportFiles, UnwritableFolderIsTheFatalFileError) {
    std::ofstream("lottutskrifter") << "a file in the folder's place";
    ReportInput in;
    EXPECT_EXIT(writeReportFiles(in), ::testing::ExitedWithCode(1), "Cannot open output file.");
}

} // namespace
