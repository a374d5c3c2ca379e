#include "core/beam/BeamFormModel.h"

#include "core/beam/BeamFormControls.h"
#include "core/beam/BeamFormRules.h"
#include "core/beam/Insulation.h"
#include "core/numbers/NumberText.h"
#include "core/shared/Platform.h"

namespace zb {

void BeamFormModel::Form_Load() {
  form_.SetFrequencyText(LoadedFrequencyText());
  form_.SetPermittivityText(AirMaterialText());
  form_.SetOuterDiameterText(kBeamFormEntries.outerDiameter);
  form_.SetConductorDiameterText(kBeamFormEntries.conductorDiameter);
  form_.SetSpinnerValue(kBeamFormEntries.spinner);
  for (int i = 0; i < kBandOther; ++i)
    form_.SetBandCaption(i, ShownBandCaption(kBandCaptions[static_cast<std::size_t>(i)]));
}

void BeamFormModel::Form_Activate() {
  form_.SetFrameStatus("Status: Berechnung eines Zelvar-Beam");
  form_.SetSpinnerValue(SpinnerValueOnActivate(ParseNumber(form_.VelocityFactorText())));
}

void BeamFormModel::Text4_LostFocus() {
  const Text4Leave leave = LeaveVelocityFactor(form_.VelocityFactorText());
  switch (leave.kind) {
    case Text4Leave::SetSpinner:
      form_.SetSpinnerValue(leave.spinnerValue);
      return;
    case Text4Leave::ExactlyOne:  // an ideal wire: no insulation
      form_.SetPermittivityText(kIdealWireCombo);
      form_.SetDiametersEnabled(false);
      break;
    case Text4Leave::OutOfRange:
      form_.SetInfoCaption(kVelocityFactorNote);
      form_.SetVelocityFactorText(kTypicalVelocityFactor);
      break;
  }
  platform_.Beep();
  platform_.DoEvents();
}

void BeamFormModel::VkSteller_GotFocus() {
  form_.SetSpinnerValue(SpinnerValueFor(ParseNumber(form_.VelocityFactorText())));
  platform_.DoEvents();
}

// A spinner click always moves the velocity factor one thousandth from the
// value standing in the box, also after the user typed a new value there.
void BeamFormModel::VkSteller_Change() {
  const int value = form_.SpinnerValue();
  if (const std::optional<int> rebased =
          RebasedSpinnerValue(value, lastVkStellerValue_, form_.VelocityFactorText()))
    form_.SetSpinnerValue(*rebased);  // raises this handler again
  lastVkStellerValue_ = value;
  form_.SetVelocityFactorText(VelocityFactorTextFor(form_.SpinnerValue()));
}

void BeamFormModel::Option2_Click(int index) {
  if (const auto text = BandButtonFrequencyText(form_.BandCaption(index), form_.SelectedSegment()))
    form_.SetFrequencyText(*text);
}

void BeamFormModel::Option1_Click(int index) {
  if (const auto text = SegmentButtonFrequencyText(form_.FrequencyText(), index))
    form_.SetFrequencyText(*text);
}

void BeamFormModel::Combo1_Click(int index) { form_.SetDiametersEnabled(MaterialEnablesDiameters(index)); }

void BeamFormModel::Combo1_KeyUp() {
  form_.SetDiametersEnabled(CountsAsInsulated(ParseNumber(form_.PermittivityText())));
}

void BeamFormModel::Text7_Change() {
  if (const auto outer = CoupledOuterDiameter(form_.ConductorDiameterText(), form_.OuterDiameterText()))
    form_.SetOuterDiameterText(*outer);
}

}  // namespace zb
