#include "search/record_format.h"

#include "common/number_text.h"
#include "common/print_format.h"

namespace gears {

void appendRecord(std::string& out, const double* wheels, int count, double ratio, std::string_view decimalSymbol) {
  for (int i = 0; i < count; ++i) {
    appendPrintField(out, wheels[i], decimalSymbol);
    out += ';';
  }
  appendPrintField(out, ratio, decimalSymbol);
}

std::string listLine(const double* wheels, int count, double ratio, std::string_view decimalSymbol) {
  std::string line;
  for (int i = 0; i < count; ++i) {
    appendDoubleText(line, wheels[i], decimalSymbol);
    line += '\t';
  }
  // The ratio always stands in the seventh tab column, under its heading.
  for (int column = count + 1; column < 7; ++column) line += '\t';
  appendDoubleText(line, ratio, decimalSymbol);
  return line;
}

}  // namespace gears
