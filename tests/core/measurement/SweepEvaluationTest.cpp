// The evaluation of a sweep: smallest SWR, resonance, SWR bands.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/measurement/SweepEvaluation.h"

namespace zb {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Points with the SWR and reactance given directly.
std::vector<MeasuredPoint> Points(const std::vector<double>& mhz, const std::vector<double>& swr,
                                  const std::vector<double>& x) {
  std::vector<MeasuredPoint> points;
  for (std::size_t i = 0; i < mhz.size(); ++i) {
    MeasuredPoint p;
    p.frequencyMHz = mhz[i];
    p.swr = swr[i];
    p.reactance = x[i];
    p.resistance = 40 + static_cast<double>(i);
    points.push_back(p);
  }
  return points;
}

TEST(SweepEvaluation, ImpedanceAndSwrOfEveryPoint) {
  Sweep sweep;
  sweep.frequencyMHz = {1, 2, 3, 4};
  sweep.gamma = {{0, 0}, {1.0 / 3, 0}, {0, 1}, {1, 0}};
  sweep.z0 = 50;
  const std::vector<MeasuredPoint> p = MeasuredPoints(sweep);
  EXPECT_EQ(p[0].resistance, 50);
  EXPECT_EQ(p[0].reactance, 0);
  EXPECT_EQ(p[0].swr, 1);
  EXPECT_NEAR(p[1].resistance, 100, 1e-12);
  EXPECT_NEAR(p[1].swr, 2, 1e-15);
  EXPECT_NEAR(p[2].resistance, 0, 1e-12);  // a pure reactance, |gamma| = 1
  EXPECT_NEAR(p[2].reactance, 50, 1e-12);
  EXPECT_EQ(p[2].swr, kInf);
  EXPECT_EQ(p[3].resistance, kInf);  // open circuit
  EXPECT_TRUE(std::isnan(p[3].reactance));
  EXPECT_EQ(p[3].swr, kInf);
}

TEST(SweepEvaluation, SmallestSwrIsTheFirstOfEqualPoints) {
  const SweepEvaluation e = EvaluateSweep(Points({10, 11, 12, 13}, {3, 1.2, 1.2, 3}, {5, -4, -3, -2}), 50);
  EXPECT_EQ(e.swrMin, 1.2);
  EXPECT_EQ(e.swrMinMHz, 11);
  EXPECT_EQ(e.resonanceKind, ResonanceKind::SwrMinimum);
  EXPECT_EQ(e.resonanceMHz, 11);
  EXPECT_EQ(e.resistance, 41);
  EXPECT_EQ(e.reactance, -4);
  EXPECT_EQ(e.points, 4u);
  EXPECT_EQ(e.fStartMHz, 10);
  EXPECT_EQ(e.fStopMHz, 13);
}

TEST(SweepEvaluation, ResonanceIsTheCrossingNearestTheMinimum) {
  // Crossings between 10/11 (at 10.5) and 13/14 (at 13.25); only capacitive-to-inductive counts.
  const SweepEvaluation e =
      EvaluateSweep(Points({10, 11, 12, 13, 14}, {2, 3, 4, 1.1, 2}, {-10, 10, -5, -3, 9}), 50);
  EXPECT_EQ(e.resonanceKind, ResonanceKind::ReactanceZero);
  EXPECT_EQ(e.resonanceMHz, 13.25);
  EXPECT_EQ(e.resistance, 43.25);
  EXPECT_EQ(e.reactance, 0);
  // A crossing at X = 0 exactly counts: X_i < 0, X_i+1 >= 0.
  EXPECT_EQ(EvaluateSweep(Points({1, 2}, {1, 1}, {-1, 0}), 50).resonanceMHz, 2);
  // Inductive to capacitive is no series resonance.
  EXPECT_EQ(EvaluateSweep(Points({1, 2}, {1.5, 1}, {1, -1}), 50).resonanceKind, ResonanceKind::SwrMinimum);
}

TEST(SweepEvaluation, WithoutACrossingTheSignOfXTellsWhereTheResonanceLies) {
  // Inductive throughout (0 counts as inductive): below the sweep; the frequency stays the smallest SWR's.
  const SweepEvaluation below = EvaluateSweep(Points({13.5, 14, 14.5}, {1.8, 2.5, 3}, {0, 20, 40}), 50);
  EXPECT_EQ(below.resonanceKind, ResonanceKind::BelowSweep);
  EXPECT_EQ(below.resonanceMHz, 13.5);
  EXPECT_STREQ(ResonanceKindName(below.resonanceKind), "belowSweep");
  const SweepEvaluation above = EvaluateSweep(Points({13.5, 14, 14.5}, {3, 2.5, 1.8}, {-40, -20, -1}), 50);
  EXPECT_EQ(above.resonanceKind, ResonanceKind::AboveSweep);
  EXPECT_EQ(above.resonanceMHz, 14.5);
  EXPECT_STREQ(ResonanceKindName(above.resonanceKind), "aboveSweep");
  // An undetermined X decides nothing.
  EXPECT_EQ(EvaluateSweep(Points({1, 2}, {kInf, 3}, {std::nan(""), 5}), 50).resonanceKind,
            ResonanceKind::SwrMinimum);
}

TEST(SweepEvaluation, OfTwoEquallyNearCrossingsTheLowerWins) {
  // Crossings at 10.5 and 12.5, the minimum at 11.5.
  const SweepEvaluation e =
      EvaluateSweep(Points({10, 11, 11.5, 12, 13}, {3, 2, 1.5, 2, 3}, {-1, 1, 0.5, -1, 1}), 50);
  EXPECT_EQ(e.resonanceMHz, 10.5);
}

TEST(SweepEvaluation, BandsAreInterpolatedInSwrAndOpenAtTheEnds) {
  const std::vector<MeasuredPoint> p =
      Points({10, 11, 12, 13, 14, 15}, {3, 1.8, 1.2, 1.4, 1.9, 2.5}, {-3, -2, -1, 1, 2, 3});
  const SweepEvaluation e = EvaluateSweep(p, 50);
  ASSERT_TRUE(e.swr2);
  EXPECT_DOUBLE_EQ(e.swr2->lowMHz, 11 - 0.2 / 1.2);
  EXPECT_DOUBLE_EQ(e.swr2->highMHz, 14 + 0.1 / 0.6);
  EXPECT_FALSE(e.swr2->lowOpen);
  EXPECT_FALSE(e.swr2->highOpen);
  ASSERT_TRUE(e.swr15);
  EXPECT_DOUBLE_EQ(e.swr15->lowMHz, 12 - 0.3 / 0.6);
  EXPECT_DOUBLE_EQ(e.swr15->highMHz, 13 + 0.1 / 0.5);

  const SweepEvaluation open = EvaluateSweep(Points({10, 11, 12}, {1.4, 1.6, kInf}, {-1, 0, 1}), 50);
  ASSERT_TRUE(open.swr15);
  EXPECT_TRUE(open.swr15->lowOpen);
  EXPECT_EQ(open.swr15->lowMHz, 10);
  EXPECT_EQ(open.swr15->highMHz, 10 + 0.1 / 0.2);
  ASSERT_TRUE(open.swr2);
  EXPECT_EQ(open.swr2->highMHz, 11);  // the next point is infinite: the edge stays at the last point inside
  EXPECT_FALSE(open.swr2->highOpen);

  const SweepEvaluation all = EvaluateSweep(Points({10, 11}, {1, 1}, {-1, 1}), 50);
  EXPECT_TRUE(all.swr2->lowOpen && all.swr2->highOpen);
  EXPECT_EQ(all.swr2->lowMHz, 10);
  EXPECT_EQ(all.swr2->highMHz, 11);

  const SweepEvaluation high = EvaluateSweep(Points({10, 11}, {1.7, 2.5}, {-1, 1}), 50);
  EXPECT_TRUE(high.swr2);
  EXPECT_FALSE(high.swr15);
  const SweepEvaluation none = EvaluateSweep(Points({10}, {kInf}, {0}), 50);
  EXPECT_FALSE(none.swr2);
  EXPECT_EQ(none.swrMin, kInf);
  // Exactly at the threshold is inside.
  EXPECT_TRUE(EvaluateSweep(Points({10}, {2}, {0}), 50).swr2);
}

TEST(SweepEvaluation, ReadMeasurementPassesTheRefusalOn) {
  const MeasurementRead read = EvaluateTouchstone("# MHz S RI\n14 0.1 0.2\n13 0.1 0.2\n", 1);
  EXPECT_FALSE(read.measurement);
  EXPECT_EQ(read.error.line, 3);
  const MeasurementRead good = EvaluateTouchstone("# MHz S RI R 50\n14 0 0\n", 1);
  ASSERT_TRUE(good.measurement);
  EXPECT_EQ(good.measurement->points.size(), 1u);
  EXPECT_EQ(good.measurement->evaluation.swrMin, 1);
}

}  // namespace
}  // namespace zb
