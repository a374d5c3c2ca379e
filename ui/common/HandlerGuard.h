#pragma once
// No exception may leave an event handler: a number beyond the 4-byte range
// in a box, or any other failure, ends only the handler that met it. The user
// sees it in the " Fehler " box and the program goes on.

#include <exception>
#include <string>
#include <utility>

#include "core/shared/Platform.h"

namespace zb::ui {

// What the " Fehler " box says about the exception that ended a handler:
// an overflow asks for smaller values, a run-time error gives its
// description, anything else the general error text.
std::string HandlerErrorText(const std::exception_ptr& error, const std::string& lineBreak);

// Shows the exception that ended a handler (exclamation icon, OK). Never throws.
void ShowHandlerError(zb::Platform& platform, const std::exception_ptr& error,
                      const std::string& lineBreak) noexcept;

// Runs an event handler; an exception ends the handler and is shown.
template <typename Handler>
void RunHandler(zb::Platform& platform, const std::string& lineBreak, Handler&& handler) noexcept {
  try {
    handler();
  } catch (...) {
    ShowHandlerError(platform, std::current_exception(), lineBreak);
  }
}

// What a window runs each of its event handlers through: the one guard
// every window uses, made once with the program's platform and line break.
class HandlerGuard {
 public:
  HandlerGuard(zb::Platform& platform, const std::string& lineBreak)
      : platform_(platform), lineBreak_(lineBreak) {}

  template <typename Handler>
  void operator()(Handler&& handler) const noexcept {
    RunHandler(platform_, lineBreak_, std::forward<Handler>(handler));
  }

  // A slot for connect() that runs a window's handler through the guard;
  // the guard is the window's own, so it lives as long as the connection.
  template <typename Window, typename... Args>
  auto Slot(Window* window, void (Window::*handler)(Args...)) const {
    return [this, window, handler](Args... args) { (*this)([&] { (window->*handler)(args...); }); };
  }

 private:
  zb::Platform& platform_;
  const std::string& lineBreak_;
};

}  // namespace zb::ui
