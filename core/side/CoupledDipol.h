#pragma once
// A radiation-coupled additional dipole hung beside a driven (exciter) dipole:
// its wire length for the wanted resonance and the spacing between the wires
// that gives the wanted feed-point impedance on that frequency.

namespace zb {

class VfWindowState;
struct ModuleState;

// Ok, or the reason to stop, in the order they are tested.
enum class CoupledDipolStatus {
  ExciterFrequencyMissing,
  WantedFrequencyMissing,
  ImpedanceMissing,
  ExciterDiameterMissing,
  DipolDiameterMissing,
  VfMissing,
  ExciterDiameterTooLarge,
  SpacingTooSmall,
  Ok,
};
const char* CoupledDipolStatusName(CoupledDipolStatus status);

struct CoupledDipolResult {
  CoupledDipolStatus status = CoupledDipolStatus::Ok;
  bool belowExciter = false;       // fZ < fE: only a warning
  float exciterDiameterLimit = 0;  // mm, largest exciter diameter allowed
  float roughSpacing = 0;          // mm, rough clear spacing A0
  float exciterVf = 0;             // exciter velocity factor after the calculation
  float spacing = 0;               // mm, between the antenna wires
  float length = 0;                // m, wire of the additional dipole
};

struct CoupledDipolInputs {
  float fE = 0;   // MHz, lowest resonance of the exciter
  float fZ = 0;   // MHz, wanted resonance of the additional dipole
  float z = 0;    // ohm, wanted feed-point impedance
  float dE = 0;   // mm, exciter wire
  float dZ = 0;   // mm, additional dipole's wire
  float vfE = 0;  // velocity factor of the exciter's wire
};

// The status for the first missing (zero) input, or Ok when none is missing.
CoupledDipolStatus FirstMissingInput(const CoupledDipolInputs& in);

// Reads IsolierVf and, while the velocity-factor window holds a current
// estimate, its height, ground switch and the estimate's corrections.
// Arithmetic failures (a logarithm of a non-positive value, a corrected
// wavelength of 0, an overflow) are raised to the caller.
CoupledDipolResult ComputeCoupledDipol(const CoupledDipolInputs& in, VfWindowState& vfWindow,
                                       const ModuleState& state);

}  // namespace zb
