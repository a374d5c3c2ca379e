#pragma once
// What core needs from the desktop: message boxes, the text-input box, the
// system beep, one pass of pending window events and the hourglass pointer.
// The program implements it with Qt, the command line without windows, and
// tests with a scripted fake.

#include <optional>
#include <string>

namespace zb {

enum class MsgButtons { Ok, OkCancel, YesNo, AbortRetryIgnore };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgResult { Ok, Cancel, Abort, Retry, Ignore, Yes, No };

class Platform {
 public:
  virtual ~Platform() = default;

  virtual MsgResult MessageBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                               const std::string& title) = 0;
  // The typed text, or nothing when the user cancels.
  virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                              const std::string& defaultText) = 0;
  virtual void Beep() = 0;
  // Lets pending window events run once.
  virtual void DoEvents() = 0;
  // The global mouse pointer: hourglass while true, default otherwise.
  virtual void SetHourglass(bool on) = 0;
};

}  // namespace zb
