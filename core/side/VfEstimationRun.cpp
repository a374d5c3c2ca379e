#include "core/side/VfEstimationRun.h"

#include <string>

#include "core/numbers/NumberText.h"
#include "core/numbers/SkipOnError.h"
#include "core/shared/ModuleState.h"
#include "core/shared/Platform.h"
#include "core/shared/VfWindowState.h"
#include "core/side/VfFormAccess.h"
#include "core/side/VfFormRules.h"

namespace zb {

namespace {

// Plausible shortening ranges in percent; values outside are shown red.
constexpr float kSlendernessLow = 2.0f, kSlendernessHigh = 9.0f;
constexpr float kHeightLow = 2.0f, kHeightHigh = 10.0f;

TextColour RedOutside(float value, float low, float high) {
  return value >= low && value <= high ? TextColour::Black : TextColour::Red;
}

float ReadBox(const std::string& text) {
  float value = 0;
  SkipOnError([&] { value = ParseNumber(text); });
  return value;
}

void ShowDiameterLimit(VfFormAccess& form, const VfEstimate& e, Platform& platform) {
  switch (e.limit) {
    case DiameterLimit::None:
      form.SetDiameterColour(TextColour::Black);
      return;
    case DiameterLimit::Minimum:
      platform.Beep();
      form.SetDiameterColour(TextColour::Red);
      form.SetDiameterText(FormatGeneral(kMinimumDiameter));
      return;
    case DiameterLimit::TwiceHeight:
    case DiameterLimit::HalfWavelength:
      platform.Beep();
      form.SetDiameterColour(TextColour::Red);
      form.SetDiameterText(FormatNumber(e.diameter, "#####0.0"));
      return;
  }
}

}  // namespace

VfEstimationOutcome RunVfEstimation(VfFormAccess& form, const ModuleState& state, Platform& platform) {
  VfEstimationOutcome outcome;
  const bool groundCorrection = form.GroundCorrection();
  const float f = ReadBox(form.FrequencyText());
  if (f == 0.0f) {
    platform.Beep();
    form.FocusFrequency();
    return outcome;
  }
  const float h = ReadBox(form.HeightText());
  if (h < kMinimumHeight) {
    form.SetHeightText(kMinimumHeightText);
    platform.Beep();
    form.FocusHeight();
    return outcome;
  }
  const float d = ReadBox(form.DiameterText());

  const VfEstimate e = EstimateVelocityFactor(f, h, d, groundCorrection, state.KoeffDipol);
  outcome.estimate = e;
  ShowDiameterLimit(form, e, platform);
  // The colour bounds apply to the unrounded percentages.
  form.SetSlendernessColour(RedOutside(e.slendernessPercent, kSlendernessLow, kSlendernessHigh));
  form.SetSlenderness(FormatNumber(e.slendernessPercent, "#0.0"));
  form.SetHeightShareColour(RedOutside(e.heightPercent, kHeightLow, kHeightHigh));
  form.SetHeightShare(FormatNumber(e.heightPercent, "#0.0"));
  form.SetEstimatedVf(e.vf);
  form.SetEstimate(FormatNumber(e.vf, "0.00#"));
  if (form.TakeOverVfChecked()) HandOverVf(form);
  form.SetBeamFormConductorDiameter(form.DiameterText());
  form.MovePrintTitleToButton();
  form.SetStatus(VfWindowStatus::Estimated);
  outcome.completed = true;
  return outcome;
}

}  // namespace zb
