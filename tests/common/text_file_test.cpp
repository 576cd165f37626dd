#include "common/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace gears {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;
using namespace std::string_literals;

std::vector<std::string> readAllLines(const std::string& path) {
  TextFileReader reader;
  EXPECT_EQ(reader.open(path), FileError::None);
  std::vector<std::string> lines;
  std::string line;
  while (reader.readLine(line)) lines.push_back(line);
  EXPECT_EQ(reader.error(), FileError::None);
  EXPECT_FALSE(reader.readLine(line));  // stays at the end
  return lines;
}

struct LineCase {
  std::string name;
  std::string bytes;
  std::vector<std::string> lines;
};

class ReadLineTable : public ::testing::TestWithParam<LineCase> {};

TEST_P(ReadLineTable, SplitsLines) {
  TempDir dir;
  const std::string path = dir.file("liste disponible.txt");
  writeBytes(path, GetParam().bytes);
  EXPECT_EQ(readAllLines(path), GetParam().lines);
}

const LineCase kLineCases[] = {
    {"Empty", "", {}},
    {"Unterminated", "20", {"20"}},
    {"FinalCrLf", "20\r\n", {"20"}},
    {"CrLf", "20\r\n30\r\n30\r\n127\r\n", {"20", "30", "30", "127"}},
    {"LoneCr", "20\r30\r", {"20", "30"}},
    {"Lf", "20\n30\n", {"20", "30"}},
    {"Mixed", "20\r\n30\r40\n50", {"20", "30", "40", "50"}},
    {"EmptyMiddleLine", "20\r\n\r\n30\r\n", {"20", "", "30"}},
    {"EmptyLastLine", "20\r\n\r\n", {"20", ""}},
    {"OnlyCrLf", "\r\n", {""}},
    {"OnlyCr", "\r", {""}},
    {"TwoLf", "\n\n", {"", ""}},
    {"LfCr", "a\n\rb", {"a", "", "b"}},
    {"CrCrLf", "a\r\r\nb", {"a", "", "b"}},
    {"BlanksKept", " 36 \r\n", {" 36 "}},
    {"NulKept", "4\0" "0\r\n"s, {"4\0" "0"s}},
    {"HighBytesKept", "40 \xE9\x80\r\n", {"40 \xE9\x80"}},
};

INSTANTIATE_TEST_SUITE_P(Files, ReadLineTable, ::testing::ValuesIn(kLineCases),
                         [](const auto& info) { return info.param.name; });

TEST(TextFileReader, ReadsATenMegabyteLine) {
  TempDir dir;
  const std::string path = dir.file("big.txt");
  std::string big(10 * 1024 * 1024, '7');
  writeBytes(path, big + "\r\n8");
  const auto lines = readAllLines(path);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], big);
  EXPECT_EQ(lines[1], "8");
}

TEST(TextFileReader, ReportsMissingFileAndFolder) {
  TempDir dir;
  TextFileReader reader;
  EXPECT_EQ(reader.open(dir.file("absent.txt")), FileError::NotFound);
  EXPECT_EQ(reader.error(), FileError::NotFound);
  std::string line = "stale";
  EXPECT_FALSE(reader.readLine(line));
  EXPECT_EQ(line, "");

  std::filesystem::create_directory(dir.file("liste disponible.txt"));
  EXPECT_EQ(reader.open(dir.file("liste disponible.txt")), FileError::IsDirectory);
  EXPECT_FALSE(reader.readLine(line));

  // The same reader opens a good file afterwards.
  writeBytes(dir.file("ok.txt"), "1\r\n");
  EXPECT_EQ(reader.open(dir.file("ok.txt")), FileError::None);
  EXPECT_EQ(reader.error(), FileError::None);
  ASSERT_TRUE(reader.readLine(line));
  EXPECT_EQ(line, "1");
}

// Only regular files are read: a device would give one endless line, and a
// named pipe with no writer would block the window at open.
TEST(TextFileReader, RefusesDevicesAndPipesWithoutBlocking) {
  TempDir dir;
  std::filesystem::create_symlink("/dev/zero", dir.file("zero.txt"));
  ASSERT_EQ(::mkfifo(dir.file("pipe.txt").c_str(), 0600), 0);
  for (const char* name : {"zero.txt", "pipe.txt"}) {
    TextFileReader reader;
    EXPECT_EQ(reader.open(dir.file(name)), FileError::Other) << name;
    std::string line;
    EXPECT_FALSE(reader.readLine(line)) << name;
  }
}

TEST(TextFileReader, ReadErrorIsNotEndOfFile) {
  // Reading this process's memory at offset 0 fails with EIO.
  TextFileReader reader;
  ASSERT_EQ(reader.open("/proc/self/mem"), FileError::None);
  std::string line;
  EXPECT_FALSE(reader.readLine(line));
  EXPECT_EQ(reader.error(), FileError::Other);
}

TEST(TextFileReader, ReadsNothingWhenClosed) {
  TextFileReader reader;
  std::string line;
  EXPECT_FALSE(reader.readLine(line));
  reader.close();
  reader.close();
}

TEST(TextFileWriter, WritesExactBytes) {
  TempDir dir;
  const std::string path = dir.file("rapports_orbanelles4.txt");
  writeBytes(path, std::string(5000, 'x'));  // older, longer content is replaced
  TextFileWriter writer;
  ASSERT_EQ(writer.create(path), FileError::None);
  EXPECT_TRUE(writer.isOpen());
  writer.writeLine(" 20 ; 21 ; 21 ; 20 ; 1.1025 ");
  writer.write("ab");
  writer.write("");
  writer.writeLine("");
  writer.writeLine("\xE9\0z"s);
  EXPECT_EQ(writer.close(), FileError::None);
  EXPECT_FALSE(writer.isOpen());
  EXPECT_EQ(readBytes(path), " 20 ; 21 ; 21 ; 20 ; 1.1025 \r\nab\r\n\xE9\0z\r\n"s);
}

TEST(TextFileWriter, EmptyRunLeavesEmptyFile) {
  TempDir dir;
  const std::string path = dir.file("serie_orbanelles4.txt");
  writeBytes(path, "old\r\n");
  TextFileWriter writer;
  ASSERT_EQ(writer.create(path), FileError::None);
  EXPECT_EQ(writer.close(), FileError::None);
  EXPECT_EQ(readBytes(path), "");
  EXPECT_TRUE(std::filesystem::exists(path));
}

TEST(TextFileWriter, WritesMoreThanItsBuffer) {
  TempDir dir;
  const std::string path = dir.file("big.txt");
  TextFileWriter writer;
  ASSERT_EQ(writer.create(path), FileError::None);
  std::string expected;
  for (int i = 0; i < 100000; ++i) {
    std::string line = " ";
    line += std::to_string(i);
    line += " ; 1 ";
    writer.writeLine(line);
    expected += line;
    expected += "\r\n";
  }
  writer.write(std::string(3 * 1024 * 1024, 'y'));
  expected += std::string(3 * 1024 * 1024, 'y');
  EXPECT_EQ(writer.close(), FileError::None);
  EXPECT_EQ(readBytes(path), expected);
}

TEST(TextFileWriter, FolderInThePlaceOfTheFile) {
  TempDir dir;
  const std::string path = dir.file("rapports_orbanelles6.txt");
  std::filesystem::create_directory(path);
  TextFileWriter writer;
  EXPECT_EQ(writer.create(path), FileError::IsDirectory);
  EXPECT_FALSE(writer.isOpen());
  writer.writeLine("20");  // harmless
  EXPECT_EQ(writer.close(), FileError::IsDirectory);
}

TEST(TextFileWriter, MissingFolder) {
  TempDir dir;
  TextFileWriter writer;
  EXPECT_EQ(writer.create(dir.file("absent/x.txt")), FileError::NotFound);
  writeBytes(dir.file("plain"), "");
  EXPECT_EQ(writer.create(dir.file("plain/x.txt")), FileError::NotFound);  // ENOTDIR
}

TEST(TextFileWriter, FullDiskIsReportedAtCloseAtTheLatest) {
  TempDir dir;
  const std::string path = dir.file("serie_orbanelles6.txt");
  std::filesystem::create_symlink("/dev/full", path);
  TextFileWriter writer;
  ASSERT_EQ(writer.create(path), FileError::None);
  writer.writeLine(" 20 ; 21 ; 21 ; 20 ; 1.1025 ");
  EXPECT_EQ(writer.close(), FileError::DiskFull);
  EXPECT_EQ(writer.error(), FileError::DiskFull);
  EXPECT_EQ(writer.close(), FileError::DiskFull);

  // A new file starts with a clean record.
  ASSERT_EQ(writer.create(dir.file("fine.txt")), FileError::None);
  EXPECT_EQ(writer.error(), FileError::None);
  EXPECT_EQ(writer.close(), FileError::None);
}

TEST(TextFileWriter, ErrorsAreSticky) {
  TempDir dir;
  const std::string path = dir.file("full.txt");
  std::filesystem::create_symlink("/dev/full", path);
  TextFileWriter writer;
  ASSERT_EQ(writer.create(path), FileError::None);
  writer.write(std::string(3 * 1024 * 1024, 'z'));  // beyond the buffer
  EXPECT_EQ(writer.error(), FileError::DiskFull);
  writer.writeLine("more");
  EXPECT_EQ(writer.error(), FileError::DiskFull);
  EXPECT_TRUE(writer.isOpen());
  EXPECT_EQ(writer.close(), FileError::DiskFull);
  EXPECT_FALSE(writer.isOpen());
}

TEST(TextFileWriter, ReadOnlyFolderIsAccessDenied) {
  if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
  TempDir dir;
  const std::string sub = dir.file("ro");
  std::filesystem::create_directory(sub);
  std::filesystem::permissions(sub, std::filesystem::perms::owner_read |
                                        std::filesystem::perms::owner_exec);
  TextFileWriter writer;
  EXPECT_EQ(writer.create(sub + "/x.txt"), FileError::AccessDenied);
  std::filesystem::permissions(sub, std::filesystem::perms::owner_all);
}

TEST(TextFiles, WrittenLinesReadBack) {
  TempDir dir;
  const std::string path = dir.file("liste disponible.txt");
  const std::vector<std::string> wheels = {"20", "abc", " 36 ", "", "40 dents"};
  TextFileWriter writer;
  ASSERT_EQ(writer.create(path), FileError::None);
  for (const auto& w : wheels) writer.writeLine(w);
  ASSERT_EQ(writer.close(), FileError::None);
  EXPECT_EQ(readAllLines(path), wheels);
}

}  // namespace
}  // namespace gears
