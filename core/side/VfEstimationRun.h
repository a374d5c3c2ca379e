#pragma once
// "&Rechnen" in the velocity-factor window: reads the three boxes, estimates
// the velocity factor and shows it, with beeps, focus moves and red values
// for what was limited or is implausible.

#include "core/side/VfEstimator.h"

namespace zb {

class Platform;
class VfFormAccess;
struct ModuleState;

struct VfEstimationOutcome {
  bool completed = false;  // false: stopped at the frequency or the height
  VfEstimate estimate;
};

// A step whose arithmetic fails (a number beyond the 4-byte range in a box,
// an overflow) is skipped; its value stays 0 and the run goes on.
VfEstimationOutcome RunVfEstimation(VfFormAccess& form, const ModuleState& state, Platform& platform);

// The smallest height the estimate accepts, m, and the text written back for it.
inline constexpr float kMinimumHeight = 0.01f;
inline constexpr const char* kMinimumHeightText = "0,01";

}  // namespace zb
