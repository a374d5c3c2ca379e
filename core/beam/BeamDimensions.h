#pragma once
// Every dimension of the three-element wire beam, in metres, from the design
// frequency, the wire's velocity factor and the insulation share.

namespace zb {

struct BeamDimensions {
  float lD = 0, lDs = 0;            // director
  float lS = 0, lSs = 0;            // dipole (driven element)
  float lR = 0, lRs = 0;            // reflector
  float A1 = 0, A2 = 0, A3 = 0;     // spacings; A3 for two spreaders
  float AQ1 = 0, AQ2 = 0, AQ3 = 0;  // spacings for three spreaders
  float Bv = 0, Bm = 0, Bh = 0;     // widths; Bm for three spreaders only
  float lBoom = 0;
  float C = 0;         // boom extension, two spreaders only
  float geslBoom = 0;  // total boom length
};

// The wavelength the wire lengths are cut for: (1 - 2 * isolierVf) * 300 / f.
double CorrectedWavelength(float f, double isolierVf);

// All dimensions; f must be positive. koeffDipol is the shared dipole coefficient.
BeamDimensions DimensionBeam(float f, float vf, double isolierVf, bool dreiQuertraeger, float koeffDipol);

// Values derived where they are shown, in 8-byte precision.
double SpreaderLength(float width);                  // one spreader per width: B + 0.05
double LargestWidth(const BeamDimensions& d);        // Bh + 0.05
double ClearanceAboveBelow(double lambda);           // 0.08 * lambda
double ClearanceRear(double lambda);                 // 0.1673 * lambda
double BoomWithEnds(const BeamDimensions& d);        // three spreaders: lBoom + 0.015
double BoomWithExtensions(const BeamDimensions& d);  // two spreaders: 2 * C + lBoom

}  // namespace zb
