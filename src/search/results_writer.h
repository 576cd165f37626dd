#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_error.h"
#include "common/text_file.h"
#include "search/train.h"

namespace gears {

// Writes solutions to a results file as they are found, through a buffer:
// memory stays bounded whatever the number of solutions.
class ResultsWriter {
 public:
  // decimalSymbol: the locale's decimal symbol in Windows-1252 bytes.
  explicit ResultsWriter(std::string_view decimalSymbol = ".");

  FileError create(const std::string& path);
  // False once the file has failed (the error stays for close()).
  template <int N>
  bool write(const Train<N>& train) { return writeRecord(train.wheels.data(), N, train.ratio); }
  bool writeRecord(const double* wheels, int count, double ratio);
  // Flushes and closes; the first error of the file's life, or None.
  FileError close();
  FileError error() const;

 private:
  bool flushBuffer();

  struct ToothText {
    char bytes[8];  // " 3 ;" ... " 400 ;", copied eight bytes at a time
    std::size_t size;
  };

  std::string decimalSymbol_;
  std::vector<ToothText> toothTexts_;  // built once
  std::vector<char> buffer_;
  std::size_t used_ = 0;
  std::size_t recordRoom_ = 0;  // the most one record can take
  TextFileWriter file_;
  FileError error_ = FileError::None;
  bool open_ = false;
};

}  // namespace gears
