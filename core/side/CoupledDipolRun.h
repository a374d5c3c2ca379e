#pragma once
// "&Rechnen" in the coupled-dipole window: reads the six boxes, computes the
// additional dipole and shows spacing and length, with beeps, focus moves and
// the limits written back into their boxes.

#include <optional>

#include "core/numbers/RuntimeError.h"
#include "core/side/CoupledDipol.h"
#include "core/side/ZusatzDipolFormAccess.h"

namespace zb {

class Platform;
class VfWindowState;
struct ModuleState;

struct CoupledDipolOutcome {
  // The status says where a run stopped; Ok also when an arithmetic failure
  // ended it (then `error` is set).
  CoupledDipolResult result;
  std::optional<RuntimeError> error;
};

// An arithmetic failure (negative diameters, a corrected wavelength of 0, a
// number beyond the 4-byte range) is shown in the " Fehler " box with its
// number and description; the result labels keep what they showed.
CoupledDipolOutcome RunCoupledDipol(ZusatzDipolFormAccess& form, VfWindowState& vfWindow,
                                    const ModuleState& state, Platform& platform);

// The box each input is read from, in the order the run reads and checks them.
inline constexpr ZusatzDipolBox kCoupledDipolBoxOrder[] = {
    ZusatzDipolBox::ExciterResonance, ZusatzDipolBox::WantedFrequency, ZusatzDipolBox::Impedance,
    ZusatzDipolBox::ExciterDiameter,  ZusatzDipolBox::DipoleDiameter,  ZusatzDipolBox::ExciterVf};

}  // namespace zb
