#pragma once
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "common/file_error.h"

namespace gears {

// Sequential reading of 8-bit text lines. A line ends at CR LF, a lone CR or
// a lone LF; the end is not part of the line; a last line without terminator
// is read; a final terminator gives no empty line. Bytes are returned as they
// stand in the file (Windows-1252).
class TextFileReader {
 public:
  TextFileReader() = default;
  ~TextFileReader();
  TextFileReader(const TextFileReader&) = delete;
  TextFileReader& operator=(const TextFileReader&) = delete;

  FileError open(const std::string& path);
  // False at end of file or on a read error (see error()).
  bool readLine(std::string& line);
  FileError error() const { return error_; }
  void close();

 private:
  std::FILE* file_ = nullptr;
  FileError error_ = FileError::None;
};

// Sequential writing through a buffer. Errors are sticky: once a write fails
// every later call is a no-op and close() reports the first error.
class TextFileWriter {
 public:
  TextFileWriter() = default;
  ~TextFileWriter();
  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;

  // Creates or replaces the file.
  FileError create(const std::string& path);
  // Writes raw bytes.
  void write(std::string_view bytes);
  // Writes the bytes followed by CR LF.
  void writeLine(std::string_view bytes);
  // Flushes, closes and reports the first error of the file's life.
  FileError close();
  bool isOpen() const { return file_ != nullptr; }
  FileError error() const { return error_; }

 private:
  std::FILE* file_ = nullptr;
  FileError error_ = FileError::None;
  std::unique_ptr<char[]> buffer_;  // stdio buffer; outlives file_
};

}  // namespace gears
