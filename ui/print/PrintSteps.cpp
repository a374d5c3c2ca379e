#include "ui/print/PrintSteps.h"

#include <exception>
#include <string>

#include "core/Platform.h"
#include "core/RuntimeError.h"

namespace zb::ui {

namespace {

const char* const kPrintErrorTitle = " Druck-Fehler ";

// The description of what a step raised; anything but a run-time error is
// shown as the general one rather than ending the program.
std::string DescriptionOf(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const RuntimeError& e) {
    return e.Description();
  } catch (...) {
    return ErrorDescription(-1);
  }
}

}  // namespace

bool RunPrintSteps(zb::Platform& platform, const std::vector<PrintStep>& steps) {
  for (std::size_t i = 0; i < steps.size();) {
    try {
      steps[i].run();
      ++i;
      continue;
    } catch (...) {
      const std::string description = DescriptionOf(std::current_exception());
      platform.SetHourglass(false);
      const MsgResult answer =
          platform.MessageBox(description, MsgButtons::AbortRetryIgnore, MsgIcon::Exclamation, kPrintErrorTitle);
      if (answer == MsgResult::Abort) return false;
      platform.SetHourglass(true);
      if (answer == MsgResult::Ignore) ++i;
    }
  }
  return true;
}

}  // namespace zb::ui
