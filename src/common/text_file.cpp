#include "common/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace gears {

namespace {

// Failures that leave errno at 0 still count as failures.
FileError currentError() {
  const FileError error = fileErrorFromErrno(errno);
  return error == FileError::None ? FileError::Other : error;
}

constexpr std::size_t kWriteBufferSize = 1 << 20;

}  // namespace

TextFileReader::~TextFileReader() { close(); }

FileError TextFileReader::open(const std::string& path) {
  close();
  error_ = FileError::None;
  errno = 0;
  // Non-blocking, so that a named pipe in the file's place cannot hang the
  // window at open; only regular files are read (a device such as /dev/zero
  // would make one endless line).
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error_ = currentError();
    return error_;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    error_ = currentError();
  } else if (S_ISDIR(info.st_mode)) {
    error_ = FileError::IsDirectory;
  } else if (!S_ISREG(info.st_mode)) {
    error_ = FileError::Other;
  }
  if (error_ == FileError::None) {
    file_ = ::fdopen(fd, "rb");
    if (file_ == nullptr) error_ = currentError();
  }
  if (file_ == nullptr) ::close(fd);
  return error_;
}

bool TextFileReader::readLine(std::string& line) {
  line.clear();
  if (file_ == nullptr || error_ != FileError::None) return false;
  errno = 0;
  int c = getc_unlocked(file_);
  if (c == EOF) {
    if (std::ferror(file_)) error_ = currentError();
    return false;
  }
  // CR LF, a lone CR and a lone LF all end a line: files edited on Linux
  // have LF ends and must not come back as one single line.
  while (c != EOF && c != '\r' && c != '\n') {
    line.push_back(static_cast<char>(c));
    c = getc_unlocked(file_);
  }
  if (c == '\r') {
    const int next = getc_unlocked(file_);
    if (next != '\n' && next != EOF) std::ungetc(next, file_);
  }
  if (std::ferror(file_)) {
    error_ = currentError();
    return false;
  }
  return true;
}

void TextFileReader::close() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

TextFileWriter::~TextFileWriter() { close(); }

FileError TextFileWriter::create(const std::string& path) {
  close();
  error_ = FileError::None;
  errno = 0;
  file_ = std::fopen(path.c_str(), "wb");
  if (file_ == nullptr) {
    error_ = currentError();
    return error_;
  }
  // Results files may reach hundreds of megabytes, one short line at a time.
  buffer_ = std::make_unique<char[]>(kWriteBufferSize);
  std::setvbuf(file_, buffer_.get(), _IOFBF, kWriteBufferSize);
  return error_;
}

void TextFileWriter::write(std::string_view bytes) {
  if (file_ == nullptr || error_ != FileError::None || bytes.empty()) return;
  errno = 0;
  if (bytes.size() < kWriteBufferSize / 4) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) error_ = currentError();
    return;
  }
  // Large blocks (the results writer's) go straight to the file: through
  // the stdio buffer they would be copied once more.
  if (std::fflush(file_) != 0) {
    error_ = currentError();
    return;
  }
  const int fd = ::fileno(file_);
  while (!bytes.empty()) {
    errno = 0;
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      error_ = currentError();
      return;
    }
  }
}

void TextFileWriter::writeLine(std::string_view bytes) {
  write(bytes);
  write("\r\n");
}

FileError TextFileWriter::close() {
  if (file_ == nullptr) return error_;
  errno = 0;
  if (std::fflush(file_) != 0 && error_ == FileError::None) error_ = currentError();
  errno = 0;
  if (std::fclose(file_) != 0 && error_ == FileError::None) error_ = currentError();
  file_ = nullptr;
  buffer_.reset();
  return error_;
}

}  // namespace gears
