#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "search/record_format.h"
#include "search/results_writer.h"

namespace gears {
namespace {

namespace fs = std::filesystem;

class ResultsWriterTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::path(testing::TempDir()) / "results_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string path(const char* name) const { return (dir_ / name).string(); }

  static std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path dir_;
};

struct Record {
  std::vector<double> wheels;
  double ratio;
};

// The record format itself, one record per line: what the writer's cached
// tooth texts must reproduce byte for byte.
std::string expectedFile(const std::vector<Record>& records, const char* symbol) {
  std::string out;
  for (const Record& r : records) {
    appendRecord(out, r.wheels.data(), static_cast<int>(r.wheels.size()), r.ratio, symbol);
    out += "\r\n";
  }
  return out;
}

TEST_F(ResultsWriterTest, FourWheelRecordBytes) {
  ResultsWriter writer;
  ASSERT_EQ(writer.create(path("r4.txt")), FileError::None);
  EXPECT_TRUE(writer.write(Train4{{20, 21, 21, 20}, 1}));
  EXPECT_TRUE(writer.write(Train4{{20, 60, 40, 40}, 1.0 / 3}));
  EXPECT_EQ(writer.close(), FileError::None);
  EXPECT_EQ(contents(path("r4.txt")),
            " 20 ; 21 ; 21 ; 20 ; 1 \r\n"
            " 20 ; 60 ; 40 ; 40 ; 0.333333333333333 \r\n");
}

TEST_F(ResultsWriterTest, SixWheelsCommaAndOddToothCounts) {
  ResultsWriter writer(",");
  ASSERT_EQ(writer.create(path("r6.txt")), FileError::None);
  EXPECT_TRUE(writer.write(Train6{{20, 40, 25, 50, 30, 60}, 0.125}));
  EXPECT_TRUE(writer.write(Train4{{25.5, 30, 40, 20}, 1.7}));
  EXPECT_TRUE(writer.write(Train4{{2, 401, 3, 400}, 0}));
  EXPECT_EQ(writer.close(), FileError::None);
  EXPECT_EQ(contents(path("r6.txt")),
            " 20 ; 40 ; 25 ; 50 ; 30 ; 60 ; 0,125 \r\n"
            " 25,5 ; 30 ; 40 ; 20 ; 1,7 \r\n"
            " 2 ; 401 ; 3 ; 400 ; 0 \r\n");
}

TEST_F(ResultsWriterTest, SameBytesAsTheRecordFormat) {
  std::vector<Record> records;
  // Enough records to cross the write buffer several times.
  for (int i = 0; i < 60000; ++i) {
    const double a = 3 + i % 398;
    const double b = 3 + (i * 7) % 398;
    const double c = (i % 5 == 0) ? 12.5 + i % 3 : 3 + (i * 13) % 398;
    const double d = 3 + (i * 31) % 398;
    records.push_back({{a, b, c, d}, c * a / b / d});
  }
  const double oddRatios[] = {1.0 / 3, 0.5, 1e-7, 2.5e-310, 123456789012345678.0, 3098.7777777777, 1e15, 1e16};
  for (double r : oddRatios) records.push_back({{20, 21, 22, 23, 24, 25}, r});

  for (const char* symbol : {".", ","}) {
    ResultsWriter writer(symbol);
    ASSERT_EQ(writer.create(path("many.txt")), FileError::None);
    for (const Record& r : records) ASSERT_TRUE(writer.writeRecord(r.wheels.data(), static_cast<int>(r.wheels.size()), r.ratio));
    ASSERT_EQ(writer.close(), FileError::None);
    EXPECT_TRUE(contents(path("many.txt")) == expectedFile(records, symbol)) << symbol;
  }
}

TEST_F(ResultsWriterTest, ReplacesAnOlderFileAndEmptyRunLeavesEmptyFile) {
  {
    std::ofstream(path("old.txt"), std::ios::binary) << "a much longer line than the new content\r\n";
  }
  ResultsWriter writer;
  ASSERT_EQ(writer.create(path("old.txt")), FileError::None);
  EXPECT_EQ(writer.close(), FileError::None);
  EXPECT_EQ(contents(path("old.txt")), "");
  EXPECT_EQ(writer.close(), FileError::None);
}

TEST_F(ResultsWriterTest, FolderInPlaceFailsAtCreate) {
  fs::create_directory(path("taken"));
  ResultsWriter writer;
  EXPECT_EQ(writer.create(path("taken")), FileError::IsDirectory);
  EXPECT_FALSE(writer.write(Train4{{20, 21, 21, 20}, 1}));
  EXPECT_EQ(writer.error(), FileError::IsDirectory);
  EXPECT_EQ(writer.close(), FileError::IsDirectory);
}

TEST_F(ResultsWriterTest, MissingFolderFailsAtCreate) {
  ResultsWriter writer;
  EXPECT_EQ(writer.create(path("nowhere/r.txt")), FileError::NotFound);
  EXPECT_EQ(writer.close(), FileError::NotFound);
}

TEST_F(ResultsWriterTest, FullDiskReportedAtCloseAtTheLatest) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  fs::create_symlink("/dev/full", path("full.txt"));
  ResultsWriter writer;
  ASSERT_EQ(writer.create(path("full.txt")), FileError::None);
  writer.write(Train4{{20, 21, 21, 20}, 1});
  EXPECT_EQ(writer.close(), FileError::DiskFull);
  EXPECT_EQ(writer.error(), FileError::DiskFull);
}

TEST_F(ResultsWriterTest, FullDiskStopsWritingOnceSeen) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  fs::create_symlink("/dev/full", path("full.txt"));
  ResultsWriter writer;
  ASSERT_EQ(writer.create(path("full.txt")), FileError::None);
  int accepted = 0;
  while (accepted < 1000000 && writer.write(Train6{{20, 21, 22, 23, 24, 25}, 1.0 / 3})) ++accepted;
  EXPECT_LT(accepted, 1000000);
  EXPECT_EQ(writer.error(), FileError::DiskFull);
  EXPECT_FALSE(writer.write(Train4{{20, 21, 21, 20}, 1}));
  EXPECT_EQ(writer.close(), FileError::DiskFull);
}

TEST_F(ResultsWriterTest, ReusableAfterAFailure) {
  ResultsWriter writer;
  EXPECT_EQ(writer.create(path("nowhere/r.txt")), FileError::NotFound);
  ASSERT_EQ(writer.create(path("r.txt")), FileError::None);
  EXPECT_TRUE(writer.write(Train4{{20, 21, 21, 20}, 1}));
  EXPECT_EQ(writer.close(), FileError::None);
  EXPECT_EQ(contents(path("r.txt")), " 20 ; 21 ; 21 ; 20 ; 1 \r\n");
}

}  // namespace
}  // namespace gears
