#include <gtest/gtest.h>

#include "core/beam/CalculateBeam.h"
#include "core/beam/Formulas.h"
#include "core/beam/ResultReportSink.h"
#include "core/numbers/NumberText.h"
#include "core/shared/ModuleState.h"
#include "core/shared/VfWindowState.h"
#include "tests/support/FakeBeamForm.h"
#include "tests/support/ScriptedPlatform.h"

namespace zb {
namespace {

// Records the reports it is given; can be told to fail like a full disk.
struct RecordingReport : ResultReportSink {
  std::vector<ReportInputs> written;
  int failuresLeft = 0;
  int failWith = kDiskFull;
  int calls = 0;
  void WriteResultReport(ModuleState& state, const ReportInputs& inputs) override {
    ++calls;
    if (failuresLeft > 0) {
      --failuresLeft;
      Raise(failWith);
    }
    state.Ergebnisdatei = kResultFileName;
    written.push_back(inputs);
  }
};

class CalculateBeamRun : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(','); }

  CalculationResult Run() {
    CalculationContext context{state, form, *vfWindow, platform, report};
    return CalculateBeam(context);
  }

  ModuleState state;
  test::FakeBeamForm form;
  NoVfWindow noVf;
  VfWindowState* vfWindow = &noVf;
  test::ScriptedPlatform platform;
  RecordingReport report;
};

TEST_F(CalculateBeamRun, DefaultsGiveTheDesignedBeamAndTheReport) {
  form.text1 = "";
  form.info = "alter Hinweis";
  state.Ergebnisdatei.clear();
  const CalculationResult result = Run();
  EXPECT_EQ(result.outcome, CalculationResult::Completed);
  EXPECT_EQ(result.f, 50.2f);
  EXPECT_EQ(form.text1, "50,2");
  EXPECT_EQ(form.velocityFactorText, "1,0");
  EXPECT_EQ(form.band, 9);
  EXPECT_EQ(result.bandLabel, "50");
  EXPECT_TRUE(form.command2);
  EXPECT_EQ(form.frameStatus, "Status: Bereit zum Anzeigen der Berechnungsergebnisse");
  EXPECT_EQ(state.Ergebnisdatei, "Zelvar-Beam.txt");
  ASSERT_EQ(report.written.size(), 1u);
  EXPECT_EQ(report.written[0].bandPosition, 1);
  EXPECT_EQ(report.written[0].insulationText, "1,00059 Luft");
  EXPECT_EQ(
      form.info.rfind("Berechnet für die Resonanzfrequenz = 50,2 MHz / Bauvariante: drei Querträger ohne "
                      "Spannseil\r\nlD=3,252 m / lDs=1,083 m / lS=3,351 m / lSs=1,09 m / lR=3,402 m / "
                      "lRs=1,103 m / \r\n",
                      0),
      0u)
      << form.info;
  EXPECT_NE(form.info.find("lBoom=2,461 m / geslBoom=2,476 m / \r\n\r\nTabelle liegt als Textfile "
                           "'Zelvar-Beam.txt' vor.  "),
            std::string::npos)
      << form.info;
}

TEST_F(CalculateBeamRun, NonPositiveOrUnreadableFrequenciesMeanTheDesignFrequency) {
  for (const char* text : {"", "abc", "0", "-14"}) {
    form.text1 = text;
    EXPECT_EQ(Run().f, 50.2f) << text;
    EXPECT_EQ(form.text1, "50,2");
  }
}

TEST_F(CalculateBeamRun, RecognisesBandsWithInclusiveBounds) {
  EXPECT_EQ(RecogniseBand(29.7f)->option2Index, 8);
  EXPECT_FALSE(RecogniseBand(29.71f));
  EXPECT_FALSE(RecogniseBand(1.805f));
  EXPECT_EQ(RecogniseBand(1.81f)->option2Index, 0);
  EXPECT_STREQ(RecogniseBand(2.0f)->label, "1,8");
  EXPECT_STREQ(RecogniseBand(3.8f)->label, "3,5");
  EXPECT_STREQ(RecogniseBand(7.1f)->label, " 7");
  EXPECT_EQ(RecogniseBand(24.94f)->option2Index, 7);
  EXPECT_FALSE(RecogniseBand(24.5f));
}

TEST_F(CalculateBeamRun, OutsideEveryBandTheReportNamesTheFrequency) {
  form.text1 = "144";
  const CalculationResult result = Run();
  EXPECT_EQ(form.band, kBandOther);
  EXPECT_EQ(state.AndereFrequenz, 144.0f);
  EXPECT_EQ(result.bandLabel, "144,0");
  EXPECT_EQ(form.text1, "144,0");
}

TEST_F(CalculateBeamRun, ShowsTheVelocityFactorItUsed) {
  form.velocityFactorText = "0,95";
  Run();
  EXPECT_EQ(form.velocityFactorText, "0,95");
  form.velocityFactorText = "1";
  Run();
  EXPECT_EQ(form.velocityFactorText, "1,0");
}

TEST_F(CalculateBeamRun, AnActiveVelocityFactorWindowReplacesTheEntry) {
  FixedVfWindow window("3", "2", false);
  vfWindow = &window;
  form.velocityFactorText = "0,5";
  const CalculationResult result = Run();
  EXPECT_NEAR(result.vf, 0.9576, 1e-4);
  EXPECT_EQ(form.velocityFactorText, FormatNumber(result.vf, "0.0###"));
  ASSERT_EQ(report.written.size(), 1u);
  EXPECT_TRUE(report.written[0].vfWindowActive);
  EXPECT_EQ(report.written[0].vfHeightText, "3");
  EXPECT_EQ(report.written[0].vfDiameterText, "2");
}

TEST_F(CalculateBeamRun, AirCountsAsBareWireWhateverTheDiameters) {
  state.IsolierVf = 0.3;
  form.combo1 = "1,00059";
  form.text7 = "0";
  EXPECT_EQ(Run().outcome, CalculationResult::Completed);
  EXPECT_EQ(state.IsolierVf, 0.0);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CalculateBeamRun, InsulationNeedsAConductorBetweenOneHundredthAndTheOuterDiameter) {
  form.combo1 = "1,0006";
  form.text6 = "2";
  for (const char* conductor : {"0", "0,009", "2", "3"}) {
    form.text7 = conductor;
    form.focus.clear();
    platform.beeps = 0;
    state.IsolierVf = 0.25;
    const CalculationResult result = Run();
    EXPECT_EQ(result.outcome, CalculationResult::EndedEarly) << conductor;
    EXPECT_EQ(form.info, "Hinweis: Durchmesser zu gering!");
    EXPECT_EQ(form.focus, std::vector<std::string>{"Text7"});
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(state.IsolierVf, 0.25);  // an ended run leaves the share alone
  }
  EXPECT_TRUE(report.written.empty());
  form.text7 = "0,01";
  EXPECT_EQ(Run().outcome, CalculationResult::Completed);
}

TEST_F(CalculateBeamRun, InsulatedWireShortensTheWireLengths) {
  form.combo1 = "4,0   PVC";
  const CalculationResult result = Run();
  EXPECT_EQ(state.IsolierVf, InsulationShortening(4.0f, 9.0f, 8.0f, 1.0f));
  ASSERT_EQ(report.written.size(), 1u);
  EXPECT_EQ(report.written[0].permittivity, 4.0f);
  EXPECT_LT(result.dims.lS, DimensionBeam(50.2f, 1.0f, 0.0, true, kKoeffDipol).lS);
}

TEST_F(CalculateBeamRun, AnImplausiblePermittivityIsQuestioned) {
  form.combo1 = "20";
  EXPECT_EQ(Run().outcome, CalculationResult::Completed);
  EXPECT_TRUE(platform.messages.empty());

  form.combo1 = "20,01";
  platform.answers = {MsgResult::No};
  const CalculationResult no = Run();
  EXPECT_EQ(no.outcome, CalculationResult::EndedEarly);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].prompt, "Ist die Eingabe der relative Dielektrizitätszahl korrekt ?");
  EXPECT_EQ(platform.messages[0].title, " Schlechtes Isoliermaterial ?");
  EXPECT_EQ(platform.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Question);
  EXPECT_EQ(form.focus, std::vector<std::string>{"Combo1"});
  EXPECT_EQ(form.info, "");

  form.combo1 = "25";
  platform.answers = {MsgResult::Yes};
  EXPECT_EQ(Run().outcome, CalculationResult::Completed);
  EXPECT_EQ(state.IsolierVf, InsulationShortening(25.0f, 9.0f, 8.0f, 1.0f));
  EXPECT_EQ(report.written.size(), 2u);
}

TEST_F(CalculateBeamRun, AbortEndsTheRunAtTheFailedStep) {
  report.failuresLeft = 1;
  platform.answers = {MsgResult::Abort};
  const CalculationResult result = Run();
  EXPECT_EQ(result.outcome, CalculationResult::Aborted);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].prompt, "Datenträger voll");
  EXPECT_EQ(platform.messages[0].title, " Fehler ");
  EXPECT_EQ(platform.messages[0].buttons, MsgButtons::AbortRetryIgnore);
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_FALSE(form.command2);
  EXPECT_EQ(form.frameStatus, "");
  EXPECT_FALSE(platform.hourglass);  // the box is shown with the default pointer
}

TEST_F(CalculateBeamRun, RetryRunsTheFailedStepAgain) {
  report.failuresLeft = 2;
  platform.answers = {MsgResult::Retry, MsgResult::Retry};
  const CalculationResult result = Run();
  EXPECT_EQ(result.outcome, CalculationResult::Completed);
  EXPECT_EQ(report.calls, 3);
  EXPECT_EQ(report.written.size(), 1u);
  EXPECT_TRUE(form.command2);
  EXPECT_TRUE(platform.hourglass);  // shown again after the box
  const std::vector<std::string> expected = {"hourglass",       "default pointer", "msgbox",   "hourglass",
                                             "default pointer", "msgbox",          "hourglass"};
  EXPECT_EQ(platform.events, expected);
}

TEST_F(CalculateBeamRun, IgnoreGoesOnWithTheNextStep) {
  report.failuresLeft = 1;
  platform.answers = {MsgResult::Ignore};
  const CalculationResult result = Run();
  EXPECT_EQ(result.outcome, CalculationResult::Completed);
  EXPECT_TRUE(report.written.empty());
  EXPECT_TRUE(form.command2);
  EXPECT_EQ(form.frameStatus, "Status: Bereit zum Anzeigen der Berechnungsergebnisse");
}

TEST_F(CalculateBeamRun, OverflowAsksForSmallerValues) {
  form.text1 = "1E-38";
  platform.answers = {MsgResult::Ignore};
  const CalculationResult result = Run();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].prompt, "Überlauf\r\nBitte kleinere Werte verwenden.");
  EXPECT_EQ(result.lastError->Number(), kOverflow);
  EXPECT_EQ(result.lastErrorStep, "DimensionBeam");
  EXPECT_EQ(result.dims.lS, 0.0f);  // the skipped step left the record empty
  EXPECT_EQ(form.band, kBandOther);
}

TEST_F(CalculateBeamRun, DivisionByZeroHasNoHint) {
  FixedVfWindow window("3", "0", false);  // no wire diameter
  vfWindow = &window;
  platform.answers = {MsgResult::Abort};
  Run();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].prompt, "Division durch Null");
}

TEST_F(CalculateBeamRun, ResetsTheSharedCoefficients) {
  state.KoeffDipol = 1.0f;
  state.FaktorReflektor = 2.0f;
  state.FaktorDirektor = 3.0f;
  state.AndereFrequenz = 99.0f;
  Run();
  EXPECT_EQ(state.KoeffDipol, kKoeffDipol);
  EXPECT_EQ(state.FaktorReflektor, kFaktorReflektor);
  EXPECT_EQ(state.FaktorDirektor, kFaktorDirektor);
  EXPECT_EQ(state.AndereFrequenz, 0.0f);
}

TEST_F(CalculateBeamRun, SummaryOfTheTwoSpreaderVariant) {
  state.DreiQuertraeger = false;
  Run();
  EXPECT_NE(form.info.find("Bauvariante: zwei Querträger mit Spannseil\r\n"), std::string::npos);
  EXPECT_NE(form.info.find("A1=1,136 m / A2=0,913 m / A3=0,766 m / \r\n"), std::string::npos);
  EXPECT_NE(form.info.find("Bv=1,533 m / Bh=1,561 m / \r\n"), std::string::npos);
  EXPECT_NE(form.info.find("lBoom=2,816 m / C=0,251 m / geslBoom=3,318 m / \r\n"), std::string::npos);
  EXPECT_EQ(form.info.find("AQ1"), std::string::npos);
}

}  // namespace
}  // namespace zb
