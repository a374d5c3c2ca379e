#include <gtest/gtest.h>

#include "cli/HeadlessBeamForm.h"
#include "core/numbers/NumberText.h"
#include "tests/support/ScriptedPlatform.h"

namespace zb {
namespace {

class HeadlessForm : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(','); }
  test::ScriptedPlatform platform;
};

TEST_F(HeadlessForm, TypingGoesThroughTheKeyFilterAndTheBoxLength) {
  HeadlessBeamForm form(platform);
  form.TypeFrequency("14x,2");
  EXPECT_EQ(form.FrequencyText(), "14,2");
  EXPECT_EQ(platform.beeps, 1);
  form.TypeFrequency("abc");  // nothing accepted: the old text stays
  EXPECT_EQ(form.FrequencyText(), "14,2");
  form.TypeFrequency("123456789");
  EXPECT_EQ(form.FrequencyText(), "1234567");
  form.TypeFrequency("");
  EXPECT_EQ(form.FrequencyText(), "");
  form.TypeOuterDiameter("123456");
  EXPECT_EQ(form.OuterDiameterText(), "12345");
}

TEST_F(HeadlessForm, BandAndSegmentButtonsActOnlyWhenTheirSelectionChanges) {
  HeadlessBeamForm form(platform);
  form.ClickBand(HeadlessBeamForm::BandIndexOf("1.8"));
  EXPECT_EQ(form.FrequencyText(), "1,86");  // SSB is selected at start
  form.ClickSegment(0);
  EXPECT_EQ(form.FrequencyText(), "1,82");
  form.TypeFrequency("14,1");
  form.ClickBand(0);  // already selected: nothing happens
  EXPECT_EQ(form.FrequencyText(), "14,1");
  form.ClickSegment(0);
  EXPECT_EQ(form.FrequencyText(), "14,1");
  form.ClickSegment(1);
  EXPECT_EQ(form.FrequencyText(), "14,25");
  form.ClickBand(kBandOther);
  EXPECT_EQ(form.FrequencyText(), "14,25");
  EXPECT_EQ(HeadlessBeamForm::BandIndexOf("7.0"), 2);
  EXPECT_EQ(HeadlessBeamForm::BandIndexOf("7"), 2);
  EXPECT_EQ(HeadlessBeamForm::BandIndexOf("3,5"), 1);
  EXPECT_EQ(HeadlessBeamForm::BandIndexOf("andere"), kBandOther);
  EXPECT_EQ(HeadlessBeamForm::BandIndexOf("144"), -1);
  EXPECT_EQ(HeadlessBeamForm::BandIndexOf("1e39"), -1);
}

TEST_F(HeadlessForm, LeavingTheVelocityFactorBox) {
  HeadlessBeamForm form(platform);
  form.TypeVelocityFactor("0,946");
  EXPECT_EQ(form.SpinnerValue(), 54);
  EXPECT_EQ(platform.beeps, 0);
  // Moving the spinner shows its value in thousandths.
  form.TypeVelocityFactor("0,9465");
  EXPECT_EQ(form.SpinnerValue(), 53);
  EXPECT_EQ(form.VelocityFactorText(), "0,947");
  // A spinner that does not move leaves the typed text.
  form.TypeVelocityFactor("0,9474");
  EXPECT_EQ(form.VelocityFactorText(), "0,9474");

  form.EnterInsulation("PVC");
  ASSERT_TRUE(form.DiametersEnabled());
  form.TypeVelocityFactor("1");
  EXPECT_EQ(form.PermittivityText(), "1,0");
  EXPECT_FALSE(form.DiametersEnabled());
  EXPECT_EQ(form.SpinnerValue(), 53);  // untouched
  EXPECT_EQ(platform.beeps, 1);

  for (const char* text : {"1,2", "0", ""}) {
    form.TypeVelocityFactor(text);
    EXPECT_EQ(form.VelocityFactorText(), "0,946") << text;
    EXPECT_EQ(form.Info(), " Bitte einen Verkürzungsfaktor von 0 - 1,0 !(typisch 0,946) eintragen");
  }
}

TEST_F(HeadlessForm, InsulationEntriesEnableTheDiameters) {
  HeadlessBeamForm form(platform);
  form.EnterInsulation("2,2   PTFE GY");
  EXPECT_EQ(form.PermittivityText(), "2,2   PTFE GY");
  EXPECT_TRUE(form.DiametersEnabled());
  form.EnterInsulation("luft");
  EXPECT_EQ(form.PermittivityText(), "1,00059 Luft");
  EXPECT_FALSE(form.DiametersEnabled());
  form.EnterInsulation("1,00059");
  EXPECT_FALSE(form.DiametersEnabled());
  form.EnterInsulation("1,0006");
  EXPECT_TRUE(form.DiametersEnabled());
  form.EnterInsulation("Teflon");  // neither an entry nor a number: nothing typed
  EXPECT_EQ(form.PermittivityText(), "1,0006");
}

TEST_F(HeadlessForm, TheOuterDiameterFollowsTheConductorKeyByKey) {
  HeadlessBeamForm form(platform);
  form.TypeOuterDiameter("2");
  form.TypeConductorDiameter("2");
  EXPECT_EQ(form.OuterDiameterText(), "2,5");
  form.TypeOuterDiameter("2,1");
  form.TypeConductorDiameter("2");
  EXPECT_EQ(form.OuterDiameterText(), "2,1");  // equality passes
  form.TypeOuterDiameter("9");
  form.TypeConductorDiameter("12");
  EXPECT_EQ(form.OuterDiameterText(), "12,5");
}

}  // namespace
}  // namespace zb
