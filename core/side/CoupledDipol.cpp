#include "core/side/CoupledDipol.h"

#include "core/beam/Formulas.h"
#include "core/numbers/CheckedMath.h"
#include "core/numbers/NumberText.h"
#include "core/shared/ModuleState.h"
#include "core/shared/VfWindowState.h"

namespace zb {

const char* CoupledDipolStatusName(CoupledDipolStatus status) {
  switch (status) {
    case CoupledDipolStatus::ExciterFrequencyMissing:
      return "ExciterFrequencyMissing";
    case CoupledDipolStatus::WantedFrequencyMissing:
      return "WantedFrequencyMissing";
    case CoupledDipolStatus::ImpedanceMissing:
      return "ImpedanceMissing";
    case CoupledDipolStatus::ExciterDiameterMissing:
      return "ExciterDiameterMissing";
    case CoupledDipolStatus::DipolDiameterMissing:
      return "DipolDiameterMissing";
    case CoupledDipolStatus::VfMissing:
      return "VfMissing";
    case CoupledDipolStatus::ExciterDiameterTooLarge:
      return "ExciterDiameterTooLarge";
    case CoupledDipolStatus::SpacingTooSmall:
      return "SpacingTooSmall";
    case CoupledDipolStatus::Ok:
      break;
  }
  return "Ok";
}

CoupledDipolStatus FirstMissingInput(const CoupledDipolInputs& in) {
  if (in.fE == 0.0f) return CoupledDipolStatus::ExciterFrequencyMissing;
  if (in.fZ == 0.0f) return CoupledDipolStatus::WantedFrequencyMissing;
  if (in.z == 0.0f) return CoupledDipolStatus::ImpedanceMissing;
  if (in.dE == 0.0f) return CoupledDipolStatus::ExciterDiameterMissing;
  if (in.dZ == 0.0f) return CoupledDipolStatus::DipolDiameterMissing;
  if (in.vfE == 0.0f) return CoupledDipolStatus::VfMissing;
  return CoupledDipolStatus::Ok;
}

CoupledDipolResult ComputeCoupledDipol(const CoupledDipolInputs& in, VfWindowState& vfWindow,
                                       const ModuleState& state) {
  CoupledDipolResult r;
  r.status = FirstMissingInput(in);
  if (r.status != CoupledDipolStatus::Ok) return r;
  r.belowExciter = in.fZ < in.fE;

  // The corrected wavelength at the wanted frequency, 8-byte.
  const double lambdaK = Divide((1.0 - 2.0 * state.IsolierVf) * 300.0, in.fZ);
  // Without a current estimate the height is so large that its limit never applies.
  const double h = vfWindow.IsActive() ? ParseNumber(vfWindow.HeightText()) : Checked(lambdaK * 100.0);

  const double sumOfDiameters = static_cast<double>(in.dZ) + in.dE;
  const double roughCentreSpacing =
      Divide(in.z, 72.0) * Power(10.0, 0.54 * Log10(Divide(Divide(sumOfDiameters, 8000.0), lambdaK))) *
      lambdaK * 1000.0;

  r.exciterDiameterLimit = ToSingle(h * 1000.0 / 2.0);
  if (in.dE > r.exciterDiameterLimit) {
    r.status = CoupledDipolStatus::ExciterDiameterTooLarge;
    return r;
  }
  r.roughSpacing = ToSingle(roughCentreSpacing / 2.0 - (static_cast<double>(in.dE) + in.dZ) / 2.0);
  if (in.dZ >= r.roughSpacing) {
    r.status = CoupledDipolStatus::SpacingTooSmall;
    return r;
  }

  // Without a current estimate both dipoles are taken to be of the exciter's wire.
  const float fallback = ToSingle((1.0 - in.vfE) * 100.0);
  const float pE = EffectiveShorteningPercent(in.fE, in.dE, fallback, vfWindow, state);
  r.exciterVf = ToSingle(1.0 - pE / 100.0);
  const float pZ = EffectiveShorteningPercent(in.fZ, in.dZ, fallback, vfWindow, state);
  r.spacing = CouplingSpacing(in.z, in.fZ, in.dE, in.dZ, state.IsolierVf);
  r.length = ToSingle(lambdaK / 2.0 * (1.0 - pZ / 100.0));
  r.status = CoupledDipolStatus::Ok;
  return r;
}

}  // namespace zb
