#include "common/program_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace gears {
namespace {

TEST(ProgramDirectory, IsTheFolderOfThisTestProgram) {
  const std::string dir = programDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.front(), '/');
  EXPECT_NE(dir.back(), '/');
  EXPECT_EQ(dir, std::filesystem::canonical("/proc/self/exe").parent_path().string());
}

TEST(JoinPath, AddsOneSeparator) {
  const struct {
    const char* dir;
    const char* name;
    const char* expected;
  } cases[] = {
      {"/opt/orb", "liste disponible.txt", "/opt/orb/liste disponible.txt"},
      {"/opt/orb/", "serie_orbanelles4.txt", "/opt/orb/serie_orbanelles4.txt"},
      {"/", "a", "/a"},
      {"/opt/orb", "", "/opt/orb/"},
      {"", "a", "a"},
      {"rel", "a", "rel/a"},
  };
  for (const auto& c : cases) EXPECT_EQ(joinPath(c.dir, c.name), c.expected) << c.dir;
}

}  // namespace
}  // namespace gears
