#pragma once
// A platform for tests: records every call and answers message boxes and
// input boxes from a script. An unplanned question fails the test instead of
// waiting for a user.

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/shared/Platform.h"

namespace zb::test {

struct MessageCall {
  std::string prompt;
  MsgButtons buttons;
  MsgIcon icon;
  std::string title;
};

class ScriptedPlatform : public virtual Platform {
 public:
  std::deque<MsgResult> answers;                  // next message-box answers
  std::deque<std::optional<std::string>> inputs;  // next input-box answers
  std::vector<MessageCall> messages;
  std::vector<std::string> inputPrompts;
  std::vector<std::string> events;  // "beep", "doevents", "hourglass", "default pointer", "msgbox"
  int beeps = 0;
  int doEvents = 0;
  bool hourglass = false;

  MsgResult MessageBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                       const std::string& title) override {
    messages.push_back({prompt, buttons, icon, title});
    events.push_back("msgbox");
    if (answers.empty()) {
      ADD_FAILURE() << "unplanned message box: " << title << ": " << prompt;
      return buttons == MsgButtons::AbortRetryIgnore ? MsgResult::Abort
             : buttons == MsgButtons::YesNo          ? MsgResult::No
             : buttons == MsgButtons::OkCancel       ? MsgResult::Cancel
                                                     : MsgResult::Ok;
    }
    const MsgResult answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::optional<std::string> InputBox(const std::string& prompt, const std::string&,
                                      const std::string&) override {
    inputPrompts.push_back(prompt);
    if (inputs.empty()) {
      ADD_FAILURE() << "unplanned input box: " << prompt;
      return std::nullopt;
    }
    auto answer = inputs.front();
    inputs.pop_front();
    return answer;
  }

  void Beep() override {
    ++beeps;
    events.push_back("beep");
  }
  void DoEvents() override {
    ++doEvents;
    events.push_back("doevents");
  }
  void SetHourglass(bool on) override {
    hourglass = on;
    events.push_back(on ? "hourglass" : "default pointer");
  }
};

}  // namespace zb::test
