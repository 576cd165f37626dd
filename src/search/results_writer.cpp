#include "search/results_writer.h"

#include <cstring>

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
    ToothText slot{};
    std::memcpy(slot.bytes, text.data(), text.size());
    slot.size = text.size();
    toothTexts_.push_back(slot);
  }
  // Six fields and the ratio, each a sign, 21 characters, the symbol and
  // blanks at most; generously rounded up.
  recordRoom_ = 8 * (kMaxDoubleText + 8 + decimalSymbol_.size());
}

namespace {

// Any value in the print format, through a string (rare: collection entries
// such as 25.5, ratios of zero or below).
char* writeField(char* out, double value, std::string_view decimalSymbol) {
  std::string text;
  appendPrintField(text, value, decimalSymbol);
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

}  // namespace

FileError ResultsWriter::create(const std::string& path) {
  if (open_) close();
  used_ = 0;
  error_ = file_.create(path);
  open_ = error_ == FileError::None;
  if (open_) buffer_.resize(kFlushSize + recordRoom_);
  return error_;
}

bool ResultsWriter::writeRecord(const double* wheels, int count, double ratio) {
  if (!open_ || error_ != FileError::None) return false;
  char* out = buffer_.data() + used_;
  for (int i = 0; i < count; ++i) {
    const double w = wheels[i];
    if (w >= kFirstTooth && w <= kLastTooth && w == static_cast<double>(static_cast<int>(w))) {
      const ToothText& text = toothTexts_[static_cast<std::size_t>(static_cast<int>(w) - kFirstTooth)];
      std::memcpy(out, text.bytes, sizeof text.bytes);
      out += text.size;
    } else {
      // Collection entries may hold any value (25.5 teeth).
      out = writeField(out, w, decimalSymbol_);
      *out++ = ';';
    }
  }
  if (ratio > 0) {
    *out++ = ' ';
    out += writeDoubleText(out, ratio, decimalSymbol_);
    *out++ = ' ';
  } else {
    out = writeField(out, ratio, decimalSymbol_);
  }
  *out++ = '\r';
  *out++ = '\n';
  used_ = static_cast<std::size_t>(out - buffer_.data());
  if (used_ >= kFlushSize) return flushBuffer();
  return true;
}

bool ResultsWriter::flushBuffer() {
  if (used_ > 0) file_.write(std::string_view(buffer_.data(), used_));
  used_ = 0;
  if (error_ == FileError::None) error_ = file_.error();
  return error_ == FileError::None;
}

FileError ResultsWriter::close() {
  if (!open_) return error_;
  if (error_ == FileError::None) flushBuffer();
  const FileError closing = file_.close();
  if (error_ == FileError::None) error_ = closing;
  open_ = false;
  used_ = 0;
  buffer_ = std::vector<char>();
  return error_;
}

FileError ResultsWriter::error() const { return error_; }

}  // namespace gears
