#include "core/beam/BeamFormRules.h"

#include <algorithm>

#include "core/beam/BandTable.h"
#include "core/numbers/CheckedMath.h"
#include "core/numbers/NumberText.h"

namespace zb {

namespace {

std::optional<std::string> DesignFrequencyText(std::int16_t segment, float f) {
  const float r = BandDesignFrequency(segment, f);
  if (!(r > 0.0f)) return std::nullopt;
  return FormatNumber(r, "##0.0##");
}

// The nearest integer, ties to even, saturated to the 16-bit range.
int Nearest(double value) {
  std::int16_t nearest = 0;
  if (!RoundToInt16(value, nearest)) return value < 0 ? -32768 : 32767;
  return nearest;
}

int ClampToSpinner(int value) { return std::clamp(value, 0, kSpinnerMax); }

}  // namespace

std::int16_t SegmentOfOption1(int selectedOption1) {
  return selectedOption1 >= 0 && selectedOption1 <= 2 ? static_cast<std::int16_t>(selectedOption1 + 1) : 0;
}

std::optional<std::string> BandButtonFrequencyText(std::string_view caption, int selectedOption1) {
  return DesignFrequencyText(SegmentOfOption1(selectedOption1), ParseNumber(caption));
}

std::optional<std::string> SegmentButtonFrequencyText(std::string_view text1, int index) {
  return DesignFrequencyText(static_cast<std::int16_t>(index + 1), ParseNumber(text1));
}

std::string ShownBandCaption(std::string_view designCaption) {
  const float value = ParseNumber(designCaption);
  return value == 0.0f ? std::string(designCaption) : FormatGeneral(value);
}

int SpinnerValueFor(float vf) { return ClampToSpinner(Nearest((1.0 - vf) * 1000.0)); }

int SpinnerValueOnActivate(float vf) { return ClampToSpinner(kSpinnerMax - Nearest(vf * 1000.0)); }

std::string VelocityFactorTextFor(int spinnerValue) {
  return FormatNumber(1.0 - spinnerValue / 1000.0, "0.00##");
}

VelocityFactorLeave LeaveVelocityFactor(std::string_view velocityFactorText) {
  const float vf = ParseNumber(velocityFactorText);
  if (vf == 1.0f) return {VelocityFactorLeave::ExactlyOne};
  if (vf > 0.0f && vf <= 1.0f) return {VelocityFactorLeave::SetSpinner, SpinnerValueFor(vf)};
  return {VelocityFactorLeave::OutOfRange};
}

std::optional<int> RebasedSpinnerValue(int value, int lastValue, std::string_view velocityFactorText) {
  const int c = Nearest((1.0 - ParseNumber(velocityFactorText)) * 1000.0);
  if (value >= c - 1 && value <= c + 1) return std::nullopt;
  // The box was typed into since the spinner last moved: apply the step to
  // the value standing in the box.
  const int rebased = std::clamp(c + (value - lastValue), 0, kSpinnerMax);
  if (rebased == value) return std::nullopt;
  return rebased;
}

bool IsLowVelocityFactor(std::string_view velocityFactorText) {
  return ParseNumber(velocityFactorText) < kLowVelocityFactor;
}

}  // namespace zb
