#include <gtest/gtest.h>

#include "core/beam/BandTable.h"

namespace zb {
namespace {

TEST(BandDesignFrequency, GivesTheSegmentsOfEachBand) {
  EXPECT_EQ(BandDesignFrequency(kSegmentCw, 1.8f), 1.82f);
  EXPECT_EQ(BandDesignFrequency(kSegmentSsb, 1.8f), 1.86f);
  EXPECT_EQ(BandDesignFrequency(kSegmentCentre, 1.8f), 1.857f);
  EXPECT_EQ(BandDesignFrequency(kSegmentSsb, 3.5f), 3.7f);  // 3.5 rounds to slot 4
  EXPECT_EQ(BandDesignFrequency(kSegmentCentre, 7.0f), 7.1f);
  EXPECT_EQ(BandDesignFrequency(kSegmentCw, 14.1f), 14.0f);
  EXPECT_EQ(BandDesignFrequency(kSegmentSsb, 14.1f), 14.25f);
  EXPECT_EQ(BandDesignFrequency(kSegmentCw, 18.0f), 18.068f);
  EXPECT_EQ(BandDesignFrequency(kSegmentSsb, 28.0f), 28.6f);
  EXPECT_EQ(BandDesignFrequency(kSegmentCw, 29.5f), 28.0f);  // slot 30
  EXPECT_EQ(BandDesignFrequency(kSegmentCentre, 50.0f), 50.5f);
  EXPECT_EQ(BandDesignFrequency(0, 50.0f), 50.5f);  // any other segment reads the centre
  EXPECT_EQ(BandDesignFrequency(7, 10.0f), 10.125f);
}

TEST(BandDesignFrequency, The24MHzBandStandsInSlot25) {
  for (std::int16_t segment : {1, 2, 3}) EXPECT_EQ(BandDesignFrequency(segment, 24.0f), 24.0f);
  EXPECT_EQ(BandDesignFrequency(kSegmentCw, 24.9f), 24.89f);
  EXPECT_EQ(BandDesignFrequency(kSegmentSsb, 24.9f), 24.95f);
  EXPECT_EQ(BandDesignFrequency(kSegmentCentre, 24.9f), 24.94f);
  EXPECT_EQ(BandDesignFrequency(kSegmentCw, 24.5f), 24.5f);  // ties to even: slot 24
  EXPECT_EQ(BandDesignFrequency(kSegmentCw, 25.5f), 25.5f);  // ties to even: slot 26
}

TEST(BandDesignFrequency, ReturnsTheFrequencyWithoutAnEntry) {
  EXPECT_EQ(BandDesignFrequency(kSegmentCw, 2.5f), 1.82f);  // ties to even: slot 2
  EXPECT_EQ(BandDesignFrequency(kSegmentCw, 144.0f), 144.0f);
  EXPECT_EQ(BandDesignFrequency(kSegmentCw, 5.3f), 5.3f);
  EXPECT_EQ(BandDesignFrequency(kSegmentCw, 60.0f), 60.0f);
  EXPECT_EQ(BandDesignFrequency(kSegmentCw, 0.0f), 0.0f);
  EXPECT_EQ(BandDesignFrequency(kSegmentCw, -14.0f), -14.0f);
  EXPECT_EQ(BandDesignFrequency(kSegmentCw, 1e9f), 1e9f);  // beyond the 16-bit range
}

TEST(RoundToInt16, RoundsTiesToEvenInside16Bits) {
  std::int16_t r = 0;
  ASSERT_TRUE(RoundToInt16(3.5, r));
  EXPECT_EQ(r, 4);
  ASSERT_TRUE(RoundToInt16(2.5, r));
  EXPECT_EQ(r, 2);
  ASSERT_TRUE(RoundToInt16(-32768.4, r));
  EXPECT_EQ(r, -32768);
  EXPECT_FALSE(RoundToInt16(32767.5, r));
  EXPECT_FALSE(RoundToInt16(1e300 * 1e300, r));
}

}  // namespace
}  // namespace zb
