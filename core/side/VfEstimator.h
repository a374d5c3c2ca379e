#pragma once
// The velocity factor a bare wire dipole will have, from its resonance
// frequency f (MHz), its height h above ground (m) and its conductor
// diameter d (mm), optionally with the ground correction.

namespace zb {

// Which limit changed the diameter.
enum class DiameterLimit { None, Minimum, TwiceHeight, HalfWavelength };
const char* DiameterLimitName(DiameterLimit limit);

struct VfEstimate {
  float diameter = 0;  // mm, after limiting
  DiameterLimit limit = DiameterLimit::None;
  float slendernessPercent = 0;  // shortening by wavelength / diameter
  float heightPercent = 0;       // shortening by height / wavelength
  float vf = 0;                  // not limited: above 1 is returned as it is
};

// Wires thinner than this are taken as this thick.
inline constexpr float kMinimumDiameter = 0.1f;

// Expects f != 0 and h >= 0.01 (the form checks both). A step whose
// arithmetic fails is skipped; what it would have set stays 0.
VfEstimate EstimateVelocityFactor(float f, float h, float d, bool groundCorrection, float koeffDipol);

}  // namespace zb
