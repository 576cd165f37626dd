#pragma once
#include <string>

namespace gears {

enum class TrainSize { Four, Six };

// Six wheels when Option2 is set and Option1 is not; four in every other case.
TrainSize trainSizeFromOptions(bool option1, bool option2);

// Parameter fields that a failed check turns red (a bit set).
enum FieldMask : unsigned {
  kNoField = 0,
  kRapport = 1u << 0,   // Text5_rapport
  kEcart = 1u << 1,     // Text2_ecart
  kMini = 1u << 2,      // Text3_mini
  kMaxi = 1u << 3,      // Text4_maxi
  kLimite = 1u << 4,    // Text8_limite
};

struct Parameters {
  double ratio = 0;      // r
  double deviation = 0;  // e, made non-negative
  double lo = 0;
  double hi = 0;
  double limit = 0;      // n, the on-screen limit
};

struct CheckOutcome {
  bool ok = false;
  std::string message;       // UTF-8, empty when ok
  unsigned redFields = kNoField;
  Parameters params;         // the values read (limit only once read)
};

// Texts of the five fields, UTF-8 as typed.
struct FieldTexts {
  std::string rapport;  // Text5_rapport
  std::string ecart;    // Text2_ecart
  std::string mini;     // Text3_mini
  std::string maxi;     // Text4_maxi
  std::string limite;   // Text8_limite
};

// The thirteen checks of the continuous series, in their order.
CheckOutcome checkContinuous(const FieldTexts& fields, TrainSize size);

// The thirteen checks of the collection series, in their order: lo and hi are
// the collection's single-precision extremes and wheelCount its number of
// entries; fields.mini and fields.maxi are not read.
CheckOutcome checkCollection(const FieldTexts& fields, float lo, float hi, int wheelCount, TrainSize size);

}  // namespace gears
