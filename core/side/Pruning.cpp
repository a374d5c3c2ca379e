#include "core/side/Pruning.h"

#include "core/numbers/CheckedMath.h"
#include "core/numbers/SkipOnError.h"
#include "core/shared/ModuleState.h"

namespace zb {

const char* PruningStatusName(PruningStatus status) {
  switch (status) {
    case PruningStatus::LengthMissing:
      return "LengthMissing";
    case PruningStatus::MeasuredMissing:
      return "MeasuredMissing";
    case PruningStatus::WantedMissing:
      return "WantedMissing";
    case PruningStatus::RatioOutOfRange:
      return "RatioOutOfRange";
    case PruningStatus::Ok:
      break;
  }
  return "Ok";
}

PruningResult ComputePruning(float lS, float fIst, float fSoll, const ModuleState& state) {
  PruningResult r;
  // A length or frequency of 0 or below counts as missing: a negative entry
  // ("-10,8") would give a negative VF gesamt and the advice to lengthen
  // the wire.
  if (IsMissingPruningInput(lS))
    r.status = PruningStatus::LengthMissing;
  else if (IsMissingPruningInput(fIst))
    r.status = PruningStatus::MeasuredMissing;
  else if (IsMissingPruningInput(fSoll))
    r.status = PruningStatus::WantedMissing;
  if (r.status != PruningStatus::Ok) return r;

  // The 8-byte ratio of the two 4-byte frequencies against 8-byte bounds.
  const double ratio = static_cast<double>(fIst) / fSoll;
  if (!(ratio >= kLowestPruningRatio && ratio <= kHighestPruningRatio)) {
    r.status = PruningStatus::RatioOutOfRange;
    return r;
  }
  SkipOnError([&] { r.vfGesamt = ToSingle(Divide(static_cast<double>(lS) * fIst, state.KoeffDipol)); });
  SkipOnError([&] { r.lengthNew = ToSingle(Divide(state.KoeffDipol, fSoll) * r.vfGesamt); });
  SkipOnError([&] { r.changeS = ToSingle((static_cast<double>(r.lengthNew) - lS) * 1000.0); });
  SkipOnError([&] { r.changeR = ToSingle(static_cast<double>(r.changeS) * state.FaktorReflektor); });
  SkipOnError([&] { r.changeD = ToSingle(static_cast<double>(r.changeS) * state.FaktorDirektor); });
  return r;
}

}  // namespace zb
