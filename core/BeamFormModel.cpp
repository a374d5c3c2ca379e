#include "core/BeamFormModel.h"

#include "core/BeamFormControls.h"
#include "core/BeamFormRules.h"
#include "core/Insulation.h"
#include "core/NumberText.h"
#include "core/Platform.h"

namespace zb {

void BeamFormModel::Form_Load() {
  form_.SetText1(LoadedFrequencyText());
  form_.SetCombo1Text(AirMaterialText());
  form_.SetText6(kBeamFormEntries.outerDiameter);
  form_.SetText7(kBeamFormEntries.conductorDiameter);
  form_.SetSpinnerValue(kBeamFormEntries.spinner);
  for (int i = 0; i < kBandOther; ++i)
    form_.SetOption2Caption(i, ShownBandCaption(kBandCaptions[static_cast<std::size_t>(i)]));
}

void BeamFormModel::Form_Activate() {
  form_.SetFrameStatus("Status: Berechnung eines Zelvar-Beam");
  form_.SetSpinnerValue(SpinnerValueOnActivate(ParseNumber(form_.GetText4())));
}

void BeamFormModel::Text4_LostFocus() {
  const Text4Leave leave = LeaveVelocityFactor(form_.GetText4());
  switch (leave.kind) {
    case Text4Leave::SetSpinner:
      form_.SetSpinnerValue(leave.spinnerValue);
      return;
    case Text4Leave::ExactlyOne:  // an ideal wire: no insulation
      form_.SetCombo1Text(kIdealWireCombo);
      form_.SetDiametersEnabled(false);
      break;
    case Text4Leave::OutOfRange:
      form_.SetInfoCaption(kVelocityFactorNote);
      form_.SetText4(kTypicalVelocityFactor);
      break;
  }
  platform_.Beep();
  platform_.DoEvents();
}

void BeamFormModel::VkSteller_GotFocus() {
  form_.SetSpinnerValue(SpinnerValueFor(ParseNumber(form_.GetText4())));
  platform_.DoEvents();
}

// A spinner click always moves the velocity factor one thousandth from the
// value standing in the box, also after the user typed a new value there.
void BeamFormModel::VkSteller_Change() {
  const int value = form_.SpinnerValue();
  if (const std::optional<int> rebased = RebasedSpinnerValue(value, lastVkStellerValue_, form_.GetText4()))
    form_.SetSpinnerValue(*rebased);  // raises this handler again
  lastVkStellerValue_ = value;
  form_.SetText4(VelocityFactorTextFor(form_.SpinnerValue()));
}

void BeamFormModel::Option2_Click(int index) {
  if (const auto text = BandButtonFrequencyText(form_.Option2Caption(index), form_.SelectedOption1()))
    form_.SetText1(*text);
}

void BeamFormModel::Option1_Click(int index) {
  if (const auto text = SegmentButtonFrequencyText(form_.GetText1(), index)) form_.SetText1(*text);
}

void BeamFormModel::Combo1_Click(int index) { form_.SetDiametersEnabled(MaterialEnablesDiameters(index)); }

void BeamFormModel::Combo1_KeyUp() {
  form_.SetDiametersEnabled(CountsAsInsulated(ParseNumber(form_.GetCombo1Text())));
}

void BeamFormModel::Text7_Change() {
  if (const auto outer = CoupledOuterDiameter(form_.GetText7(), form_.GetText6())) form_.SetText6(*outer);
}

}  // namespace zb
