#include "core/beam/BeamDimensions.h"

#include "core/numbers/CheckedMath.h"

namespace zb {

double CorrectedWavelength(float f, double isolierVf) {
  return Checked((1.0 - (isolierVf + isolierVf)) * Divide(300.0f, f));
}

BeamDimensions DimensionBeam(float f, float vf, double isolierVf, bool dreiQuertraeger, float koeffDipol) {
  BeamDimensions d;
  const double lambdaK = CorrectedWavelength(f, isolierVf);
  const double lambda = Divide(300.0f, f);
  // Only the three wire lengths follow the velocity factor and the insulation.
  d.lD = ToSingle(163.2318555 * lambdaK / 300.0 * vf);
  d.lDs = ToSingle(0.181254295 * lambda);
  d.lS = ToSingle(static_cast<double>(koeffDipol) * lambdaK / 300.0 * vf);
  d.lSs = ToSingle(0.182393166 * lambda);
  d.lR = ToSingle(170.7993168 * lambdaK / 300.0 * vf);
  d.lRs = ToSingle(0.184593599 * lambda);
  d.A1 = ToSingle(0.19016601 * lambda);
  d.A2 = ToSingle(0.152809947 * lambda);
  d.A3 = ToSingle(0.128252 * lambda);
  d.AQ1 = ToSingle(0.0853 * lambda);
  d.AQ2 = ToSingle(0.0753 * lambda);
  d.AQ3 = ToSingle(0.0689 * lambda);
  d.Bv = ToSingle(0.256504 * lambda);
  if (dreiQuertraeger) d.Bm = ToSingle(0.258116 * lambda);
  d.Bh = ToSingle(0.261228 * lambda);
  if (!dreiQuertraeger) {
    d.lBoom = ToSingle(0.471227957 * lambda);
    d.C = ToSingle(0.042 * lambda);
    d.geslBoom = ToSingle(BoomWithExtensions(d));
  } else {
    d.lBoom = ToSingle(0.411875957 * lambda);
    d.geslBoom = ToSingle(BoomWithEnds(d));
  }
  return d;
}

double SpreaderLength(float width) { return width + 0.05; }
double LargestWidth(const BeamDimensions& d) { return d.Bh + 0.05; }
double ClearanceAboveBelow(double lambda) { return 0.08 * lambda; }
double ClearanceRear(double lambda) { return 0.1673 * lambda; }
double BoomWithEnds(const BeamDimensions& d) { return d.lBoom + 0.015; }
double BoomWithExtensions(const BeamDimensions& d) { return 2.0 * d.C + d.lBoom; }

}  // namespace zb
