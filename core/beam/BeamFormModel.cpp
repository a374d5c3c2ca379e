#include "core/beam/BeamFormModel.h"

#include "core/beam/BeamFormControls.h"
#include "core/beam/BeamFormRules.h"
#include "core/beam/Insulation.h"
#include "core/numbers/NumberText.h"
#include "core/shared/Platform.h"
#include "core/shared/Translate.h"

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
  form_.SetFrameStatus(Tr("Status", "Status: Berechnung eines Zelvar-Beam"));
  form_.SetSpinnerValue(SpinnerValueOnActivate(ParseNumber(form_.VelocityFactorText())));
}

void BeamFormModel::OnVelocityFactorLeft() {
  const VelocityFactorLeave leave = LeaveVelocityFactor(form_.VelocityFactorText());
  switch (leave.kind) {
    case VelocityFactorLeave::SetSpinner:
      form_.SetSpinnerValue(leave.spinnerValue);
      return;
    case VelocityFactorLeave::ExactlyOne:  // an ideal wire: no insulation
      form_.SetPermittivityText(kIdealWireCombo);
      form_.SetDiametersEnabled(false);
      break;
    case VelocityFactorLeave::OutOfRange:
      form_.SetInfoCaption(Tr("BeamForm", kVelocityFactorNote));
      form_.SetVelocityFactorText(kTypicalVelocityFactor);
      break;
  }
  platform_.Beep();
  platform_.DoEvents();
}

void BeamFormModel::OnSpinnerEntered() {
  form_.SetSpinnerValue(SpinnerValueFor(ParseNumber(form_.VelocityFactorText())));
  platform_.DoEvents();
}

// A spinner click always moves the velocity factor one thousandth from the
// value standing in the box, also after the user typed a new value there.
void BeamFormModel::OnSpinnerChanged() {
  const int value = form_.SpinnerValue();
  if (const std::optional<int> rebased =
          RebasedSpinnerValue(value, lastSpinnerValue_, form_.VelocityFactorText()))
    form_.SetSpinnerValue(*rebased);  // raises this handler again
  lastSpinnerValue_ = value;
  form_.SetVelocityFactorText(VelocityFactorTextFor(form_.SpinnerValue()));
}

void BeamFormModel::OnBandClicked(int index) {
  if (const auto text = BandButtonFrequencyText(form_.BandCaption(index), form_.SelectedSegment()))
    form_.SetFrequencyText(*text);
}

void BeamFormModel::OnSegmentClicked(int index) {
  if (const auto text = SegmentButtonFrequencyText(form_.FrequencyText(), index))
    form_.SetFrequencyText(*text);
}

void BeamFormModel::OnInsulationChosen(int index) {
  form_.SetDiametersEnabled(MaterialEnablesDiameters(index));
}

void BeamFormModel::OnInsulationKeyUp() {
  form_.SetDiametersEnabled(CountsAsInsulated(ParseNumber(form_.PermittivityText())));
}

void BeamFormModel::OnConductorDiameterEdited() {
  if (const auto outer = CoupledOuterDiameter(form_.ConductorDiameterText(), form_.OuterDiameterText()))
    form_.SetOuterDiameterText(*outer);
}

}  // namespace zb
