#include "core/beam/BandTable.h"

#include <cmath>

namespace zb {

namespace {

struct BandSlot {
  float cw;
  float ssb;
  float centre;
};

constexpr std::int16_t kLastSlot = 50;

// One slot per whole megahertz, 1 to 50, filled from the bands; a slot no
// band names holds no entry.
constexpr std::array<BandSlot, kLastSlot + 1> kSlots = [] {
  std::array<BandSlot, kLastSlot + 1> slots{};
  for (const AmateurBand& band : kAmateurBands)
    for (std::int16_t slot = band.firstSlot; slot <= band.lastSlot; ++slot)
      slots.at(static_cast<std::size_t>(slot)) = {band.cw, band.ssb, band.centre};
  return slots;
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
  if (!RoundToInt16(f, slot) || slot < 1 || slot > kLastSlot) return f;
  const BandSlot& s = kSlots[static_cast<std::size_t>(slot)];
  const float value = segment == kSegmentCw ? s.cw : segment == kSegmentSsb ? s.ssb : s.centre;
  return value == 0.0f ? f : value;
}

// The bands are checked from the highest down.
std::optional<RecognisedBand> RecogniseBand(float f) {
  for (std::size_t i = kAmateurBands.size(); i-- > 0;) {
    const AmateurBand& band = kAmateurBands[i];
    if (f >= band.low && f <= band.high) return RecognisedBand{static_cast<int>(i), band.label};
  }
  return std::nullopt;
}

}  // namespace zb
