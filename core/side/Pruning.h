#pragma once
// Pruning a built beam: from the measured dipole length lS (m), its measured
// resonance fIst and the wanted resonance fSoll (MHz), the velocity factor the
// dipole really has, its new length and the changes of all three elements.

namespace zb {

struct ModuleState;

// Ok, or the input to correct.
enum class PruningStatus { Ok, LengthMissing, MeasuredMissing, WantedMissing, RatioOutOfRange };
const char* PruningStatusName(PruningStatus status);

struct PruningResult {
  PruningStatus status = PruningStatus::Ok;
  float vfGesamt = 0;   // velocity factor of the built dipole
  float lengthNew = 0;  // m, new dipole length lS
  float changeS = 0;    // mm, positive: lengthen
  float changeR = 0;    // mm, reflector
  float changeD = 0;    // mm, director
};

// The measured resonance may lie at most 30 % above or 34 % below the wanted one.
inline constexpr double kLowestPruningRatio = 0.66;
inline constexpr double kHighestPruningRatio = 1.3;

// The first failing check decides the status; the values stay 0 then. A
// step whose arithmetic fails is skipped and the next one goes on.
PruningResult ComputePruning(float lS, float fIst, float fSoll, const ModuleState& state);

// A pruning input of 0 or below (or not a number) counts as missing.
inline bool IsMissingPruningInput(float value) { return !(value > 0.0f); }

}  // namespace zb
