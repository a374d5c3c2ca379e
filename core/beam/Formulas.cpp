#include "core/beam/Formulas.h"

#include <cmath>

#include "core/numbers/CheckedMath.h"
#include "core/numbers/NumberText.h"
#include "core/numbers/SkipOnError.h"
#include "core/shared/ModuleState.h"
#include "core/shared/VfWindowState.h"

namespace zb {

double InsulationShortening(float er, float outer, float conductor, float vf) {
  const double a = 1.0 - Divide(1.0, SquareRoot(er));
  const double l1 = Ln(1000.0 * conductor);
  double t = static_cast<double>(outer) - conductor;
  if (t < 0.001) t = 0.001;
  const double l2 = Ln(1000.0 * t);
  return Divide(Checked(a * l1 * l2), 1623.3333 * vf);
}

float HeightShorteningPercent(float f, float h, bool groundCorrection) {
  const double k = groundCorrection ? 2.1 : 2.0;
  float x = 0.0f;
  double y = 0.0;
  double z = 0.0;
  float w = 0.0f;
  SkipOnError([&] { x = ToSingle(Divide(h, Divide(300.0, f))); });
  SkipOnError([&] { y = Divide(1.9 * kPi * x, std::sqrt(2.0)); });
  SkipOnError([&] {
    z = Checked(Divide(std::sin(3.46 * y), y) + Divide(std::cos(kPi * y), 2.0 * Power(y, 2)) -
                Divide(std::sin(k * y), 4.0 * Power(y, 3)));
  });
  SkipOnError([&] { w = ToSingle(std::fabs(4.6 - 3.45 * z)); });
  SkipOnError([&] {
    if (w > 10.0f) w = ToSingle((10.0 - 2.302585) + Ln(w));
  });
  return x > 0.0f ? w : 0.0f;
}

float SlendernessShorteningPercent(float f, float d) {
  const double ratio = Divide(Divide(300.0, f), Divide(d, 1000.0));
  return ToSingle(Divide(27.182818286, Ln(ratio)));
}

float EffectiveShorteningPercent(float f, float d, float fallback, VfWindowState& vfWindow,
                                 const ModuleState& state) {
  if (!vfWindow.IsActive()) return fallback;
  const bool ground = vfWindow.GroundCorrection();
  const float height = ParseNumber(vfWindow.HeightText());
  if (d == 0.0f) d = ParseNumber(vfWindow.DiameterText());
  const float a = HeightShorteningPercent(f, height, ground);
  const float b = SlendernessShorteningPercent(f, d);
  const float remaining = ToSingle(Divide((100.0 - a) * (100.0 - b), 10000.0));
  const float total = ToSingle((1.0 - remaining) * 100.0);
  const float c = ToSingle((Divide(f, 150.0) - Divide(f, state.KoeffDipol)) * 0.5 * 100.0);
  return ToSingle(static_cast<double>(total) - c);
}

float CouplingSpacing(float z, float f, float dExciter, float dDipol, double isolierVf) {
  float lambda = 0.0f;
  double x = 0.0;
  double y = 0.0;
  float spacing = 0.0f;
  SkipOnError([&] { lambda = ToSingle(Divide(300.0, f) * (1.0 - 2.0 * isolierVf)); });
  SkipOnError([&] { x = Divide(Divide(1.27 * dExciter + Divide(dDipol, 1.27), 8000.0), lambda); });
  if (!(x > 0.0)) return 0.0f;
  SkipOnError([&] { y = Log10(x); });
  SkipOnError([&] { spacing = ToSingle(Power(10.0, 0.54 * y) * Divide(z, 72.0) * lambda * 1000.0); });
  return spacing;
}

double Log10(double x) { return Divide(Ln(x), std::log(10.0)); }

}  // namespace zb
