#include <gtest/gtest.h>

#include "core/beam/BeamFormRules.h"
#include "core/numbers/NumberText.h"

namespace zb {
namespace {

class BeamFormRules : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(','); }
};

TEST_F(BeamFormRules, BandButtonsFillTheDesignFrequencyOfTheSegment) {
  EXPECT_EQ(BandButtonFrequencyText("1,8", 0), "1,82");
  EXPECT_EQ(BandButtonFrequencyText("1,8", 1), "1,86");
  EXPECT_EQ(BandButtonFrequencyText("1,8", 2), "1,857");
  EXPECT_EQ(BandButtonFrequencyText("3,5", 1), "3,7");
  EXPECT_EQ(BandButtonFrequencyText("7", 2), "7,1");
  EXPECT_EQ(BandButtonFrequencyText("24", 0), "24,0");  // slot 24 is empty
  EXPECT_EQ(BandButtonFrequencyText("28", 1), "28,6");
  EXPECT_EQ(BandButtonFrequencyText("50", 2), "50,5");
  EXPECT_EQ(BandButtonFrequencyText("50", -1), "50,5");  // no segment reads the band centre
  EXPECT_EQ(BandButtonFrequencyText("andere", 0), std::nullopt);
}

TEST_F(BeamFormRules, SegmentButtonsMoveTheTypedFrequency) {
  EXPECT_EQ(SegmentButtonFrequencyText("14.1", 0), "14,0");
  EXPECT_EQ(SegmentButtonFrequencyText("14,1", 1), "14,25");
  EXPECT_EQ(SegmentButtonFrequencyText("24.9", 0), "24,89");
  EXPECT_EQ(SegmentButtonFrequencyText("24.9", 1), "24,95");
  EXPECT_EQ(SegmentButtonFrequencyText("24.9", 2), "24,94");
  EXPECT_EQ(SegmentButtonFrequencyText("29.5", 0), "28,0");
  EXPECT_EQ(SegmentButtonFrequencyText("144", 0), "144,0");  // only shown again
  EXPECT_EQ(SegmentButtonFrequencyText("60", 0), "60,0");
  for (const char* text : {"0", "-3", "abc", ""})
    EXPECT_EQ(SegmentButtonFrequencyText(text, 1), std::nullopt);
}

TEST_F(BeamFormRules, BandCaptionsAreShownInTheGeneralFormat) {
  EXPECT_EQ(ShownBandCaption("1.8"), "1,8");
  EXPECT_EQ(ShownBandCaption("7.0"), "7");
  EXPECT_EQ(ShownBandCaption("50"), "50");
  EXPECT_EQ(ShownBandCaption("andere"), "andere");
}

TEST_F(BeamFormRules, LeavingTheVelocityFactorBox) {
  const VelocityFactorLeave typical = LeaveVelocityFactor("0,946");
  EXPECT_EQ(typical.kind, VelocityFactorLeave::SetSpinner);
  EXPECT_EQ(typical.spinnerValue, 54);
  EXPECT_EQ(LeaveVelocityFactor("1").kind, VelocityFactorLeave::ExactlyOne);
  EXPECT_EQ(LeaveVelocityFactor("1,00").kind, VelocityFactorLeave::ExactlyOne);
  for (const char* text : {"1,2", "0", "", "-0,5"})
    EXPECT_EQ(LeaveVelocityFactor(text).kind, VelocityFactorLeave::OutOfRange);
  EXPECT_EQ(LeaveVelocityFactor("0,0001").spinnerValue, 1000);
}

TEST_F(BeamFormRules, SpinnerStepsOneThousandthFromTheBox) {
  EXPECT_EQ(VelocityFactorTextFor(55), "0,945");
  EXPECT_EQ(VelocityFactorTextFor(53), "0,947");
  EXPECT_EQ(VelocityFactorTextFor(0), "1,00");
  EXPECT_EQ(VelocityFactorTextFor(1000), "0,00");
  // The spinner stood at 54 (0,946); the user typed 0,9 and clicks one step
  // down: the step is applied to 0,9.
  EXPECT_EQ(RebasedSpinnerValue(55, 54, "0,9"), 101);
  EXPECT_EQ(RebasedSpinnerValue(53, 54, "0,9"), 99);
  // Within one step of the box nothing is re-based.
  EXPECT_EQ(RebasedSpinnerValue(55, 54, "0,946"), std::nullopt);
  EXPECT_EQ(RebasedSpinnerValue(101, 55, "0,9"), std::nullopt);
  // A re-based value beyond the spinner's range is limited.
  EXPECT_EQ(RebasedSpinnerValue(1, 0, "1,2"), 0);
  EXPECT_EQ(RebasedSpinnerValue(999, 1000, "-0,5"), 1000);
}

TEST_F(BeamFormRules, ActivationPutsTheSpinnerOnTheBox) {
  EXPECT_EQ(SpinnerValueOnActivate(1.0f), 0);
  EXPECT_EQ(SpinnerValueOnActivate(0.946f), 54);
  EXPECT_EQ(SpinnerValueOnActivate(1.2f), 0);
  EXPECT_EQ(SpinnerValueOnActivate(-3.0f), 1000);
  EXPECT_EQ(SpinnerValueFor(0.9375f), 62);  // 62.5 rounds to the even 62
}

TEST_F(BeamFormRules, LowVelocityFactorsAreShownInRed) {
  EXPECT_TRUE(IsLowVelocityFactor("0,79"));
  EXPECT_FALSE(IsLowVelocityFactor("0,8"));
  EXPECT_TRUE(IsLowVelocityFactor(""));
}

}  // namespace
}  // namespace zb
