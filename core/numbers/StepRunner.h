#pragma once
// A procedure as a list of named steps under one error trap: a step that
// raises a run-time error shows the error box with Abort, Retry and Ignore.
// Abort ends the procedure, Retry runs the failed step again, Ignore goes on
// with the next step. The calculation run, loading the quick view and the two
// printouts work this way.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/numbers/RuntimeError.h"

namespace zb {

class Platform;

// Next: on with the following step. EndRun: a check ended the procedure early.
enum class StepEnd { Next, EndRun };

struct NamedStep {
  std::string_view name;
  std::function<StepEnd()> run;
};

// How the error box of a procedure looks.
struct ErrorTrap {
  std::string title;           // " Fehler ", " Druck-Fehler "
  bool numberInTitle = false;  // the title followed by the error number: " Fehler  53"
  // Long procedures show the hourglass: the default pointer while the box
  // shows, the hourglass again after Retry and Ignore.
  bool hourglass = false;
  // The box's text; the error's description when not set.
  std::function<std::string(const RuntimeError&)> prompt;
};

struct StepRun {
  enum Outcome {
    Completed,   // every step ran (some perhaps skipped with "Ignorieren")
    EndedEarly,  // a step ended the procedure
    Aborted,     // "Abbrechen" in the error box
  } outcome = Completed;
  std::optional<RuntimeError> lastError;  // the last run-time error shown
  std::string_view lastErrorStep;         // and the step that raised it
};

StepRun RunSteps(const std::vector<NamedStep>& steps, Platform& platform, const ErrorTrap& trap);

}  // namespace zb
