// The collection-file reader on any bytes: the lines it returns, its line
// limit, the smallest and largest value, and the file left as it was.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "collection/collection_file.h"
#include "common/decimal_reader.h"

namespace {

[[noreturn]] void fault(const char* what) {
  std::fprintf(stderr, "collection reader: %s\n", what);
  std::abort();
}

// Lines end at CR LF, a lone CR or a lone LF; a final end gives no empty line.
std::vector<std::string> referenceLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      open = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      line.push_back(c);
      open = true;
    }
  }
  if (open) lines.push_back(line);
  return lines;
}

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct TempFile {
  std::string path;
  TempFile() {
    char pattern[] = "/tmp/fuzz_collection_XXXXXX";
    const int fd = ::mkstemp(pattern);
    if (fd < 0) fault("no temporary file");
    ::close(fd);
    path = pattern;
  }
  ~TempFile() { std::remove(path.c_str()); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TempFile file;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  {
    std::ofstream out(file.path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) fault("cannot write the temporary file");
  }

  const gears::CollectionLoad load = gears::loadCollection(file.path);
  const std::vector<std::string> lines = referenceLines(bytes);
  const std::size_t limit = gears::kMaxCollectionLines;

  if (lines.size() > limit) {
    if (load.error != gears::FileError::TooManyLines) fault("a 167th line was not refused");
    if (load.entries.size() != limit) fault("not the 166 lines read before the failure");
  } else {
    if (load.error != gears::FileError::None) fault("a readable file failed");
    if (load.entries.size() != lines.size()) fault("line count");
  }
  if (!std::equal(load.entries.begin(), load.entries.end(), lines.begin())) fault("an entry differs from its line");

  const gears::CollectionRange range = gears::collectionRange(load.entries);
  const std::vector<double> values = gears::collectionValues(load.entries);
  if (values.size() != load.entries.size()) fault("one value per entry");
  double smallest = 400, largest = 3;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i] != gears::readDecimal(load.entries[i])) fault("value of an entry");
    smallest = std::min(smallest, values[i]);
    largest = std::max(largest, values[i]);
  }
  if (range.smallest != smallest || range.largest != largest) fault("smallest or largest");

  if (fileBytes(file.path) != bytes) fault("reading changed the file");
  return 0;
}
