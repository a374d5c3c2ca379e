#include "core/BandTable.h"

#include <array>
#include <cmath>

namespace zb {

namespace {

struct BandSlot {
  float cw;
  float ssb;
  float centre;
};

// One slot per whole megahertz, 1 to 50. The 24 MHz band stands in slot 25,
// where a typed 24.5 to 25.5 MHz falls; slot 24 is empty.
constexpr std::array<BandSlot, 51> kTable = [] {
  std::array<BandSlot, 51> t{};
  t[2] = {1.82f, 1.86f, 1.857f};
  t[3] = t[4] = {3.5f, 3.7f, 3.65f};
  t[6] = t[7] = {7.02f, 7.12f, 7.1f};
  t[10] = {10.1f, 10.13f, 10.125f};
  t[14] = {14.0f, 14.25f, 14.2f};
  t[18] = {18.068f, 18.13f, 18.118f};
  t[21] = {21.0f, 21.25f, 21.225f};
  t[25] = {24.89f, 24.95f, 24.94f};
  t[28] = t[29] = t[30] = {28.0f, 28.6f, 28.5f};
  t[50] = {50.09f, 50.15f, 50.5f};
  return t;
}();

}  // namespace

bool RoundToInt16(double value, std::int16_t& result) {
  if (!std::isfinite(value)) return false;
  const double rounded = std::nearbyint(value);  // the default rounding mode: ties to even
  if (rounded < -32768.0 || rounded > 32767.0) return false;
  result = static_cast<std::int16_t>(rounded);
  return true;
}

float BandDesignFrequency(std::int16_t segment, float f) {
  std::int16_t slot = 0;
  if (!RoundToInt16(f, slot) || slot < 1 || slot > 50) return f;
  const BandSlot& s = kTable[static_cast<std::size_t>(slot)];
  const float value = segment == kSegmentCw ? s.cw : segment == kSegmentSsb ? s.ssb : s.centre;
  return value == 0.0f ? f : value;
}

}  // namespace zb
