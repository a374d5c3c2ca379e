// The Touchstone reader: synthetic sweeps of a series R-L-C circuit in every
// unit, format, parameter type, port count and version give the analytic
// resonance; bad input gives its message with the line.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>

#include "core/measurement/SweepEvaluation.h"
#include "core/measurement/Touchstone.h"

namespace zb {
namespace {

using Complex = std::complex<double>;
constexpr double kTwoPi = 2 * std::numbers::pi;

std::string Text(double value) {
  char buffer[32];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// A series R-L-C circuit: Z = R + j (w L - 1 / (w C)).
struct SeriesRlc {
  double r = 35;
  double f0 = 14.1037e6;  // Hz, not on a sweep point
  double l = 2.2e-6;
  double C() const { return 1 / (kTwoPi * f0 * kTwoPi * f0 * l); }
  Complex Z(double hz) const {
    const double w = kTwoPi * hz;
    return {r, w * l - 1 / (w * C())};
  }
  // How far the linear interpolation of X between points h apart may miss the
  // root in [low, high]: h^2 max|X''| / (8 min X').
  double InterpolationErrorHz(double h, double low, double high) const {
    const double maxSecond = 2 / (kTwoPi * low * low * low * C());
    const double minFirst = kTwoPi * l + 1 / (kTwoPi * high * high * C());
    return h * h * maxSecond / (8 * minFirst);
  }
};

enum class Param { S, Z, Y };
enum class Fmt { RI, MA, DB };

struct FileKind {
  int version;
  int ports;
  const char* unit;  // as written, any letter case
  double hzPerUnit;
  Param param;
  Fmt format;
  double r = 50;  // option line R (version 1) or [Reference] (version 2)
  bool referenceKeyword = false;
};

std::string PairText(Complex v, Fmt format) {
  switch (format) {
    case Fmt::RI:
      return Text(v.real()) + " " + Text(v.imag());
    case Fmt::MA:
      return Text(std::abs(v)) + " " + Text(std::arg(v) * 180 / std::numbers::pi);
    case Fmt::DB:
      return Text(20 * std::log10(std::abs(v))) + " " + Text(std::arg(v) * 180 / std::numbers::pi);
  }
  return "";
}

// The parameters of port 1 for the circuit: S11 against r; for a two-port a
// network whose input with port 2 terminated in r is the circuit.
std::vector<Complex> Parameters(const FileKind& k, Complex z) {
  const double r = k.r;
  const double normalise = k.version == 1 ? 1 / r : 1;  // version 1: Z / R, Y * R
  if (k.ports == 1) {
    switch (k.param) {
      case Param::S:
        return {(z - r) / (z + r)};
      case Param::Z:
        return {z * normalise};
      case Param::Y:
        return {1.0 / z / normalise};
    }
  }
  switch (k.param) {
    case Param::S:
      return {(z - r) / (z + r), {0.5, 0.1}, {0.5, 0.1}, {0.2, -0.3}};
    case Param::Z: {  // a shunt element Zp across a through line: Zp || r = z
      const Complex zp = z * r / (r - z) * normalise;
      return {zp, zp, zp, zp};
    }
    case Param::Y: {  // a series element between the ports: 1 / Ys + r = z
      const Complex ys = 1.0 / (z - r) / normalise;
      return {ys, -ys, -ys, ys};
    }
  }
  return {};
}

std::string Sweep(const FileKind& k, const SeriesRlc& rlc, double startHz, double stepHz, int count) {
  const char* params[] = {"S", "z", "Y"};
  const char* formats[] = {"ri", "MA", "dB"};
  std::string text = "! synthetic R-L-C\r\n";
  if (k.version == 2) {
    text += "[Version] 2.0\n[Number of Ports] " + std::to_string(k.ports) + "\n";
    if (k.ports == 2) text += "[Two-Port Data Order] 12_21\n";
    text += "[Number of Frequencies] " + std::to_string(count) + "\n";
  }
  text += std::string("#\t") + k.unit + " " + params[static_cast<int>(k.param)] + " " +
          formats[static_cast<int>(k.format)];
  if (k.version == 1 || !k.referenceKeyword) text += " R " + Text(k.r);
  text += "  ! option line\n";
  if (k.version == 2) {
    if (k.referenceKeyword) {
      text += "[Reference] " + Text(k.r) + (k.ports == 2 ? "\n" + Text(k.r) : "") + "\n";
    }
    text += "[Network Data]\n";
  }
  for (int i = 0; i < count; ++i) {
    const double hz = startHz + stepHz * i;
    text += Text(hz / k.hzPerUnit);
    for (const Complex& p : Parameters(k, rlc.Z(hz))) text += "\t" + PairText(p, k.format);
    text += i % 7 == 3 ? "\r\n\n! between\n" : "\n";
  }
  if (k.version == 2) text += "[End]";
  return text;
}

TEST(Touchstone, SyntheticSweepsGiveTheAnalyticResonanceInEveryForm) {
  const SeriesRlc rlc;
  const double start = 13.5e6, step = 10e3;
  const int count = 121;
  const double bound = rlc.InterpolationErrorHz(step, start, start + step * (count - 1)) / 1e6 + 1e-9;
  struct Unit {
    const char* name;
    double hz;
  };
  int files = 0;
  for (int version : {1, 2})
    for (int ports : {1, 2})
      for (Unit unit : {Unit{"Hz", 1}, Unit{"KHZ", 1e3}, Unit{"mhz", 1e6}, Unit{"GHz", 1e9}})
        for (Param param : {Param::S, Param::Z, Param::Y})
          for (Fmt format : {Fmt::RI, Fmt::MA, Fmt::DB}) {
            FileKind k{version, ports, unit.name, unit.hz, param, format};
            if (version == 2 && (files % 2) == 0) {
              k.referenceKeyword = true;
              k.r = 75;
            }
            ++files;
            const std::string text = Sweep(k, rlc, start, step, count);
            const MeasurementRead read = EvaluateTouchstone(text, version == 1 ? ports : 0);
            SCOPED_TRACE(text.substr(0, 200));
            ASSERT_TRUE(read.measurement) << read.error.message;
            const SweepEvaluation& e = read.measurement->evaluation;
            EXPECT_EQ(e.points, static_cast<std::size_t>(count));
            EXPECT_EQ(e.resonanceKind, ResonanceKind::ReactanceZero);
            EXPECT_NEAR(e.resonanceMHz, rlc.f0 / 1e6, bound);
            EXPECT_NEAR(e.resistance, rlc.r, 1e-6);
            EXPECT_NEAR(e.z0, k.r, 0);
            EXPECT_NEAR(e.fStartMHz, 13.5, 1e-9);
            EXPECT_NEAR(e.fStopMHz, 14.7, 1e-9);
          }
  EXPECT_EQ(files, 2 * 2 * 4 * 3 * 3);
  EXPECT_LT(rlc.InterpolationErrorHz(step, start, start + step * (count - 1)),
            100.0);  // the check means something
}

TEST(Touchstone, TheBoundIsTightEnoughToCatchAnOffByOnePoint) {
  // Interpolating in the wrong pair would miss by a whole step.
  const SeriesRlc rlc;
  EXPECT_LT(rlc.InterpolationErrorHz(10e3, 13.5e6, 14.7e6), 10e3 / 10);
}

TEST(Touchstone, DefaultsAreGigahertzSMagnitudeAngleAndFiftyOhms) {
  const TouchstoneRead read = ParseTouchstone("#\n0.014 0.5 90\n0.015 0.25 -90", 1);
  ASSERT_TRUE(read.sweep) << read.error.message;
  EXPECT_EQ(read.sweep->z0, 50);
  ASSERT_EQ(read.sweep->frequencyMHz.size(), 2u);
  EXPECT_NEAR(read.sweep->frequencyMHz[0], 14, 1e-12);
  EXPECT_NEAR(read.sweep->frequencyMHz[1], 15, 1e-12);
  EXPECT_NEAR(read.sweep->gamma[0].imag(), 0.5, 1e-15);
  EXPECT_NEAR(read.sweep->gamma[1].imag(), -0.25, 1e-15);
  // Without any option line as well; the sweep says so, for a note to the user.
  EXPECT_TRUE(read.sweep->optionLineGiven);
  const TouchstoneRead bare = ParseTouchstone("1 0.5 0\n", 1);
  ASSERT_TRUE(bare.sweep);
  EXPECT_FALSE(bare.sweep->optionLineGiven);
}

TEST(Touchstone, PortCountComesFromTheNameOrTheFirstDataLine) {
  EXPECT_EQ(PortsFromFileName("a/b/Dipol.s1p"), 1);
  EXPECT_EQ(PortsFromFileName("Dipol.S2P"), 2);
  EXPECT_EQ(PortsFromFileName("x.s12p"), 12);
  EXPECT_EQ(PortsFromFileName("x.txt"), 0);
  EXPECT_EQ(PortsFromFileName("x.sp"), 0);
  EXPECT_EQ(ParseTouchstone("# MHz S RI\n14 0.1 0.2\n", 0).sweep->ports, 1);
  EXPECT_EQ(ParseTouchstone("# MHz S RI\n14 0.1 0.2 0 0 0 0 0 0\n", 0).sweep->ports, 2);
  EXPECT_EQ(ParseTouchstone("# MHz S RI\n14 0.1 0.2 0 0\n", 0).error.message,
            "Zeile 2: Eine Messzeile hat 3 Werte (Eintor) oder 9 Werte (Zweitor), diese hat 5.");
  EXPECT_EQ(ParseTouchstone("# MHz S RI\n14 0.1 0.2\n", 4).error.message,
            "Die Datei beschreibt ein 4-Tor; gelesen werden nur Eintore und Zweitore (.s1p, .s2p).");
  EXPECT_EQ(ParseTouchstone("[Version] 2.0\n[Number of Ports] 3\n", 1).error.message,
            "Zeile 2: Die Datei beschreibt ein 3-Tor; gelesen werden nur Eintore und Zweitore (.s1p, .s2p).");
}

TEST(Touchstone, VersionOneTwoPortNoiseDataEndsTheNetworkData) {
  const TouchstoneRead read = ParseTouchstone(
      "# MHz S RI R 50\n14 0.1 0 0 0 0 0 0 0\n15 0.2 0 0 0 0 0 0 0\n14 1.5 0.5 10 0.3\n15 1.6 0.5 10 0.3\n",
      2);
  ASSERT_TRUE(read.sweep) << read.error.message;
  EXPECT_EQ(read.sweep->frequencyMHz.size(), 2u);
}

TEST(Touchstone, VersionTwoKeywordsInformationMatrixFormatAndContinuedLines) {
  const std::string text =
      "[Version] 2.0\n# MHz Z RI R 50\n[Number of Ports] 2\n[Two-Port Data Order] 21_12\n"
      "[Number of Frequencies] 2\n[Reference] 50 75\n[Matrix Format] Lower\n"
      "[Begin Information]\nanything [at all\n[End Information]\n[Network Data]\n"
      "14 50 0\n 0 0 75 0\n15 100 0 0 0 75 0\n[Noise Data]\n14 1 2 3 4\n[End]\nafter the end";
  const TouchstoneRead read = ParseTouchstone(text, 0);
  ASSERT_TRUE(read.sweep) << read.error.message;
  EXPECT_EQ(read.sweep->version, 2);
  EXPECT_EQ(read.sweep->ports, 2);
  EXPECT_EQ(read.sweep->frequencyMHz.size(), 2u);
  EXPECT_NEAR(std::abs(read.sweep->gamma[0]), 0, 1e-15);                         // 50 ohms against 50
  EXPECT_NEAR(read.sweep->gamma[1].real(), (100.0 - 50) / (100.0 + 50), 1e-15);  // 100 ohms
}

TEST(Touchstone, CommentsBlankLinesTabsCrLfAndNoFinalNewline) {
  const TouchstoneRead read = ParseTouchstone(
      "! head\r\n\r\n\t# mhz s ri r 50 ! options\r\n!\r\n14\t0.1\t0.2 ! one\r\n   \r\n15 0.3 0.4", 1);
  ASSERT_TRUE(read.sweep) << read.error.message;
  EXPECT_EQ(read.sweep->frequencyMHz, (std::vector<double>{14, 15}));
  EXPECT_EQ(read.sweep->gamma[1], Complex(0.3, 0.4));
}

TEST(Touchstone, AByteOrderMarkAndBareCrLineEndsAreRead) {
  for (const char* text :
       {"\xEF\xBB\xBF# MHz S RI\n14 0.1 0.2\n15 0.3 0.4\n", "# MHz S RI\r14 0.1 0.2\r15 0.3 0.4\r",
        "\xEF\xBB\xBF! a\r\r# MHz S RI\r\n14 0.1 0.2\n\r15 0.3 0.4"}) {
    const TouchstoneRead read = ParseTouchstone(text, 1);
    ASSERT_TRUE(read.sweep) << read.error.message;
    EXPECT_EQ(read.sweep->frequencyMHz, (std::vector<double>{14, 15}));
  }
  // Lines still count as the file shows them: CR, CR LF and LF each end one.
  EXPECT_EQ(ParseTouchstone("\xEF\xBB\xBF# MHz S RI\r\r14 0.1 0.2\r\n15 x 0.2\n", 1).error.message,
            "Zeile 4: \u201Ex\u201C ist keine Zahl.");
}

// The message of a refused text.
std::string Refusal(std::string_view text, int ports = 1) {
  const TouchstoneRead read = ParseTouchstone(text, ports);
  return read.sweep ? "<read>" : read.error.message;
}

TEST(Touchstone, BadInputNamesTheLine) {
  EXPECT_EQ(Refusal("# MHz S RI\n14 0.1 0.2\n15 0,1 0.2\n"), "Zeile 3: \u201E0,1\u201C ist keine Zahl.");
  EXPECT_EQ(Refusal("# MHz S RI\n14 0.1 0.2\n15 0.1\n"), "Zeile 3: Zu wenige Werte: 3 erwartet, 2 gefunden.");
  EXPECT_EQ(Refusal("# MHz S RI\n14 0.1 0.2 0.3\n"), "Zeile 2: Zu viele Werte: 3 erwartet, 4 gefunden.");
  EXPECT_EQ(Refusal("# MHz S RI\n14.1 0.1 0.2\n14 0.1 0.2\n"),
            "Zeile 3: Die Frequenzen steigen nicht an: \u201E14\u201C folgt auf \u201E14.1\u201C.");
  EXPECT_EQ(Refusal("# MHz S RI\n14 0.1 0.2\n14 0.1 0.2\n"),
            "Zeile 3: Die Frequenzen steigen nicht an: \u201E14\u201C folgt auf \u201E14\u201C.");
  EXPECT_EQ(Refusal("# MHz S RI\n\n14 nan 0.2\n"), "Zeile 3: \u201Enan\u201C ist keine endliche Zahl.");
  EXPECT_EQ(Refusal("# MHz S RI\n14 0.1 -inf\n"), "Zeile 2: \u201E-inf\u201C ist keine endliche Zahl.");
  EXPECT_EQ(Refusal("# MHz S RI\n14 1e999 0\n"), "Zeile 2: \u201E1e999\u201C ist keine endliche Zahl.");
  EXPECT_EQ(Refusal(""), "Die Datei ist leer.");
  EXPECT_EQ(Refusal("! only a comment\n# MHz S RI\n\n"), "Die Datei enthält keine Messwerte.");
  EXPECT_EQ(Refusal("# MHz H RI\n14 0 0\n"),
            "Zeile 1: H-Parameter werden nicht gelesen; die Datei muss S-, Z- oder Y-Parameter enthalten.");
  EXPECT_EQ(Refusal("# mhz g ri\n"),
            "Zeile 1: G-Parameter werden nicht gelesen; die Datei muss S-, Z- oder Y-Parameter enthalten.");
  EXPECT_EQ(Refusal("# MHz S XY\n"), "Zeile 1: \u201EXY\u201C ist in der Optionszeile unbekannt.");
  EXPECT_EQ(Refusal("# MHz S RI R\n"), "Zeile 1: Nach R fehlt in der Optionszeile der Bezugswiderstand.");
  EXPECT_EQ(Refusal("# MHz S RI R 0\n"),
            "Zeile 1: Der Bezugswiderstand muss größer als 0 sein, nicht \u201E0\u201C.");
  EXPECT_EQ(Refusal("# MHz S RI\n-1 0 0\n"), "Zeile 2: Die Frequenz darf nicht negativ sein.");
  EXPECT_EQ(Refusal("# MHz Z RI\n14 -1 0\n"),
            "Zeile 2: Die Werte ergeben keinen endlichen Reflexionsfaktor.");
  EXPECT_EQ(Refusal("14 0.1 0.2\n# MHz S RI\n"),
            "Zeile 2: Die Optionszeile steht nach den ersten Messwerten.");
  EXPECT_EQ(Refusal("# MHz S RI\n[Network Data]\n"),
            "Zeile 2: Das Schlüsselwort \u201E[Network Data]\u201C gehört zu Touchstone 2.0, die Datei "
            "beginnt aber "
            "nicht mit [Version] 2.0.");
  EXPECT_EQ(Refusal("\x01\xff 1 2\n"), "Zeile 1: \u201E??\u201C ist keine Zahl.");
}

TEST(Touchstone, BadVersionTwoInputNamesTheLine) {
  EXPECT_EQ(Refusal("[Version] 3.0\n"),
            "Zeile 1: Touchstone-Version \u201E3.0\u201C wird nicht gelesen (nur 1.x, 2.0 und 2.1).");
  EXPECT_EQ(Refusal("[Version] 2.0\n[Network Data]\n"),
            "Zeile 2: [Network Data] steht vor [Number of Ports].");
  EXPECT_EQ(Refusal("[Version] 2.0\n[Number of Ports] 1\n14 0 0\n"),
            "Zeile 3: Werte außerhalb von [Network Data]: \u201E14 0 0\u201C.");
  EXPECT_EQ(
      Refusal(
          "[Version] 2.0\n[Number of Ports] 1\n[Number of Frequencies] 3\n[Network Data]\n1 0 0\n2 0 0\n"),
      "Zeile 3: [Number of Frequencies] nennt 3 Frequenzen, die Datei enthält aber 2.");
  EXPECT_EQ(Refusal("[Version] 2.0\n[Number of Ports] 1\n[Network Data]\n1 0\n2 0 0\n"),
            "Zeile 4: Zu wenige Werte: 3 erwartet, 2 gefunden.");
  EXPECT_EQ(Refusal("[Version] 2.0\n[Number of Ports] 1\n[Network Data]\n1 0 0\n2 0\n"),
            "Zeile 5: Zu wenige Werte: 3 erwartet, 2 gefunden.");
  EXPECT_EQ(Refusal("[Version] 2.0\n[Number of Ports] 2\n[Reference] 50\n[Network Data]\n"),
            "Zeile 3: Zu [Reference] fehlen Widerstände.");
  EXPECT_EQ(Refusal("[Version] 2.0\n[Number of Ports] zwei\n"),
            "Zeile 2: [Number of Ports] braucht eine ganze Zahl, nicht \u201Ezwei\u201C.");
}

TEST(Touchstone, VersionTwoZAndYAreOhmsAndSiemensAndReferenceOverridesR) {
  const std::string head = "[Version] 2.0\n[Number of Ports] 1\n";
  const TouchstoneRead z =
      ParseTouchstone(head + "# MHz Z RI R 50\n[Reference] 75\n[Network Data]\n14 75 0\n", 0);
  ASSERT_TRUE(z.sweep) << z.error.message;
  EXPECT_EQ(z.sweep->z0, 75);
  EXPECT_NEAR(std::abs(z.sweep->gamma[0]), 0, 1e-15);
  const TouchstoneRead y = ParseTouchstone(head + "# MHz Y RI R 50\n[Network Data]\n14 0.01 0\n", 0);
  ASSERT_TRUE(y.sweep) << y.error.message;
  EXPECT_NEAR(y.sweep->gamma[0].real(), (100.0 - 50) / (100.0 + 50), 1e-15);  // 0.01 S = 100 ohms
  // Version 1: normalised to R.
  const TouchstoneRead v1 = ParseTouchstone("# MHz Z RI R 75\n14 2 0\n", 1);
  EXPECT_NEAR(v1.sweep->gamma[0].real(), 1.0 / 3, 1e-15);
  const TouchstoneRead v1y = ParseTouchstone("# MHz Y RI R 75\n14 0.5 0\n", 1);
  EXPECT_NEAR(v1y.sweep->gamma[0].real(), 1.0 / 3, 1e-15);
}

class TouchstoneFile : public ::testing::Test {
 protected:
  std::filesystem::path folder_ =
      std::filesystem::temp_directory_path() /
      ("zb-touchstone-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  void SetUp() override { std::filesystem::create_directories(folder_); }
  void TearDown() override { std::filesystem::remove_all(folder_); }
};

TEST_F(TouchstoneFile, FilesAboveFiftyMegabytesAreRefusedBySize) {
  const std::filesystem::path big = folder_ / "big.s1p";
  { std::ofstream(big) << "# MHz S RI\n"; }
  std::filesystem::resize_file(big, kLargestTouchstoneFile + 1);  // sparse: nothing written
  EXPECT_EQ(ReadTouchstoneFile(big).error.message, "Die Datei ist größer als 50 MB und wird nicht gelesen.");
  EXPECT_EQ(ReadTouchstoneFile(folder_ / "missing.s1p").error.message, "Die Datei gibt es nicht.");
  EXPECT_EQ(ReadTouchstoneFile(folder_).error.message, "Das ist keine gewöhnliche Datei.");
}

TEST_F(TouchstoneFile, TheNameGivesTheVersionOnePortCount) {
  const std::filesystem::path two = folder_ / "dipol.S2P";
  { std::ofstream(two) << "# MHz S RI\n14 0.1 0.2 0 0 0 0 0 0\n15 0.1 0.2\n"; }
  const MeasurementRead read = ReadMeasurement(two);
  ASSERT_FALSE(read.measurement);
  EXPECT_EQ(read.error.line, 3);
  EXPECT_EQ(read.error.message, "Zeile 3: Zu wenige Werte: 9 erwartet, 3 gefunden.");
}

}  // namespace
}  // namespace zb
