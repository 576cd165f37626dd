#include "collection/collection_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace gears {
namespace {

namespace fs = std::filesystem;
using Entries = std::vector<std::string>;

class CollectionTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::path(testing::TempDir()) / "collection_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    file_ = (dir_ / "liste disponible.txt").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  static void put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // Everything in the folder: shows a temporary file left behind.
  std::vector<std::string> folder() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
  std::string file_;
};

std::string lines(int count, const char* end) {
  std::string bytes;
  for (int i = 1; i <= count; ++i) bytes += std::to_string(i + 2) + end;
  return bytes;
}

TEST_F(CollectionTest, LoadsLinesWhateverTheirEnds) {
  struct Case {
    std::string bytes;
    Entries entries;
  };
  const Case cases[] = {
      {"20\r\n30\r\n30\r\n127\r\n", {"20", "30", "30", "127"}},
      {"20\r30\n40\r\n60", {"20", "30", "40", "60"}},
      {"20\r\n\r\n", {"20", ""}},
      {"20\r\n\r\n30\r\n", {"20", "", "30"}},
      {"", {}},
      {" 36 \r\nabc\r\n40 dents\r\n", {" 36 ", "abc", "40 dents"}},
      {std::string("4\0 2\r\n\xE9\x81\xFF\r\n", 10), {std::string("4\0 2", 4), "\xE9\x81\xFF"}},
  };
  for (const Case& c : cases) {
    put(file_, c.bytes);
    const CollectionLoad load = loadCollection(file_);
    EXPECT_EQ(load.error, FileError::None);
    EXPECT_EQ(load.entries, c.entries);
  }
}

TEST_F(CollectionTest, AtMost166Lines) {
  for (const char* end : {"\r\n", "\n", "\r"}) {
    put(file_, lines(166, end));
    CollectionLoad load = loadCollection(file_);
    EXPECT_EQ(load.error, FileError::None);
    ASSERT_EQ(load.entries.size(), 166u);
    EXPECT_EQ(load.entries.back(), "168");

    put(file_, lines(167, end));
    load = loadCollection(file_);
    EXPECT_EQ(load.error, FileError::TooManyLines);
    EXPECT_EQ(load.entries.size(), 166u);
  }
  put(file_, lines(166, "\r\n") + "last");
  EXPECT_EQ(loadCollection(file_).error, FileError::TooManyLines);
}

TEST_F(CollectionTest, MissingFileOrFolderInPlace) {
  EXPECT_EQ(loadCollection(file_).error, FileError::NotFound);
  fs::create_directory(file_);
  const CollectionLoad load = loadCollection(file_);
  EXPECT_EQ(load.error, FileError::IsDirectory);
  EXPECT_TRUE(load.entries.empty());
}

TEST(CollectionRangeTest, StartsFrom400And3) {
  struct Case {
    Entries entries;
    double smallest;
    double largest;
  };
  const Case cases[] = {
      {{}, 400, 3},
      {{"500", "600"}, 400, 600},
      {{"1", "2"}, 1, 3},
      {{"20", "abc"}, 0, 20},
      {{"20", "25.5", "30", "40"}, 20, 40},
      {{"127", "20", "30", "30"}, 20, 127},
      {{" 36 ", "040", "40 dents"}, 36, 40},
      {{"20", ""}, 0, 20},
  };
  for (const Case& c : cases) {
    const CollectionRange range = collectionRange(c.entries);
    EXPECT_EQ(range.smallest, c.smallest);
    EXPECT_EQ(range.largest, c.largest);
  }
}

TEST(CollectionValuesTest, EachEntryThroughThePointReader) {
  const Entries entries = {"20", "abc", "12.5", "040", " 36 ", "0,5", "40 dents", ""};
  EXPECT_EQ(collectionValues(entries), (std::vector<double>{20, 0, 12.5, 40, 36, 0, 40, 0}));
}

TEST_F(CollectionTest, WritesTheEntryExample) {
  CollectionWriter writer;
  ASSERT_EQ(writer.begin(file_), FileError::None);
  for (const char* entry : {"20", "30", "30", "127"}) writer.add(entry);
  ASSERT_EQ(writer.commit(), FileError::None);
  EXPECT_EQ(contents(file_), "20\r\n30\r\n30\r\n127\r\n");
  EXPECT_EQ(fs::file_size(file_), 17u);
  EXPECT_EQ(folder(), (std::vector<std::string>{"liste disponible.txt"}));
  // What was written reads back the same, bytes of any value included.
  ASSERT_EQ(writer.begin(file_), FileError::None);
  const Entries odd = {" 36 ", "", std::string("4\0 2", 4), "\xE9\x81\xFF", "abc"};
  for (const std::string& entry : odd) writer.add(entry);
  ASSERT_EQ(writer.commit(), FileError::None);
  EXPECT_EQ(loadCollection(file_).entries, odd);
}

TEST_F(CollectionTest, EmptyCollectionIsAnEmptyFile) {
  put(file_, "20\r\n30\r\n");
  CollectionWriter writer;
  ASSERT_EQ(writer.begin(file_), FileError::None);
  ASSERT_EQ(writer.commit(), FileError::None);
  EXPECT_TRUE(fs::exists(file_));
  EXPECT_EQ(fs::file_size(file_), 0u);
}

TEST_F(CollectionTest, OldFileUntouchedUntilCommit) {
  put(file_, "20\r\n30\r\n");
  CollectionWriter writer;
  ASSERT_EQ(writer.begin(file_), FileError::None);
  writer.add("40");
  writer.add("50");
  EXPECT_EQ(contents(file_), "20\r\n30\r\n");
  ASSERT_EQ(writer.commit(), FileError::None);
  EXPECT_EQ(contents(file_), "40\r\n50\r\n");
  EXPECT_EQ(folder(), (std::vector<std::string>{"liste disponible.txt"}));
}

TEST_F(CollectionTest, AbortOrDestructionLeavesOldFileAndNoTemporary) {
  put(file_, "20\r\n30\r\n");
  {
    CollectionWriter writer;
    ASSERT_EQ(writer.begin(file_), FileError::None);
    writer.add("40");
    EXPECT_EQ(folder().size(), 2u);
    writer.abort();
    EXPECT_EQ(writer.commit(), FileError::Other);
  }
  {
    CollectionWriter writer;
    ASSERT_EQ(writer.begin(file_), FileError::None);
    writer.add("40");
  }
  EXPECT_EQ(contents(file_), "20\r\n30\r\n");
  EXPECT_EQ(folder(), (std::vector<std::string>{"liste disponible.txt"}));
}

TEST_F(CollectionTest, NoOldFileWithoutCommit) {
  {
    CollectionWriter writer;
    ASSERT_EQ(writer.begin(file_), FileError::None);
    writer.add("40");
  }
  EXPECT_TRUE(folder().empty());
}

TEST_F(CollectionTest, BeginFailures) {
  CollectionWriter writer;
  EXPECT_EQ(writer.begin((dir_ / "nowhere" / "liste disponible.txt").string()), FileError::NotFound);
  EXPECT_EQ(writer.commit(), FileError::NotFound);
  fs::create_directory(file_);
  EXPECT_EQ(writer.begin(file_), FileError::IsDirectory);
  EXPECT_EQ(writer.commit(), FileError::IsDirectory);
  EXPECT_EQ(folder(), (std::vector<std::string>{"liste disponible.txt"}));
}

// The rename would put a regular file in the place of a device or a pipe.
TEST_F(CollectionTest, NeverReplacesADeviceOrAPipe) {
  fs::create_symlink("/dev/null", file_);
  CollectionWriter writer;
  EXPECT_EQ(writer.begin(file_), FileError::Other);
  EXPECT_EQ(writer.commit(), FileError::Other);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  fs::remove(file_);
  ASSERT_EQ(::mkfifo(file_.c_str(), 0600), 0);
  EXPECT_EQ(writer.begin(file_), FileError::Other);
  EXPECT_TRUE(fs::is_fifo(file_));
  EXPECT_EQ(folder(), (std::vector<std::string>{"liste disponible.txt"}));
}

TEST_F(CollectionTest, FailedCommitRemovesTemporaryAndKeepsWhatIsThere) {
  CollectionWriter writer;
  ASSERT_EQ(writer.begin(file_), FileError::None);
  writer.add("40");
  // Something else takes the name meanwhile: the rename must fail cleanly.
  fs::create_directory(file_);
  put((fs::path(file_) / "keep").string(), "x");
  EXPECT_NE(writer.commit(), FileError::None);
  EXPECT_EQ(folder(), (std::vector<std::string>{"liste disponible.txt"}));
  EXPECT_EQ(contents((fs::path(file_) / "keep").string()), "x");
}

TEST_F(CollectionTest, SymbolicLinkKeptAndItsTargetReplaced) {
  fs::create_directory(dir_ / "real");
  const fs::path target = dir_ / "real" / "wheels.txt";
  put(target.string(), "20\r\n");
  fs::create_symlink("real/wheels.txt", file_);
  CollectionWriter writer;
  ASSERT_EQ(writer.begin(file_), FileError::None);
  writer.add("60");
  ASSERT_EQ(writer.commit(), FileError::None);
  EXPECT_TRUE(fs::is_symlink(file_));
  EXPECT_EQ(fs::read_symlink(file_), "real/wheels.txt");
  EXPECT_EQ(contents(target.string()), "60\r\n");
  EXPECT_EQ(fs::directory_iterator(dir_ / "real")->path().filename(), "wheels.txt");
}

TEST_F(CollectionTest, DanglingLinkCreatesItsTarget) {
  fs::create_symlink("new.txt", file_);
  CollectionWriter writer;
  ASSERT_EQ(writer.begin(file_), FileError::None);
  writer.add("60");
  ASSERT_EQ(writer.commit(), FileError::None);
  EXPECT_TRUE(fs::is_symlink(file_));
  EXPECT_EQ(contents((dir_ / "new.txt").string()), "60\r\n");
}

TEST_F(CollectionTest, PermissionsKeptOrTakenFromUmask) {
  put(file_, "20\r\n");
  ::chmod(file_.c_str(), 0640);
  CollectionWriter writer;
  ASSERT_EQ(writer.begin(file_), FileError::None);
  writer.add("60");
  ASSERT_EQ(writer.commit(), FileError::None);
  struct stat st {};
  ASSERT_EQ(::stat(file_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);

  const std::string fresh = (dir_ / "fresh.txt").string();
  const mode_t old = ::umask(027);
  ASSERT_EQ(writer.begin(fresh), FileError::None);
  ASSERT_EQ(writer.commit(), FileError::None);
  ::umask(old);
  ASSERT_EQ(::stat(fresh.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

}  // namespace
}  // namespace gears
