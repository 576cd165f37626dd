#pragma once
#include <string>
#include <vector>

#include "common/file_error.h"

namespace gears {

// Most lines a collection reader takes; one more is a failure.
inline constexpr int kMaxCollectionLines = 166;

// The collection as stored: one entry per line, the line's bytes as they
// stand (Windows-1252), without the line end.
struct CollectionLoad {
  FileError error = FileError::None;  // TooManyLines at the 167th line
  std::vector<std::string> entries;   // the lines read before any failure
};

// Reads "liste disponible.txt" (or any path). Never changes the file.
CollectionLoad loadCollection(const std::string& path);

// Smallest value starting from 400, largest starting from 3, as the
// collection's readers derive them from the entries' leading numbers.
struct CollectionRange {
  double smallest = 400;
  double largest = 3;
};
CollectionRange collectionRange(const std::vector<std::string>& entries);

// Each entry's value through the decimal-point reader.
std::vector<double> collectionValues(const std::vector<std::string>& entries);

// Writes a new collection without ever leaving a partial file behind:
// begin() creates a temporary file beside the collection file (so an
// unwritable folder shows before anything is typed), add() writes one entry
// followed by CR LF, commit() renames it over the collection file (through a
// symbolic link to its target, keeping the old file's permissions); any
// failure, or destruction without commit(), removes the temporary file and
// leaves the old collection untouched.
class CollectionWriter {
 public:
  CollectionWriter() = default;
  ~CollectionWriter();
  CollectionWriter(const CollectionWriter&) = delete;
  CollectionWriter& operator=(const CollectionWriter&) = delete;

  FileError begin(const std::string& path);
  void add(const std::string& entryBytes);
  FileError commit();
  void abort();

 private:
  void writePending();

  std::string targetPath_;  // the collection file, symbolic links resolved
  std::string tempPath_;    // empty when no temporary file exists
  std::string pending_;     // entries not yet written to the temporary file
  int fd_ = -1;
  FileError error_ = FileError::None;
};

}  // namespace gears
