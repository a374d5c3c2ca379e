#include <gtest/gtest.h>

#include "core/beam/Insulation.h"
#include "core/numbers/NumberText.h"

namespace zb {
namespace {

TEST(Insulation, MaterialListShowsPermittivityThenName) {
  SetDecimalSeparator(',');
  const std::vector<std::string> list = InsulationMaterialList();
  ASSERT_EQ(list.size(), 25u);
  EXPECT_EQ(list[0], "        ");
  EXPECT_EQ(list[1], "1,0   Vakuum");
  EXPECT_EQ(list[2], "1,00059 Luft");
  EXPECT_EQ(list[4], "2,2   PTFE GY");
  EXPECT_EQ(list[6], "2,35 Öl");
  EXPECT_EQ(list[7], "2,48 PTFE GX");
  EXPECT_EQ(list[14], "4,0   PVC");
  EXPECT_EQ(list[22], "6,15 PTFE 3006");
  EXPECT_EQ(list[24], "7,0   Glimmer");
  // Every entry reads back as its permittivity, in ascending order.
  for (std::size_t i = 2; i < list.size(); ++i) EXPECT_LE(ParseNumber(list[i - 1]), ParseNumber(list[i]));
  EXPECT_EQ(AirMaterialText(), "1,00059 Luft");

  SetDecimalSeparator('.');
  EXPECT_EQ(InsulationMaterialList()[4], "2.2   PTFE GY");
  SetDecimalSeparator(',');
}

TEST(Insulation, AirIsTheThresholdComparedAsSingles) {
  EXPECT_FALSE(CountsAsInsulated(ParseNumber("1,00059")));
  EXPECT_FALSE(CountsAsInsulated(ParseNumber("1,00059 Luft")));
  EXPECT_TRUE(CountsAsInsulated(ParseNumber("1,0006")));
  EXPECT_FALSE(CountsAsInsulated(ParseNumber("")));
  EXPECT_FALSE(MaterialEnablesDiameters(0));
  EXPECT_FALSE(MaterialEnablesDiameters(2));
  EXPECT_TRUE(MaterialEnablesDiameters(3));
}

TEST(Insulation, OuterDiameterStaysAboveTheConductor) {
  SetDecimalSeparator(',');
  EXPECT_EQ(CoupledOuterDiameter("2", "2"), "2,5");
  EXPECT_EQ(CoupledOuterDiameter("2", "2,1"), std::nullopt);  // equality passes
  EXPECT_EQ(CoupledOuterDiameter("8", "9"), std::nullopt);
  EXPECT_EQ(CoupledOuterDiameter("10", "9"), "10,5");
  EXPECT_EQ(CoupledOuterDiameter("1,25", ""), "1,75");
}

}  // namespace
}  // namespace zb
