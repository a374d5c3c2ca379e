#include "core/numbers/CheckedMath.h"

#include <cmath>

#include "core/numbers/RuntimeError.h"

namespace zb {

double Checked(double value) {
  if (!std::isfinite(value)) Raise(kOverflow);
  return value;
}

double Divide(double a, double b) {
  if (b == 0.0) Raise(a == 0.0 ? kOverflow : kDivisionByZero);
  return Checked(a / b);
}

double Ln(double x) {
  if (!(x > 0.0)) Raise(kInvalidCall);
  return Checked(std::log(x));
}

double SquareRoot(double x) {
  if (x < 0.0) Raise(kInvalidCall);
  return std::sqrt(x);
}

double Power(double base, double exponent) {
  // A negative base with a fractional exponent has no real result.
  if (base < 0.0 && exponent != std::floor(exponent)) Raise(kInvalidCall);
  if (base == 0.0 && exponent < 0.0) Raise(kDivisionByZero);
  return Checked(std::pow(base, exponent));
}

float ToSingle(double value) {
  Checked(value);
  const float single = static_cast<float>(value);
  if (std::isinf(single)) Raise(kOverflow);
  return single;
}

}  // namespace zb
