#include "core/numbers/StepRunner.h"

#include "core/shared/Platform.h"

namespace zb {

namespace {

MsgResult ShowErrorBox(Platform& platform, const ErrorTrap& trap, const RuntimeError& error) {
  const std::string prompt = trap.prompt ? trap.prompt(error) : error.Description();
  const std::string title = trap.numberInTitle ? trap.title + NumberText(error.Number()) : trap.title;
  if (trap.hourglass) platform.SetHourglass(false);
  return platform.MessageBox(prompt, MsgButtons::AbortRetryIgnore, MsgIcon::Exclamation, title);
}

}  // namespace

StepRun RunSteps(const std::vector<NamedStep>& steps, Platform& platform, const ErrorTrap& trap) {
  StepRun run;
  for (std::size_t i = 0; i < steps.size();) {
    try {
      if (steps[i].run() == StepEnd::EndRun) {
        run.outcome = StepRun::EndedEarly;
        return run;
      }
      ++i;
    } catch (const RuntimeError& error) {
      run.lastError = error;
      run.lastErrorStep = steps[i].name;
      const MsgResult answer = ShowErrorBox(platform, trap, error);
      if (answer == MsgResult::Abort) {
        run.outcome = StepRun::Aborted;
        return run;
      }
      if (trap.hourglass) platform.SetHourglass(true);
      if (answer == MsgResult::Ignore) ++i;  // Retry runs the same step again
    }
  }
  return run;
}

}  // namespace zb
