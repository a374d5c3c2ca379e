#pragma once
// The printouts run as a list of named steps under the " Druck-Fehler " box
// (core's step runner): a step that fails shows its error with Abort (the
// printout ends), Retry (the step again) and Ignore (on with the next step).
// The pointer is the default while the box shows and the hourglass again
// after Retry and Ignore.

#include <functional>
#include <vector>

namespace zb {
class Platform;
}

namespace zb::ui {

struct PrintStep {
  const char* name;
  std::function<void()> run;
};

// False when the user chose Abort.
bool RunPrintSteps(zb::Platform& platform, const std::vector<PrintStep>& steps);

}  // namespace zb::ui
