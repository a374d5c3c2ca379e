#include "core/side/VfEstimator.h"

#include "core/beam/Formulas.h"
#include "core/numbers/CheckedMath.h"
#include "core/numbers/SkipOnError.h"

namespace zb {

const char* DiameterLimitName(DiameterLimit limit) {
  switch (limit) {
    case DiameterLimit::Minimum:
      return "Minimum";
    case DiameterLimit::TwiceHeight:
      return "TwiceHeight";
    case DiameterLimit::HalfWavelength:
      return "HalfWavelength";
    case DiameterLimit::None:
      break;
  }
  return "None";
}

namespace {

// The first limit that applies; a diameter exactly on a limit passes. The
// two lengths are held as 4-byte values like the diameter, so 20 mm passes
// at a height of 0,01 m.
void LimitDiameter(VfEstimate& e, float d, float halfWaveMm, float twiceHeightMm) {
  e.diameter = d;
  e.limit = DiameterLimit::None;
  if (d < kMinimumDiameter) {
    e.diameter = kMinimumDiameter;
    e.limit = DiameterLimit::Minimum;
  } else if (d > twiceHeightMm) {
    e.limit = DiameterLimit::TwiceHeight;
    e.diameter = twiceHeightMm;
  } else if (d > halfWaveMm) {
    e.limit = DiameterLimit::HalfWavelength;
    e.diameter = halfWaveMm;
  }
}

}  // namespace

VfEstimate EstimateVelocityFactor(float f, float h, float d, bool groundCorrection, float koeffDipol) {
  VfEstimate e;
  float halfWaveMm = 0;
  float twiceHeightMm = 0;
  SkipOnError([&] { halfWaveMm = ToSingle(Divide(Divide(300000.0, f), 2.0)); });
  SkipOnError([&] { twiceHeightMm = ToSingle(h * 2000.0); });
  SkipOnError([&] { LimitDiameter(e, d, halfWaveMm, twiceHeightMm); });
  SkipOnError([&] { e.slendernessPercent = SlendernessShorteningPercent(f, e.diameter); });
  SkipOnError([&] { e.heightPercent = HeightShorteningPercent(f, h, groundCorrection); });
  SkipOnError([&] {
    const double remaining = (100.0 - e.heightPercent) * (100.0 - e.slendernessPercent) / 10000.0;
    e.vf = ToSingle(remaining + (Divide(f, 150.0) - Divide(f, koeffDipol)) * 0.5);
  });
  return e;
}

}  // namespace zb
