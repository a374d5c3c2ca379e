#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>

#include "core/beam/Formulas.h"
#include "core/numbers/RuntimeError.h"
#include "core/shared/ModuleState.h"
#include "core/shared/VfWindowState.h"
#include "tests/support/ErrorNumber.h"

namespace zb {
namespace {

using test::ErrorNumberOf;

TEST(InsulationShortening, FollowsTheWorkedExamples) {
  EXPECT_EQ(InsulationShortening(1.0f, 3.0f, 2.0f, 1.0f), 0.0);  // no insulation effect at er = 1
  EXPECT_NEAR(InsulationShortening(4.0f, 3.0f, 2.0f, 1.0f),
              0.5 * std::log(2000.0) * std::log(1000.0) / 1623.3333, 1e-12);
  EXPECT_NEAR(InsulationShortening(4.0f, 3.0f, 2.0f, 1.0f), 0.016172, 1e-6);
  // A wall thinner than 1 µm counts as 1 µm, whose logarithm is 0.
  EXPECT_EQ(InsulationShortening(4.0f, 2.0005f, 2.0f, 1.0f), 0.0);
  // A lower velocity factor raises the share.
  EXPECT_NEAR(InsulationShortening(4.0f, 3.0f, 2.0f, 0.5f), 2 * 0.016172, 2e-6);
}

TEST(InsulationShortening, ReportsArithmeticFaults) {
  EXPECT_EQ(ErrorNumberOf([] { InsulationShortening(4.0f, 3.0f, 2.0f, 0.0f); }), kDivisionByZero);
  EXPECT_EQ(ErrorNumberOf([] { InsulationShortening(4.0f, 3.0f, 0.0f, 1.0f); }), kInvalidCall);
  EXPECT_EQ(ErrorNumberOf([] { InsulationShortening(-4.0f, 3.0f, 2.0f, 1.0f); }), kInvalidCall);
  EXPECT_EQ(ErrorNumberOf([] { InsulationShortening(0.0f, 3.0f, 2.0f, 1.0f); }), kDivisionByZero);
}

TEST(HeightShorteningPercent, IsZeroOnTheGroundAndBelow) {
  EXPECT_EQ(HeightShorteningPercent(50.2f, 0.0f, false), 0.0f);
  EXPECT_EQ(HeightShorteningPercent(50.2f, 0.0f, true), 0.0f);
  EXPECT_EQ(HeightShorteningPercent(50.2f, -3.0f, false), 0.0f);
  EXPECT_EQ(HeightShorteningPercent(0.0f, 3.0f, false), 0.0f);  // the failing steps are skipped
}

TEST(HeightShorteningPercent, GroundCorrectionChangesOnlyTheLastTerm) {
  const float plain = HeightShorteningPercent(50.2f, 3.0f, false);
  const float corrected = HeightShorteningPercent(50.2f, 3.0f, true);
  EXPECT_NEAR(plain, 2.751, 1e-3);
  EXPECT_NEAR(corrected, 2.744, 1e-3);

  const double x = static_cast<float>(3.0 / (300.0 / 50.2f));
  const double y = 1.9 * kPi * x / std::sqrt(2.0);
  const double lastTermDifference = (std::sin(2.1 * y) - std::sin(2.0 * y)) / (4 * y * y * y);
  EXPECT_NEAR(corrected - plain, 3.45 * lastTermDifference, 1e-5);
}

TEST(HeightShorteningPercent, GrowsOnlyLogarithmicallyAboveTen) {
  // With the ground correction a very low antenna gives a raw value that grows
  // with 1/h^2; above 10 it is folded to 10 - ln 10 + ln w.
  const float low = HeightShorteningPercent(50.2f, 0.05f, true);
  const float lower = HeightShorteningPercent(50.2f, 0.01f, true);
  EXPECT_GT(low, 10.0f);
  EXPECT_LT(low, 20.0f);
  EXPECT_NEAR(lower - low, std::log(25.0), 0.01);
  // Without it the leading terms cancel and the value stays small.
  EXPECT_LT(HeightShorteningPercent(50.2f, 0.01f, false), 10.0f);
}

TEST(SlendernessShorteningPercent, FollowsTheWavelengthToDiameterRatio) {
  EXPECT_NEAR(SlendernessShorteningPercent(50.0f, 2.0f), 27.182818286 / std::log(3000.0), 1e-6);
  EXPECT_NEAR(SlendernessShorteningPercent(50.0f, 2.0f), 3.395, 1e-3);
  EXPECT_LT(SlendernessShorteningPercent(300.0f, 2000.0f), 0.0f);  // ratio below 1
}

TEST(SlendernessShorteningPercent, HasNoGuard) {
  EXPECT_EQ(ErrorNumberOf([] { SlendernessShorteningPercent(50.0f, 0.0f); }), kDivisionByZero);
  EXPECT_EQ(ErrorNumberOf([] { SlendernessShorteningPercent(0.0f, 2.0f); }), kDivisionByZero);
  EXPECT_EQ(ErrorNumberOf([] { SlendernessShorteningPercent(300.0f, 1000.0f); }), kDivisionByZero);
  EXPECT_EQ(ErrorNumberOf([] { SlendernessShorteningPercent(50.0f, -2.0f); }), kInvalidCall);
}

TEST(EffectiveShorteningPercent, ReturnsTheFallbackWhileTheWindowIsNotActive) {
  NoVfWindow none;
  ModuleState state;
  const float fallback = 5.4321f;
  EXPECT_EQ(std::bit_cast<std::uint32_t>(EffectiveShorteningPercent(0.0f, -1.0f, fallback, none, state)),
            std::bit_cast<std::uint32_t>(fallback));
}

TEST(EffectiveShorteningPercent, CombinesHeightSlendernessAndFrequencyTerm) {
  FixedVfWindow window("3", "2", false);
  ModuleState state;
  const float p = EffectiveShorteningPercent(50.2f, 0.0f, 99.0f, window, state);
  // The beam run turns it back into a velocity factor: about 0.9576 here.
  EXPECT_NEAR(1.0 - p / 100.0, 0.9576, 1e-4);

  FixedVfWindow grounded("3", "2", true);
  EXPECT_NEAR(1.0 - EffectiveShorteningPercent(50.2f, 0.0f, 99.0f, grounded, state) / 100.0, 0.9577, 1e-4);

  // A diameter given by the caller wins over the window's.
  FixedVfWindow otherDiameter("3", "0,5", false);
  EXPECT_EQ(EffectiveShorteningPercent(50.2f, 2.0f, 99.0f, otherDiameter, state), p);

  // The frequency term at 50 MHz: (50/150 - 50/168.23985) * 50.
  FixedVfWindow at50("3", "2", false);
  const float a = HeightShorteningPercent(50.0f, 3.0f, false);
  const float b = SlendernessShorteningPercent(50.0f, 2.0f);
  const double withoutTerm = (1 - (100.0 - a) * (100.0 - b) / 10000) * 100;
  EXPECT_NEAR(withoutTerm - EffectiveShorteningPercent(50.0f, 0.0f, 0.0f, at50, state), 1.807, 1e-3);
}

TEST(CouplingSpacing, ScalesWithTheDiameterRatio) {
  const double x = (1.27 * 2.0 + 2.0 / 1.27) / 8000.0;
  EXPECT_NEAR(CouplingSpacing(72.0f, 300.0f, 2.0f, 2.0f, 0.0), std::pow(x, 0.54) * 1000.0, 1e-3);
  EXPECT_NEAR(CouplingSpacing(144.0f, 300.0f, 2.0f, 2.0f, 0.0), 2 * std::pow(x, 0.54) * 1000.0, 2e-3);
  EXPECT_EQ(CouplingSpacing(72.0f, 300.0f, 0.0f, 0.0f, 0.0), 0.0f);
  EXPECT_EQ(CouplingSpacing(72.0f, 300.0f, -2.0f, -2.0f, 0.0), 0.0f);
  EXPECT_EQ(CouplingSpacing(72.0f, 0.0f, 2.0f, 2.0f, 0.0), 0.0f);
}

TEST(Log10, IsTheCommonLogarithm) {
  EXPECT_NEAR(Log10(1000.0), 3.0, 1e-15);
  EXPECT_EQ(ErrorNumberOf([] { Log10(0.0); }), kInvalidCall);
  EXPECT_EQ(ErrorNumberOf([] { Log10(-1.0); }), kInvalidCall);
}

}  // namespace
}  // namespace zb
