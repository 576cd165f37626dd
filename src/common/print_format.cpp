#include "common/print_format.h"

#include "common/number_text.h"

namespace gears {

void appendPrintField(std::string& out, double value, std::string_view decimalSymbol) {
  // The blank stands where a minus sign would; -0 and NaN print without one.
  if (!(value < 0)) out.push_back(' ');
  appendDoubleText(out, value, decimalSymbol);
  out.push_back(' ');
}

std::string printField(double value, std::string_view decimalSymbol) {
  std::string field;
  appendPrintField(field, value, decimalSymbol);
  return field;
}

}  // namespace gears
