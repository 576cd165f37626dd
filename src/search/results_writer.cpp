#include "search/results_writer.h"

#include <cmath>

#include "common/number_text.h"
#include "common/print_format.h"

namespace gears {

namespace {

constexpr int kFirstTooth = 3;
constexpr int kLastTooth = 400;
// Records gather here before going to the file in one large write.
constexpr std::size_t kFlushSize = std::size_t{1} << 18;

}  // namespace

ResultsWriter::ResultsWriter(std::string_view decimalSymbol) : decimalSymbol_(decimalSymbol) {
  // Millions of records repeat the same few hundred tooth counts: format
  // each once and copy it from then on.
  toothTexts_.reserve(kLastTooth - kFirstTooth + 1);
  for (int teeth = kFirstTooth; teeth <= kLastTooth; ++teeth) {
    std::string text;
    appendPrintField(text, teeth, decimalSymbol_);
    text += ';';
    toothTexts_.push_back(std::move(text));
  }
}

FileError ResultsWriter::create(const std::string& path) {
  if (open_) close();
  buffer_.clear();
  error_ = file_.create(path);
  open_ = error_ == FileError::None;
  if (open_) buffer_.reserve(kFlushSize + 1024);
  return error_;
}

bool ResultsWriter::writeRecord(const double* wheels, int count, double ratio) {
  if (!open_ || error_ != FileError::None) return false;
  for (int i = 0; i < count; ++i) {
    const double w = wheels[i];
    if (w >= kFirstTooth && w <= kLastTooth && w == std::floor(w)) {
      buffer_ += toothTexts_[static_cast<std::size_t>(w) - kFirstTooth];
    } else {
      // Collection entries may hold any value (25.5 teeth).
      appendPrintField(buffer_, w, decimalSymbol_);
      buffer_ += ';';
    }
  }
  if (ratio > 0) {
    buffer_ += ' ';
    appendDoubleText(buffer_, ratio, decimalSymbol_);
    buffer_ += ' ';
  } else {
    appendPrintField(buffer_, ratio, decimalSymbol_);
  }
  buffer_ += "\r\n";
  if (buffer_.size() >= kFlushSize) return flushBuffer();
  return true;
}

bool ResultsWriter::flushBuffer() {
  if (!buffer_.empty()) file_.write(buffer_);
  buffer_.clear();
  if (error_ == FileError::None) error_ = file_.error();
  return error_ == FileError::None;
}

FileError ResultsWriter::close() {
  if (!open_) return error_;
  if (error_ == FileError::None) flushBuffer();
  const FileError closing = file_.close();
  if (error_ == FileError::None) error_ = closing;
  open_ = false;
  buffer_.clear();
  buffer_.shrink_to_fit();
  return error_;
}

FileError ResultsWriter::error() const { return error_; }

}  // namespace gears
