#include "ui/print/PrintSteps.h"

#include <exception>

#include "core/numbers/RuntimeError.h"
#include "core/numbers/StepRunner.h"
#include "core/shared/MessageTexts.h"

namespace zb::ui {

bool RunPrintSteps(zb::Platform& platform, const std::vector<PrintStep>& steps) {
  std::vector<NamedStep> named;
  named.reserve(steps.size());
  for (const PrintStep& step : steps) {
    named.push_back({step.name, [&step] {
                       try {
                         step.run();
                       } catch (const RuntimeError&) {
                         throw;
                       } catch (const std::exception&) {
                         // Whatever else fails is shown in the box too rather
                         // than ending the program.
                         throw RuntimeError(-1);
                       }
                       return StepEnd::Next;
                     }});
  }
  const ErrorTrap trap{PrintErrorTitle(), false, true, {}};
  return RunSteps(named, platform, trap).outcome != StepRun::Aborted;
}

}  // namespace zb::ui
