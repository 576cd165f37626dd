#pragma once
#include <string>
#include <string_view>

namespace gears {

enum class FileError {
  None,
  NotFound,
  AccessDenied,
  DiskFull,
  IsDirectory,
  TooManyLines,  // a file that holds more lines than its reader takes
  Other,
};

// Maps an errno value to the error kinds above (0 gives None).
FileError fileErrorFromErrno(int err);

// Fixed French description of an error, UTF-8, for message boxes
// ("" for None). strerror would be English on most machines.
std::string_view frenchDescription(FileError error);

}  // namespace gears
