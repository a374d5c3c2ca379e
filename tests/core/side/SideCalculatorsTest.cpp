// Edge cases of the side calculators that the windows cannot reach easily.

#include <gtest/gtest.h>

#include <utility>

#include "core/beam/Formulas.h"
#include "core/shared/ModuleState.h"
#include "core/shared/VfWindowState.h"
#include "core/side/CoupledDipol.h"
#include "core/side/Pruning.h"
#include "core/side/VfEstimator.h"
#include "tests/support/ErrorNumber.h"

namespace zb {
namespace {

TEST(ComputePruning, AFailingStepIsSkippedAndTheNextGoesOn) {
  const PruningResult r = ComputePruning(3e38f, 60.0f, 50.0f, ModuleState{});
  EXPECT_EQ(r.status, PruningStatus::Ok);
  EXPECT_GT(r.vfGesamt, 1.0f);
  EXPECT_EQ(r.lengthNew, 0.0f);  // beyond the 4-byte range: skipped
  EXPECT_EQ(r.changeS, 0.0f);
}

// A length or frequency of 0 or below counts as missing.
TEST(ComputePruning, ZeroOrNegativeInputsCountAsMissing) {
  const ModuleState s;
  EXPECT_EQ(ComputePruning(-10.8f, 14.05f, 14.2f, s).status, PruningStatus::LengthMissing);
  EXPECT_EQ(ComputePruning(10.8f, -14.05f, -14.2f, s).status, PruningStatus::MeasuredMissing);
  EXPECT_EQ(ComputePruning(10.8f, -14.05f, 14.2f, s).status, PruningStatus::MeasuredMissing);
  EXPECT_EQ(ComputePruning(10.8f, 14.05f, -14.2f, s).status, PruningStatus::WantedMissing);
  EXPECT_EQ(ComputePruning(10.8f, 14.05f, 0.0f, s).status, PruningStatus::WantedMissing);
  EXPECT_EQ(ComputePruning(10.8f, 14.05f, 14.2f, s).status, PruningStatus::Ok);
}

TEST(EstimateVelocityFactor, DiameterLimitsAreHeldAsFourByteValues) {
  const ModuleState s;
  // 0.01f * 2000 lies just below 20 in 8 bytes; held in 4 bytes it is 20, and
  // a diameter exactly on the limit passes unchanged.
  for (const auto& [h, d] : {std::pair{0.01f, 20.0f}, std::pair{0.03f, 60.0f}}) {
    const VfEstimate e = EstimateVelocityFactor(50.2f, h, d, false, s.KoeffDipol);
    EXPECT_EQ(e.limit, DiameterLimit::None) << h;
    EXPECT_EQ(e.diameter, d) << h;
  }
  const VfEstimate above = EstimateVelocityFactor(50.2f, 0.01f, 20.01f, false, s.KoeffDipol);
  EXPECT_EQ(above.limit, DiameterLimit::TwiceHeight);
  EXPECT_EQ(above.diameter, 20.0f);
  EXPECT_EQ(EstimateVelocityFactor(50.2f, 1.0f, 2000.0f, false, s.KoeffDipol).limit, DiameterLimit::None);
  EXPECT_EQ(EstimateVelocityFactor(300.0f, 10.0f, 500.0f, false, s.KoeffDipol).limit, DiameterLimit::None);
  EXPECT_EQ(EstimateVelocityFactor(300.0f, 10.0f, 500.1f, false, s.KoeffDipol).diameter, 500.0f);
}

TEST(ComputeCoupledDipol, NonPositiveDiametersAreArithmeticFailures) {
  NoVfWindow vfWindow;
  const CoupledDipolInputs in{14.0f, 21.2f, 300.0f, -2.0f, -2.0f, 0.946f};
  EXPECT_EQ(test::ErrorNumberOf([&] { ComputeCoupledDipol(in, vfWindow, ModuleState{}); }), kInvalidCall);
  EXPECT_EQ(CouplingSpacing(300.0f, 21.2f, -2.0f, -2.0f, 0.0), 0.0f);
}

}  // namespace
}  // namespace zb
