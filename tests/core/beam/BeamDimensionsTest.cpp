#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "core/beam/BeamDimensions.h"
#include "core/numbers/RuntimeError.h"
#include "core/shared/ModuleState.h"

namespace zb {
namespace {

std::uint32_t Bits(float value) { return std::bit_cast<std::uint32_t>(value); }

// The worked 50.2 MHz example with bare wire and VF 1. The expected bit
// patterns come from a separate evaluation of the same formulas.
TEST(DimensionBeam, WorkedExampleTwoSpreadersBitForBit) {
  const BeamDimensions d = DimensionBeam(50.2f, 1.0f, 0.0, false, kKoeffDipol);
  EXPECT_EQ(Bits(d.lD), 0x40501ab7u);
  EXPECT_EQ(Bits(d.lDs), 0x3f8aa611u);
  EXPECT_EQ(Bits(d.lS), 0x40567d33u);
  EXPECT_EQ(Bits(d.lSs), 0x3f8b8516u);
  EXPECT_EQ(Bits(d.lR), 0x4059c08bu);
  EXPECT_EQ(Bits(d.lRs), 0x3f8d33fcu);
  EXPECT_EQ(Bits(d.A1), 0x3f917734u);
  EXPECT_EQ(Bits(d.A2), 0x3f69c7ecu);
  EXPECT_EQ(Bits(d.A3), 0x3f4435d2u);
  EXPECT_EQ(Bits(d.AQ1), 0x3f027fb2u);
  EXPECT_EQ(Bits(d.AQ2), 0x3ee66666u);
  EXPECT_EQ(Bits(d.AQ3), 0x3ed2d149u);
  EXPECT_EQ(Bits(d.Bv), 0x3fc435d2u);
  EXPECT_EQ(d.Bm, 0.0f);  // never computed for two spreaders
  EXPECT_EQ(Bits(d.Bh), 0x3fc7d2e5u);
  EXPECT_EQ(Bits(d.lBoom), 0x40343b09u);
  EXPECT_EQ(Bits(d.C), 0x3e80828du);
  EXPECT_EQ(Bits(d.geslBoom), 0x40545bacu);
}

TEST(DimensionBeam, WorkedExampleThreeSpreadersBitForBit) {
  const BeamDimensions d = DimensionBeam(50.2f, 1.0f, 0.0, true, kKoeffDipol);
  EXPECT_EQ(Bits(d.lS), 0x40567d33u);
  EXPECT_EQ(Bits(d.Bm), 0x3fc5717du);
  EXPECT_EQ(Bits(d.lBoom), 0x401d87beu);
  EXPECT_EQ(d.C, 0.0f);  // never computed for three spreaders
  EXPECT_EQ(Bits(d.geslBoom), 0x401e7d81u);
  EXPECT_NEAR(ClearanceAboveBelow(300.0 / 50.2f), 0.4781, 5e-5);
  EXPECT_NEAR(ClearanceRear(300.0 / 50.2f), 0.9998, 5e-5);
}

TEST(DimensionBeam, OnlyTheWireLengthsFollowVelocityFactorAndInsulation) {
  const BeamDimensions bare = DimensionBeam(14.2f, 1.0f, 0.0, true, kKoeffDipol);
  const BeamDimensions insulated = DimensionBeam(14.2f, 0.95f, 0.0123, true, kKoeffDipol);
  EXPECT_LT(insulated.lD, bare.lD);
  EXPECT_LT(insulated.lS, bare.lS);
  EXPECT_LT(insulated.lR, bare.lR);
  EXPECT_EQ(insulated.lDs, bare.lDs);
  EXPECT_EQ(insulated.lSs, bare.lSs);
  EXPECT_EQ(insulated.lRs, bare.lRs);
  EXPECT_EQ(insulated.A1, bare.A1);
  EXPECT_EQ(insulated.Bh, bare.Bh);
  EXPECT_EQ(insulated.geslBoom, bare.geslBoom);
  // The insulation shortens the wavelength by twice its share.
  EXPECT_NEAR(insulated.lS / bare.lS, 0.95 * (1 - 2 * 0.0123), 1e-6);
}

TEST(DimensionBeam, ExtremeInsulationAndZeroVelocityFactorAreNotChecked) {
  const BeamDimensions half = DimensionBeam(28.5f, 1.0f, 0.5, false, kKoeffDipol);
  EXPECT_EQ(half.lS, 0.0f);
  const BeamDimensions more = DimensionBeam(28.5f, 1.0f, 0.6, false, kKoeffDipol);
  EXPECT_LT(more.lR, 0.0f);
  EXPECT_GT(more.lRs, 0.0f);
  const BeamDimensions noVf = DimensionBeam(28.5f, 0.0f, 0.0, false, kKoeffDipol);
  EXPECT_EQ(noVf.lD, 0.0f);
  EXPECT_EQ(noVf.lR, 0.0f);
  EXPECT_EQ(noVf.lRs, more.lRs);
}

TEST(DimensionBeam, RaisesTheRunTimeErrorsOfItsArithmetic) {
  try {
    DimensionBeam(1e-38f, 1.0f, 0.0, true, kKoeffDipol);
    FAIL() << "no overflow";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number(), kOverflow);
    EXPECT_EQ(e.Description(), "Überlauf");
  }
  try {
    DimensionBeam(0.0f, 1.0f, 0.0, true, kKoeffDipol);
    FAIL() << "no division error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number(), kDivisionByZero);
    EXPECT_EQ(e.Description(), "Division durch Null");
  }
}

TEST(DimensionBeam, CorrectedWavelengthIsTheWavelengthForBareWire) {
  EXPECT_EQ(CorrectedWavelength(50.2f, 0.0), 300.0 / static_cast<double>(50.2f));
  EXPECT_EQ(CorrectedWavelength(50.2f, 0.5), 0.0);
}

}  // namespace
}  // namespace zb
