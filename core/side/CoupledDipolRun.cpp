#include "core/side/CoupledDipolRun.h"

#include <array>
#include <string>

#include "core/numbers/NumberText.h"
#include "core/shared/MessageTexts.h"
#include "core/shared/ModuleState.h"
#include "core/shared/Platform.h"
#include "core/side/ZusatzDipolFormAccess.h"

namespace zb {

namespace {

std::string BoxText(ZusatzDipolFormAccess& form, ZusatzDipolBox box) {
  switch (box) {
    case ZusatzDipolBox::WantedFrequency:
      return form.WantedFrequencyText();
    case ZusatzDipolBox::ExciterResonance:
      return form.ExciterResonanceText();
    case ZusatzDipolBox::Impedance:
      return form.ImpedanceText();
    case ZusatzDipolBox::DipoleDiameter:
      return form.DipoleDiameterText();
    case ZusatzDipolBox::ExciterDiameter:
      return form.ExciterDiameterText();
    default:
      return form.ExciterVfText();
  }
}

// Reads the boxes in order, each just before its check; nullopt after the
// first missing one, which has the focus then.
std::optional<CoupledDipolInputs> ReadInputs(ZusatzDipolFormAccess& form, Platform& platform,
                                             CoupledDipolResult& result) {
  std::array<float, 6> values{};
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = ParseNumber(BoxText(form, kCoupledDipolBoxOrder[i]));
    if (values[i] != 0.0f) continue;
    result.status = static_cast<CoupledDipolStatus>(i);  // the missing statuses come first, in this order
    platform.Beep();
    form.Focus(kCoupledDipolBoxOrder[i]);
    return std::nullopt;
  }
  return CoupledDipolInputs{values[0], values[1], values[2], values[3], values[4], values[5]};
}

void ShowResult(ZusatzDipolFormAccess& form, const CoupledDipolResult& r, Platform& platform) {
  switch (r.status) {
    case CoupledDipolStatus::ExciterDiameterTooLarge:
      platform.Beep();
      form.SetExciterDiameterText(FormatNumber(r.exciterDiameterLimit, "###0.0#"));
      form.Focus(ZusatzDipolBox::ExciterDiameter);
      return;
    case CoupledDipolStatus::SpacingTooSmall:
      platform.Beep();
      if (r.roughSpacing > 0.0f) form.SetDipoleDiameterText(FormatNumber(r.roughSpacing, "###0.0#"));
      form.Focus(ZusatzDipolBox::DipoleDiameter);
      return;
    default:
      form.SetExciterVfText(FormatNumber(r.exciterVf, "0.00###"));
      form.SetSpacing(FormatNumber(r.spacing, "###0"));
      form.SetLength(FormatNumber(r.length, "###0.0##"));
      return;
  }
}

void ShowError(const RuntimeError& error, const ModuleState& state, Platform& platform) {
  std::string message = RuntimeErrorHeading() + std::to_string(error.Number()) + ": " + error.Description();
  if (error.Number() == kOverflow) message += state.Zeilenumbruch + SmallerValuesHint();
  platform.MessageBox(message, MsgButtons::Ok, MsgIcon::Exclamation, ErrorTitle());
}

}  // namespace

CoupledDipolOutcome RunCoupledDipol(ZusatzDipolFormAccess& form, VfWindowState& vfWindow,
                                    const ModuleState& state, Platform& platform) {
  CoupledDipolOutcome outcome;
  try {
    const std::optional<CoupledDipolInputs> in = ReadInputs(form, platform, outcome.result);
    if (!in) return outcome;
    if (in->fZ < in->fE) {  // the additional dipole must be the shorter one
      platform.Beep();
      form.Focus(ZusatzDipolBox::WantedFrequency);
    }
    outcome.result = ComputeCoupledDipol(*in, vfWindow, state);
    ShowResult(form, outcome.result, platform);
  } catch (const RuntimeError& error) {
    outcome.error = error;
    ShowError(error, state, platform);
  }
  return outcome;
}

}  // namespace zb
