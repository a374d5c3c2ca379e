#pragma once
// The platform of the command line: nobody sits at a window, so questions get
// the answer chosen on the command line, error boxes get "Abbrechen", and
// beeps and pointers do nothing. What would have been shown is kept.

#include <vector>

#include "core/shared/Platform.h"

namespace zb {

class CliPlatform final : public Platform {
 public:
  explicit CliPlatform(bool answerYes) : answerYes_(answerYes) {}

  MsgResult MessageBox(const std::string& prompt, MsgButtons buttons, MsgIcon,
                       const std::string& title) override {
    shown_.push_back(title + ": " + prompt);
    switch (buttons) {
      case MsgButtons::YesNo:
        return answerYes_ ? MsgResult::Yes : MsgResult::No;
      case MsgButtons::AbortRetryIgnore:
        return MsgResult::Abort;
      case MsgButtons::OkCancel:
        return MsgResult::Cancel;
      case MsgButtons::Ok:
        break;
    }
    return MsgResult::Ok;
  }
  std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  void Beep() override {}
  void DoEvents() override {}
  void SetHourglass(bool) override {}

  // "title: prompt" of every message box, in order.
  const std::vector<std::string>& Shown() const { return shown_; }

 private:
  bool answerYes_;
  std::vector<std::string> shown_;
};

}  // namespace zb
