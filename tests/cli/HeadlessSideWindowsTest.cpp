// The side windows' runs on their headless windows: what the command line
// cannot show (hand-over into the beam form, the error box, loading).

#include <gtest/gtest.h>

#include "cli/HeadlessVfForm.h"
#include "cli/HeadlessZusatzDipolForm.h"
#include "core/numbers/NumberText.h"
#include "core/shared/ModuleState.h"
#include "core/shared/VfWindowState.h"
#include "core/side/CoupledDipolRun.h"
#include "core/side/VfEstimationRun.h"
#include "core/side/VfFormRules.h"
#include "core/side/ZusatzDipolRules.h"
#include "tests/support/ScriptedPlatform.h"

namespace zb {
namespace {

class SideWindows : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(','); }
  ModuleState state;
  test::ScriptedPlatform platform;
};

TEST_F(SideWindows, EstimateHandsOverOnlyWhileTakeOverVfIsChecked) {
  HeadlessVfForm form("28,5", "2");
  EXPECT_EQ(form.Status(), zb::VfWindowStatus::Loaded);
  EXPECT_EQ(form.HeightText(), "10,0");  // below 50 MHz the antenna hangs higher
  EXPECT_EQ(HeadlessVfForm("50,2", "2").HeightText(), "3,0");

  form.SetTakeOverVf(false);
  form.SetBoxes("50,2", "3", "0,05");
  ASSERT_TRUE(RunVfEstimation(form, state, platform).completed);
  EXPECT_FALSE(form.BeamFormVelocityFactor().has_value());
  EXPECT_FALSE(form.BeamFormFrequency().has_value());
  EXPECT_EQ(form.BeamFormConductorDiameter(), "0,1");  // the limited diameter, on every completed run
  EXPECT_EQ(form.Status(), zb::VfWindowStatus::Estimated);
  EXPECT_EQ(platform.beeps, 1);

  form.SetTakeOverVf(true);
  ASSERT_TRUE(RunVfEstimation(form, state, platform).completed);
  EXPECT_EQ(form.BeamFormVelocityFactor(), FormatNumber(form.EstimatedVf(), "0.00##"));
  EXPECT_EQ(form.BeamFormFrequency(), "50,2");
}

TEST_F(SideWindows, AnEarlyStopKeepsResultsAndMarker) {
  HeadlessVfForm form("50,2", "2");
  ASSERT_TRUE(RunVfEstimation(form, state, platform).completed);
  const std::string shown = form.EstimateOrRadiator();
  form.SetBoxes("", "3", "2");
  EXPECT_FALSE(RunVfEstimation(form, state, platform).completed);
  EXPECT_EQ(form.EstimateOrRadiator(), shown);
  EXPECT_EQ(form.Status(), zb::VfWindowStatus::Estimated);
  EXPECT_EQ(form.Focus(), HeadlessVfForm::Box::FrequencyOrLength);
}

TEST_F(SideWindows, CoupledDipolArithmeticFailureShowsTheErrorBoxAndKeepsTheLabels) {
  NoVfWindow vfWindow;
  HeadlessZusatzDipolForm form(LoadedZusatzDipolTexts(vfWindow, "1,00", "2"));
  form.Box(1) = "21,2";
  form.Box(2) = "14";
  ASSERT_FALSE(RunCoupledDipol(form, vfWindow, state, platform).error);
  EXPECT_EQ(form.Spacing(), "236");
  const std::string length = form.Length();

  form.Box(3) = "1E39";
  platform.answers = {MsgResult::Ok};
  const CoupledDipolOutcome overflow = RunCoupledDipol(form, vfWindow, state, platform);
  ASSERT_TRUE(overflow.error);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].prompt, "Laufzeitfehler 6: Überlauf\r\nBitte kleinere Werte verwenden.");
  EXPECT_EQ(platform.messages[0].title, " Fehler ");
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(platform.messages[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(form.Spacing(), "236");
  EXPECT_EQ(form.Length(), length);

  form.Box(3) = "300";
  form.Box(4) = form.Box(5) = "-5";
  platform.answers = {MsgResult::Ok};
  ASSERT_EQ(RunCoupledDipol(form, vfWindow, state, platform).error->Number(), kInvalidCall);
  EXPECT_EQ(platform.messages.back().prompt.find("Bitte"), std::string::npos);
}

TEST_F(SideWindows, CoupledDipolLoadsFromTheBeamFormOrTheActiveVfWindow) {
  NoVfWindow inactive;
  const ZusatzDipolLoadedTexts fromBeam = LoadedZusatzDipolTexts(inactive, "0,95", "2");
  EXPECT_EQ(fromBeam.impedance, "300");
  EXPECT_EQ(fromBeam.dipoleDiameter + "|" + fromBeam.exciterDiameter + "|" + fromBeam.exciterVf, "2|2|0,95");
  EXPECT_EQ(LoadedZusatzDipolTexts(inactive, "", "2").exciterVf, "0,946");

  HeadlessVfForm active("14,1", "1,5");
  active.MarkActive();
  const ZusatzDipolLoadedTexts fromVf = LoadedZusatzDipolTexts(active, "0,95", "2");
  EXPECT_EQ(fromVf.exciterResonance + "|" + fromVf.dipoleDiameter + "|" + fromVf.exciterDiameter + "|" +
                fromVf.exciterVf,
            "14,1|1,5|1,5|0,946");
}

TEST(ZusatzDipolInfo, FifteenLinesThreeEmptyNoFinalBreak) {
  const std::string text = ZusatzDipolInfoText("\r\n");
  std::vector<std::string> lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  EXPECT_EQ(lines.size(), 15u);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 3);
  EXPECT_EQ(text.front(), ' ');
  EXPECT_NE(text.substr(text.size() - 2), "\r\n");
}

}  // namespace
}  // namespace zb
