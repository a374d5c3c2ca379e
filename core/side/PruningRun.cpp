#include "core/side/PruningRun.h"

#include <string>

#include "core/numbers/NumberText.h"
#include "core/numbers/SkipOnError.h"
#include "core/shared/ModuleState.h"
#include "core/shared/Platform.h"
#include "core/side/VfFormAccess.h"
#include "core/side/VfFormRules.h"

namespace zb {

namespace {

float ReadBox(const std::string& text) {
  float value = 0;
  SkipOnError([&] { value = ParseNumber(text); });
  return value;
}

// Each box is read just before its check: a missing length stops the run
// before the frequencies are read.
PruningResult ReadAndCompute(VfFormAccess& form, const ModuleState& state) {
  const float lS = ReadBox(form.MeasuredLengthText());
  if (IsMissingPruningInput(lS)) return ComputePruning(lS, 0, 0, state);
  const float fIst = ReadBox(form.MeasuredResonanceText());
  if (IsMissingPruningInput(fIst)) return ComputePruning(lS, fIst, 0, state);
  return ComputePruning(lS, fIst, ReadBox(form.WantedResonanceText()), state);
}

void FocusBoxToCorrect(VfFormAccess& form, PruningStatus status) {
  if (status == PruningStatus::LengthMissing)
    form.FocusMeasuredLength();
  else if (status == PruningStatus::MeasuredMissing)
    form.FocusMeasuredResonance();
  else
    form.FocusWantedResonance();
}

void ShowResults(VfFormAccess& form, const PruningResult& r) {
  // A velocity factor above 1 is impossible, usually a wrongly measured length.
  form.SetVfGesamtColour(r.vfGesamt > 1.0f ? TextColour::Red : TextColour::Black);
  form.SetVfGesamt(FormatNumber(r.vfGesamt, "0.00#"));
  form.SetNewLength(FormatNumber(r.lengthNew, "##0.00#"));
  form.SetRadiatorChange(FormatNumber(r.changeS, kChangeMask));
  form.SetReflectorChange(FormatNumber(r.changeR, kChangeMask));
  form.SetDirectorChange(FormatNumber(r.changeD, kChangeMask));
  form.SetStatus(VfWindowStatus::Pruned);
}

void ClearResults(VfFormAccess& form) {
  form.SetVfGesamtColour(TextColour::Black);
  for (void (VfFormAccess::*set)(const std::string&) :
       {&VfFormAccess::SetVfGesamt, &VfFormAccess::SetNewLength, &VfFormAccess::SetRadiatorChange,
        &VfFormAccess::SetReflectorChange, &VfFormAccess::SetDirectorChange})
    (form.*set)("");
  form.SetStatus(VfWindowStatus::Empty);
}

}  // namespace

PruningResult RunPruning(VfFormAccess& form, const ModuleState& state, Platform& platform) {
  const PruningResult r = ReadAndCompute(form, state);
  if (r.status != PruningStatus::Ok) {
    platform.Beep();
    FocusBoxToCorrect(form, r.status);
    return r;
  }
  ShowResults(form, r);
  return r;
}

PruningResult RefreshPruning(VfFormAccess& form, const ModuleState& state) {
  const PruningResult r = ReadAndCompute(form, state);
  if (r.status == PruningStatus::Ok)
    ShowResults(form, r);
  else
    ClearResults(form);
  return r;
}

}  // namespace zb
