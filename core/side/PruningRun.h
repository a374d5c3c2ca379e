#pragma once
// "&Rechnen" in the pruning window: reads the measured length, the measured
// and the wanted resonance and shows the new length, the velocity factor and
// the changes of the three elements.

#include "core/side/Pruning.h"

namespace zb {

class Platform;
class VfFormAccess;
struct ModuleState;

// A missing input or an implausible ratio beeps, moves the focus to the box
// to correct and changes nothing else; the status tells which.
PruningResult RunPruning(VfFormAccess& form, const ModuleState& state, Platform& platform);

// After a new measured resonance was put into its box: the advice on show
// belonged to the old one, and in a measure-cut-measure loop it would invite a
// second cut. Computes it again when the other boxes allow, silently, and
// clears the results otherwise.
PruningResult RefreshPruning(VfFormAccess& form, const ModuleState& state);

// Positive changes print with "+ ", negative ones with "- ".
inline constexpr const char* kChangeMask = "+ ##0.0;- ##0.0";

}  // namespace zb
