#include "collection/collection_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "common/decimal_reader.h"
#include "common/text_file.h"

namespace gears {

namespace fs = std::filesystem;

namespace {

// Follows a chain of symbolic links (dangling ones included) to the file that
// a rename must replace, so the link itself survives a new collection.
fs::path resolveLinks(const fs::path& path) {
  fs::path p = path;
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(p, ec))) break;
    const fs::path link = fs::read_symlink(p, ec);
    if (ec) break;
    p = link.is_absolute() ? link : p.parent_path() / link;
  }
  return p;
}

FileError lastError() {
  const FileError error = fileErrorFromErrno(errno);
  return error == FileError::None ? FileError::Other : error;
}

// Makes the rename itself durable; a failure here changes nothing for the
// user, the new collection is already in place.
void syncDirectory(const fs::path& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

fs::path folderOf(const fs::path& file) {
  fs::path dir = file.parent_path();
  return dir.empty() ? fs::path(".") : dir;
}

}  // namespace

CollectionLoad loadCollection(const std::string& path) {
  CollectionLoad load;
  TextFileReader reader;
  load.error = reader.open(path);
  if (load.error != FileError::None) return load;
  std::string line;
  while (reader.readLine(line)) {
    if (load.entries.size() == static_cast<std::size_t>(kMaxCollectionLines)) {
      load.error = FileError::TooManyLines;
      break;
    }
    load.entries.push_back(line);
  }
  if (load.error == FileError::None) load.error = reader.error();
  reader.close();
  return load;
}

CollectionRange collectionRange(const std::vector<std::string>& entries) {
  CollectionRange range;
  for (const std::string& entry : entries) {
    const double v = readDecimal(entry);
    if (v > range.largest) range.largest = v;
  }
  for (const std::string& entry : entries) {
    const double v = readDecimal(entry);
    if (v < range.smallest) range.smallest = v;
  }
  return range;
}

std::vector<double> collectionValues(const std::vector<std::string>& entries) {
  std::vector<double> values;
  values.reserve(entries.size());
  for (const std::string& entry : entries) values.push_back(readDecimal(entry));
  return values;
}

CollectionWriter::~CollectionWriter() { abort(); }

FileError CollectionWriter::begin(const std::string& path) {
  abort();
  error_ = FileError::None;
  const fs::path target = resolveLinks(path);
  std::error_code ec;
  if (target.filename().empty() || fs::is_directory(target, ec)) return error_ = FileError::IsDirectory;
  // The rename would replace whatever stands there: never a device or a pipe.
  const fs::file_status status = fs::status(target, ec);
  if (fs::exists(status) && !fs::is_regular_file(status)) return error_ = FileError::Other;

  // Beside the target, so that the final rename stays within one file system.
  std::string name = ".";
  name += target.filename().string();
  name += ".XXXXXX";
  std::string pattern = (folderOf(target) / name).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return error_ = lastError();
  fd_ = fd;
  tempPath_ = pattern;
  targetPath_ = target.string();
  return error_;
}

void CollectionWriter::add(const std::string& entryBytes) {
  if (fd_ < 0 || error_ != FileError::None) return;
  pending_ += entryBytes;
  pending_ += "\r\n";
  if (pending_.size() >= 65536) writePending();
}

void CollectionWriter::writePending() {
  std::size_t done = 0;
  while (done < pending_.size() && error_ == FileError::None) {
    const ssize_t n = ::write(fd_, pending_.data() + done, pending_.size() - done);
    if (n >= 0) {
      done += static_cast<std::size_t>(n);
    } else if (errno != EINTR) {
      error_ = lastError();
    }
  }
  pending_.clear();
}

FileError CollectionWriter::commit() {
  if (fd_ < 0) return error_ != FileError::None ? error_ : FileError::Other;
  writePending();
  if (error_ == FileError::None && ::fsync(fd_) != 0) error_ = lastError();
  if (error_ == FileError::None) {
    struct stat old {};
    if (::stat(targetPath_.c_str(), &old) == 0) {
      if (::fchmod(fd_, old.st_mode & 07777) != 0) error_ = lastError();
      // Keeps the owner when an administrator rewrites a user's collection;
      // without the privilege this fails and the writer keeps the file.
      const int ownerKept = ::fchown(fd_, old.st_uid, old.st_gid);
      static_cast<void>(ownerKept);
    } else {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      if (::fchmod(fd_, 0644 & ~mask) != 0) error_ = lastError();
    }
  }
  if (::close(fd_) != 0 && error_ == FileError::None) error_ = lastError();
  fd_ = -1;
  if (error_ == FileError::None && ::rename(tempPath_.c_str(), targetPath_.c_str()) != 0) error_ = lastError();
  if (error_ == FileError::None) {
    tempPath_.clear();
    syncDirectory(folderOf(targetPath_));
  } else {
    abort();
  }
  return error_;
}

void CollectionWriter::abort() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
  tempPath_.clear();
  pending_.clear();
}

}  // namespace gears
