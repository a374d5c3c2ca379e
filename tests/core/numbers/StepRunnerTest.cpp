#include <gtest/gtest.h>

#include "core/numbers/StepRunner.h"
#include "core/shared/MessageTexts.h"
#include "tests/support/ScriptedPlatform.h"

namespace zb {
namespace {

// A step that fails `failures` times with a full disk, then succeeds.
NamedStep Failing(std::string_view name, int& failures, std::vector<std::string>& ran) {
  return {name, [name, &failures, &ran] {
            ran.emplace_back(name);
            if (failures-- > 0) Raise(kDiskFull);
            return StepEnd::Next;
          }};
}

TEST(StepRunner, ThePrintoutsTrapRestoresThePointerAroundTheBox) {
  test::ScriptedPlatform platform;
  platform.answers = {MsgResult::Retry, MsgResult::Ignore, MsgResult::Abort};
  int printFails = 1, endFails = 5;
  std::vector<std::string> ran;
  ErrorTrap trap;
  trap.title = PrintErrorTitle();
  trap.hourglass = true;
  const StepRun run = RunSteps({Failing("PrintImage", printFails, ran), Failing("EndDoc", endFails, ran),
                                Failing("Last", endFails, ran)},
                               platform, trap);
  EXPECT_EQ(ran, (std::vector<std::string>{"PrintImage", "PrintImage", "EndDoc", "Last"}));
  EXPECT_EQ(run.outcome, StepRun::Aborted);
  EXPECT_EQ(run.lastErrorStep, "Last");
  EXPECT_EQ(platform.messages.at(0).title, " Druck-Fehler ");
  EXPECT_EQ(platform.messages.at(0).prompt, "Datenträger voll");
  const std::vector<std::string> pointer = {"default pointer", "msgbox", "hourglass",
                                            "default pointer", "msgbox", "hourglass",
                                            "default pointer", "msgbox"};
  EXPECT_EQ(platform.events, pointer);
}

TEST(StepRunner, ATitleWithTheNumberLeavesThePointerAndAStepMayEndTheRun) {
  test::ScriptedPlatform platform;
  platform.answers = {MsgResult::Ignore};
  int fails = 1;
  std::vector<std::string> ran;
  ErrorTrap trap;
  trap.title = " Fehler ";
  trap.numberInTitle = true;
  const StepRun run = RunSteps(
      {Failing("Load", fails, ran), {"Check", [] { return StepEnd::EndRun; }}, Failing("Show", fails, ran)},
      platform, trap);
  EXPECT_EQ(run.outcome, StepRun::EndedEarly);
  EXPECT_EQ(ran, std::vector<std::string>{"Load"});
  EXPECT_EQ(platform.messages.at(0).title, " Fehler  61");
  EXPECT_EQ(platform.events, std::vector<std::string>{"msgbox"});
}

}  // namespace
}  // namespace zb
