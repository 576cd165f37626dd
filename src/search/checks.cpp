#include "search/checks.h"

#include <cmath>

#include "common/decimal_reader.h"

namespace gears {

namespace {

// Limits that depend on the train size. The ratio bounds are fixed numbers,
// never recomputed from the tooth range.
struct SizeRules {
  double lowestRatio;   // r - e may not go below
  double highestRatio;  // r + e may not go above
  double largestSpread;
  double largestLimit;
  int exponent;
  const char* lowMessage;
  const char* highMessage;
  const char* spreadMessage;
  const char* limitMessage;
  const char* countMessage;
  int largestCount;
};

constexpr SizeRules kFour{0.000322707878,
                          3098.7777777777,
                          164,
                          2048,
                          2,
                          "RAPPORT - PRECISION < 0.00032",
                          "RAPPORT + PRECISION > 3098",
                          "ECART DENTS > 164",
                          "NB SOLUTIONS A L'ECRAN  > 2048",
                          "NOMBRE DE ROUES > 166 DANS LE FICHIER",
                          166};

constexpr SizeRules kSix{0.000751314801,
                         1331,
                         30,
                         1638,
                         3,
                         "RAPPORT - PRECISION < 0.00075",
                         "RAPPORT + PRECISION > 1331",
                         "ECART DENTS > 30",
                         "NB SOLUTIONS A L'ECRAN > 1638",
                         "NOMBRE DE ROUES > 32 DANS LE FICHIER",
                         32};

const SizeRules& rulesFor(TrainSize size) { return size == TrainSize::Six ? kSix : kFour; }

// NaN and infinities are not whole either (inf - inf is NaN).
bool notWhole(double x) { return x - std::floor(x) != 0; }

// A failed check: its message and the fields it turns red; no message, no failure.
struct Failure {
  const char* message = nullptr;
  unsigned red = kNoField;
  explicit operator bool() const { return message != nullptr; }
};

CheckOutcome failed(CheckOutcome out, Failure failure) {
  out.ok = false;
  out.message = failure.message;
  out.redFields = failure.red;
  return out;
}

// Checks 1 and 2. Written as negated "inside" tests so that any NaN, and any
// infinite ratio or deviation, is refused here and never reaches a search.
Failure ratioBoundsFailure(const Parameters& p, const SizeRules& rules) {
  if (!(p.ratio - p.deviation >= rules.lowestRatio)) return {rules.lowMessage, kRapport};
  if (!(p.ratio + p.deviation <= rules.highestRatio)) return {rules.highMessage, kRapport};
  return {};
}

// Check 9.
Failure precisionFailure(const Parameters& p) {
  if (p.deviation > 0.05 * p.ratio) return {"PAS ASSEZ PRECIS", kEcart};
  return {};
}

// Reads the on-screen limit (only now, after check 9), then checks 10 and 11.
Failure limitFailure(Parameters& p, const FieldTexts& fields, const SizeRules& rules) {
  p.limit = readDecimal(fields.limite);
  if (notWhole(p.limit)) return {"NB SOLUTIONS ENTIER", kLimite};
  if (p.limit > rules.largestLimit) return {rules.limitMessage, kLimite};
  return {};
}

// Smallest and largest ratio a tooth range can give, (lo/hi)^k and (hi/lo)^k,
// evaluated left to right exactly as lo*lo/hi/hi is written.
struct Extremes {
  double smallest;
  double largest;
};

Extremes extremeRatios(double lo, double hi, int exponent) {
  if (exponent == 3) return {lo * lo * lo / hi / hi / hi, hi * hi * hi / lo / lo / lo};
  return {lo * lo / hi / hi, hi * hi / lo / lo};
}

}  // namespace

TrainSize trainSizeFromOptions(bool option1, bool option2) {
  return option2 && !option1 ? TrainSize::Six : TrainSize::Four;
}

CheckOutcome checkContinuous(const FieldTexts& fields, TrainSize size) {
  const SizeRules& rules = rulesFor(size);
  CheckOutcome out;
  Parameters& p = out.params;
  p.ratio = readDecimal(fields.rapport);
  p.lo = readDecimal(fields.mini);
  p.hi = readDecimal(fields.maxi);
  p.deviation = std::fabs(readDecimal(fields.ecart));

  if (Failure f = ratioBoundsFailure(p, rules)) return failed(out, f);
  if (notWhole(p.lo)) return failed(out, {"MINI ENTIER", kMini});
  if (p.lo < 3) return failed(out, {"MINI < 3", kMini});
  if (notWhole(p.hi)) return failed(out, {"MAXI ENTIER", kMaxi});
  if (p.hi < p.lo) return failed(out, {"MAXI  <  MINI", kMini | kMaxi});
  if (p.hi > 400) return failed(out, {"MAXI > 400", kMaxi});
  if (p.hi - p.lo > rules.largestSpread) return failed(out, {rules.spreadMessage, kMini | kMaxi});
  if (Failure f = precisionFailure(p)) return failed(out, f);
  if (Failure f = limitFailure(p, fields, rules)) return failed(out, f);

  const Extremes x = extremeRatios(p.lo, p.hi, rules.exponent);
  if (x.smallest > p.ratio) return failed(out, {"PAS DE SOLUTION", kRapport});
  if (x.largest < p.ratio) return failed(out, {"PAS DE SOLUTION", kRapport});
  out.ok = true;
  return out;
}

CheckOutcome checkCollection(const FieldTexts& fields, float lo, float hi, int wheelCount, TrainSize size) {
  const SizeRules& rules = rulesFor(size);
  CheckOutcome out;
  Parameters& p = out.params;
  p.ratio = readDecimal(fields.rapport);
  p.deviation = std::fabs(readDecimal(fields.ecart));
  p.lo = lo;
  p.hi = hi;

  if (Failure f = ratioBoundsFailure(p, rules)) return failed(out, f);
  if (notWhole(lo)) return failed(out, {"MINI ENTIER DANS LE FICHIER", kMini});
  if (lo < 3) return failed(out, {"MINI < 3 DANS LE FICHIER", kMini});
  if (notWhole(hi)) return failed(out, {"MAXI ENTIER DANS LE FICHIER", kMaxi});
  if (hi < lo) return failed(out, {"MAXI  <  MINI DANS LE FICHIER", kMini | kMaxi});
  if (hi > 400) return failed(out, {"MAXI > 400 DANS LE FICHIER", kMaxi});
  if (wheelCount > rules.largestCount) return failed(out, {rules.countMessage, kMini | kMaxi});
  if (Failure f = precisionFailure(p)) return failed(out, f);
  if (Failure f = limitFailure(p, fields, rules)) return failed(out, f);

  // The extremes come from the single-precision lo and hi and are rounded to
  // single precision themselves before they meet r.
  const Extremes x = extremeRatios(lo, hi, rules.exponent);
  if (static_cast<double>(static_cast<float>(x.smallest)) > p.ratio) return failed(out, {"PAS DE SOLUTION", kRapport});
  if (static_cast<double>(static_cast<float>(x.largest)) < p.ratio) return failed(out, {"PAS DE SOLUTION", kRapport});
  out.ok = true;
  return out;
}

}  // namespace gears
