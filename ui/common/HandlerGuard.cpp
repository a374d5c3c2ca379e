#include "ui/common/HandlerGuard.h"

#include "core/numbers/RuntimeError.h"
#include "core/shared/MessageTexts.h"

namespace zb::ui {

std::string HandlerErrorText(const std::exception_ptr& error, const std::string& lineBreak) {
  try {
    std::rethrow_exception(error);
  } catch (const zb::RuntimeError& runtimeError) {
    if (runtimeError.Number() == zb::kOverflow)
      return runtimeError.Description() + lineBreak + zb::SmallerValuesHint();
    return runtimeError.Description();
  } catch (...) {
    // Library texts are English and technical; the user gets the general one.
    return zb::ErrorDescription(0);
  }
}

void ShowHandlerError(zb::Platform& platform, const std::exception_ptr& error,
                      const std::string& lineBreak) noexcept {
  try {
    platform.SetHourglass(false);
    platform.MessageBox(HandlerErrorText(error, lineBreak), zb::MsgButtons::Ok, zb::MsgIcon::Exclamation,
                        zb::ErrorTitle());
  } catch (...) {
    // Nothing more can be told; the program goes on.
  }
}

}  // namespace zb::ui
