#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "core/beam/BeamDimensions.h"
#include "core/numbers/Cp1252.h"
#include "core/numbers/NumberText.h"
#include "core/shared/ModuleState.h"
#include "report/ResultReport.h"

namespace zb {
namespace {

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(Cp1252ToUtf8(bytes.substr(start, end - start)));
  EXPECT_EQ(start, bytes.size()) << "the report ends with CR LF";
  return lines;
}

ReportInputs Inputs(bool drei) {
  ReportInputs in;
  in.f = 50.2f;
  in.vf = 1.0f;
  in.lambda = 300.0 / static_cast<double>(in.f);
  in.dims = DimensionBeam(in.f, in.vf, 0.0, drei, kKoeffDipol);
  in.dreiQuertraeger = drei;
  in.bandLabel = "50";
  in.bandPosition = 1;
  in.permittivity = 1.00059f;
  in.insulationText = "1,00059 Luft";
  return in;
}

const ReportStamp kStamp{"07.12.2026 14:03:59", "© 2026 Zelvar-Beam-Projekt"};

class ResultReport : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(','); }
};

TEST_F(ResultReport, TheVariantsDifferInTheirOwnLinesOnly) {
  const std::vector<std::string> two = Lines(ComposeResultReport(Inputs(false), kStamp));
  const std::vector<std::string> three = Lines(ComposeResultReport(Inputs(true), kStamp));
  // Three spreaders have two more spacing lines and one more width line, but
  // no boom extension C.
  ASSERT_EQ(three.size(), two.size() + 2);
  EXPECT_EQ(two[7], "Gesamte Boomlänge: ~ 3,32 m");
  EXPECT_EQ(three[7], "Gesamte Boomlänge: ~ 2,48 m");
  EXPECT_EQ(two[8], "Aufbauvariante: zwei Querträger mit Spannseil");
  EXPECT_EQ(three[8], "Aufbauvariante: drei Querträger ohne Spannseil");
  EXPECT_EQ(two[28], " A3  = 0,766 m ");
  EXPECT_EQ(three[28], " AQ1 = 0,510 m ");
  EXPECT_EQ(two[31], " Bv = 1,533 m               Querträger 2 = 1,583 m (vorne)");
  EXPECT_EQ(three[33], " Bv = 1,533 m               Querträger 3 = 1,583 m (für den Direktor)");
  EXPECT_EQ(three[34], " Bm = 1,543 m               Querträger 2 = 1,593 m (für den Dipol)");
  EXPECT_EQ(two[32], " Bh = 1,561 m               Querträger 1 = 1,611 m (hinten)");
  EXPECT_EQ(three[35], " Bh = 1,561 m               Querträger 1 = 1,611 m (für den Reflektor)");
  EXPECT_EQ(two[35], " lBoom    = 2,816 m ");
  EXPECT_EQ(two[36], " C        = 0,251 m ");
  EXPECT_EQ(two[37], " geslBoom = 3,318 m ");
  EXPECT_EQ(three[38], " lBoom    = 2,461 m ");
  EXPECT_EQ(three[39], " geslBoom = 2,476 m ");
  // Everything else is the same text.
  for (std::size_t i = 0; i < 28; ++i) {
    if (i != 7 && i != 8) {
      EXPECT_EQ(two[i], three[i]) << i;
    }
  }
  for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(two[two.size() - 1 - i], three[three.size() - 1 - i]) << i;
}

TEST_F(ResultReport, HeaderTellsBandPositionAndTheRule) {
  ReportInputs in = Inputs(true);
  const std::string bytes = ComposeResultReport(in, kStamp);
  const std::vector<std::string> lines = Lines(bytes);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "                        Zelvar-Beam nach Kalvex ");
  EXPECT_EQ(bytes.substr(2 + lines[1].size() + 2, 82), std::string(80, '\xAF') + "\r\n");
  EXPECT_EQ(lines[3], "Antenne berechnet für SSB-Band: 50 MHz");
  in.bandPosition = 0;
  EXPECT_EQ(Lines(ComposeResultReport(in, kStamp))[3], "Antenne berechnet CW-Band: 50 MHz");
  in.bandPosition = 2;
  in.bandLabel = "3,5";
  EXPECT_EQ(Lines(ComposeResultReport(in, kStamp))[3], "Antenne berechnet für Bandmitte: 3,5 MHz");
  in.bandPosition = -1;
  EXPECT_EQ(Lines(ComposeResultReport(in, kStamp))[3], "Antenne berechnet 3,5 MHz");
}

TEST_F(ResultReport, OptionalLinesForTheVelocityFactorWindowAndInsulation) {
  ReportInputs in = Inputs(true);
  const std::vector<std::string> bare = Lines(ComposeResultReport(in, kStamp));
  EXPECT_EQ(bare[5], "Verkürzungsfaktor des Drahtes: 1,0");
  EXPECT_EQ(bare[6], "Größte Antennenbreite: ~ 1,61 m");

  in.vfWindowActive = true;
  in.vfDiameterText = "2";
  in.vfHeightText = "3,0";
  in.permittivity = 2.2f;
  in.insulationText = "2,2   PTFE GY";
  const std::vector<std::string> full = Lines(ComposeResultReport(in, kStamp));
  ASSERT_EQ(full.size(), bare.size() + 3);
  EXPECT_EQ(full[5], "Drahtdurchmesser: 2 mm");
  EXPECT_EQ(full[6], "Antennenhöhe: 3,0 m");
  EXPECT_EQ(full[7], "Verkürzungsfaktor des Drahtes: 1,0");
  EXPECT_EQ(full[8], " (Zusatz-Vf durch Drahtisolierung: 2,2   PTFE GY)");
}

TEST_F(ResultReport, FixedLinesAndTheStamp) {
  const std::vector<std::string> lines = Lines(ComposeResultReport(Inputs(true), kStamp));
  const std::vector<std::string> tail(lines.end() - 12, lines.end());
  const std::vector<std::string> expected = {
      "Mindestabstände zu anderen Antennen/Metallflächen/Erdboden o.Ä.:",
      " oberhalb/unterhalb = 0,48 m",
      " nach hinten        = 1,00 m",
      "",
      "Technische Antennendaten:",
      " Gewinn G: 6,0 dBd / 8,15 dBi",
      " Vor-Rück-Verhältnis: min 22 dB bis max 61 dB (frequenzabhängig)",
      " Speise-Pkt.: 12,5 Ohm / 50 Ohm über 4:1-Balun an der N-Buchse",
      "",
      "Berechnung am 07.12.2026 14:03:59  © 2026 Zelvar-Beam-Projekt",
  };
  EXPECT_EQ(std::vector<std::string>(tail.begin() + 2, tail.end()), expected);
  EXPECT_EQ(tail[0], " geslBoom = 2,476 m ");
  EXPECT_EQ(tail[1], "");
}

TEST_F(ResultReport, DerivedValuesAreFormedFromTheStoredSingles) {
  // At 2 MHz the rear clearance 0.1673 * 150 m = 25.095 m shows 25,10.
  ReportInputs in = Inputs(true);
  in.f = 2.0f;
  in.lambda = 150.0;
  in.dims = DimensionBeam(in.f, 1.0f, 0.0, true, kKoeffDipol);
  const std::vector<std::string> lines = Lines(ComposeResultReport(in, kStamp));
  EXPECT_EQ(lines[lines.size() - 8], " nach hinten        = 25,10 m");
}

TEST_F(ResultReport, TheWriterReplacesTheResultFileAndNamesIt) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zb-report-writer";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  ModuleState state;
  state.Ergebnisdatei.clear();
  ResultFileWriter writer([] { return std::string("07.12.2026 14:03:59"); }, folder);
  writer.WriteResultReport(state, Inputs(false));
  writer.WriteResultReport(state, Inputs(true));
  EXPECT_EQ(state.Ergebnisdatei, "Zelvar-Beam.txt");
  std::ifstream file(folder / "Zelvar-Beam.txt", std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  EXPECT_EQ(content.str(), ComposeResultReport(Inputs(true), kStamp));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace zb
