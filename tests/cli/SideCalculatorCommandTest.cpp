// The three side calculators of the command line: what their windows show
// after one "Rechnen", why a run stopped, and their exit codes.

#include <gtest/gtest.h>

#include "cli/SubcommandOptions.h"
#include "core/side/ZusatzDipolRules.h"
#include "tests/cli/CliTestSupport.h"

namespace zb {
namespace {

constexpr const char* kCoupledArgs =
    "zusatzdipol --erreger-frequenz 14,0 --impedanz 300 --erreger-durchmesser 2 "
    "--durchmesser 2 --vk 0,946 ";

test::CliRun RunLine(const std::string& line) {
  return test::RunCli(test::Words(line), test::ScratchFolder());
}

// The value of "key": in a one-line JSON object, as written.
std::string Field(const std::string& json, const std::string& key) {
  const std::size_t at = json.find("\"" + key + "\":");
  if (at == std::string::npos) return "<missing " + key + ">";
  const std::size_t start = at + key.size() + 3;
  const std::size_t end =
      json[start] == '"' ? json.find('"', start + 1) + 1 : json.find_first_of(",}", start);
  return json.substr(start, end - start);
}

TEST(VkCommand, WorkedExampleWithAndWithoutGroundCorrection) {
  const test::CliRun plain = RunLine("vk --frequenz 50,2 --hoehe 3 --durchmesser 2");
  EXPECT_EQ(plain.exit, kExitCompleted);
  EXPECT_EQ(plain.out,
            "Drahtdurchmesser [mm]: 2\nVerkürzung durch Schlankheitsgrad [%]: 3,4\n"
            "Verkürzung durch Antennenhöhe [%]: 2,8\n"
            "voraussichtlicher Verkürzungsfaktor: 0,958\n");
  EXPECT_FALSE(plain.reportWritten);

  const std::string ground =
      RunLine("vk --frequenz 50.2 --hoehe 3 --durchmesser 2 --erdbodenkorrektur --json").out;
  EXPECT_EQ(Field(ground, "Label5"), "\"2,7\"");
  EXPECT_EQ(Field(ground, "Label9"), "\"0,958\"");
  EXPECT_EQ(Field(ground, "limit"), "\"None\"");
  EXPECT_NEAR(std::stof(Field(ground, "vf")), 0.9577f, 5e-5f);
}

TEST(VkCommand, LimitedDiametersAreWrittenBackInRed) {
  struct Case {
    const char* args;
    const char* impedance;
    const char* limit;
  };
  for (const Case& c :
       {Case{"--frequenz 50,2 --hoehe 0,01 --durchmesser 25", "\"20,0\"", "\"TwiceHeight\""},
        Case{"--frequenz 50,2 --hoehe 3 --durchmesser 0,05", "\"0,1\"", "\"Minimum\""},
        Case{"--frequenz 50,2 --hoehe 3 --durchmesser abc", "\"0,1\"", "\"Minimum\""},
        Case{"--frequenz 1000 --hoehe 10 --durchmesser 200", "\"150,0\"", "\"HalfWavelength\""}}) {
    const std::string json = RunLine(std::string("vk --json ") + c.args).out;
    EXPECT_EQ(Field(json, "Text3"), c.impedance) << c.args;
    EXPECT_EQ(Field(json, "Text3Colour"), "\"red\"") << c.args;
    EXPECT_EQ(Field(json, "limit"), c.limit) << c.args;
  }
  // Exactly on a limit passes; the limits are held as 4-byte values, so
  // 0,01 m gives 20 mm although 0.01f * 2000 lies just below 20.
  for (const char* args : {"--hoehe 1 --durchmesser 2000", "--hoehe 3 --durchmesser 0,1",
                           "--hoehe 0,01 --durchmesser 20", "--hoehe 0,03 --durchmesser 60"}) {
    const std::string json = RunLine(std::string("vk --json --frequenz 50,2 ") + args).out;
    EXPECT_EQ(Field(json, "Text3Colour"), "\"black\"") << args;
    EXPECT_EQ(Field(json, "limit"), "\"None\"") << args;
  }
}

TEST(VkCommand, ColoursFollowTheUnroundedPercentages) {
  const std::string json = RunLine("vk --json --frequenz 0,3 --hoehe 100 --durchmesser 1").out;
  EXPECT_EQ(Field(json, "Label7"), "\"2,0\"");  // 1,9676 %
  EXPECT_EQ(Field(json, "Label7Colour"), "\"red\"");
  const std::string low = RunLine("vk --json --frequenz 50,2 --hoehe 0,05 --durchmesser 2").out;
  EXPECT_EQ(Field(low, "Label5Colour"), "\"red\"");
  EXPECT_EQ(Field(low, "Label7Colour"), "\"black\"");
}

TEST(VkCommand, StopsAtTheFrequencyAndAtTooLowHeights) {
  for (const char* frequency : {"\"\"", "0", "abc", "1E39"}) {
    const test::CliRun run =
        RunLine(std::string("vk --json --hoehe 3 --durchmesser 2 --frequenz ") + frequency);
    EXPECT_EQ(run.exit, kExitEndedEarly) << frequency;
    EXPECT_EQ(run.err, "Feld „Frequenz [MHz]:“\n");
    EXPECT_EQ(Field(run.out, "estimate"), "null");
  }
  for (const char* height : {"0", "0,005", "\"\""}) {
    const test::CliRun run = RunLine(std::string("vk --frequenz 50,2 --durchmesser 2 --hoehe ") + height);
    EXPECT_EQ(run.exit, kExitEndedEarly) << height;
    EXPECT_EQ(run.err, "Feld „Antennenhöhe [m]:“, das Feld enthält jetzt \"0,01\"\n");
  }
  // The text written back passes on the next press.
  EXPECT_EQ(RunLine("vk --frequenz 50,2 --durchmesser 2 --hoehe 0,01").exit, kExitCompleted);
}

TEST(PruningCommand, WorkedExampleAndSigns) {
  const test::CliRun run = RunLine("pruning --laenge 3,20 --ist 49,8 --soll 50,2");
  EXPECT_EQ(run.exit, kExitCompleted);
  EXPECT_EQ(run.out,
            "Antennenlänge lS: 3,175\nVF gesamt: 0,947\nLänge lS ändern um [mm]: - 25,5\n"
            "Länge lR ändern um [mm]: - 25,9\nLänge lD ändern um [mm]: - 24,7\n");
  const std::string longer = RunLine("pruning --json --laenge 3,10 --ist 51,0 --soll 50,2").out;
  EXPECT_EQ(Field(longer, "Label9"), "\"+ 49,4\"");
  EXPECT_EQ(Field(longer, "Label11"), "\"+ 50,2\"");
  EXPECT_EQ(Field(longer, "Label13"), "\"+ 47,9\"");
  EXPECT_EQ(Field(RunLine("pruning --json --laenge 3 --ist 50 --soll 50").out, "Label9"), "\"+ 0,0\"");

  const std::string impossible = RunLine("pruning --json --laenge 5,0 --ist 60 --soll 50").out;
  EXPECT_EQ(Field(impossible, "Label5Colour"), "\"red\"");
  EXPECT_EQ(Field(impossible, "status"), "\"Ok\"");
}

// Red values are marked in the text output, and the JSON
// carries names that say what the values are besides the control names.
TEST(SideCalculatorCommands, RedValuesAreMarkedAndJsonNamesSayWhatTheyAre) {
  const test::CliRun impossible = RunLine("pruning --laenge 5,0 --ist 60 --soll 50");
  EXPECT_NE(impossible.out.find("VF gesamt: 1,783 (rot: über 1)\n"), std::string::npos) << impossible.out;
  const test::CliRun fine = RunLine("pruning --laenge 3,20 --ist 49,8 --soll 50,2");
  EXPECT_EQ(fine.out.find("(rot"), std::string::npos);
  const std::string pruning = RunLine("pruning --json --laenge 3,20 --ist 49,8 --soll 50,2").out;
  EXPECT_EQ(Field(pruning, "vfGesamt"), "\"0,947\"");
  EXPECT_EQ(Field(pruning, "vfGesamtColour"), "\"black\"");
  EXPECT_EQ(Field(pruning, "lengthNew"), "\"3,175\"");
  EXPECT_EQ(Field(pruning, "changeS"), "\"- 25,5\"");
  EXPECT_EQ(Field(pruning, "Label9"), "\"- 25,5\"");  // deprecated, kept for one release

  const test::CliRun limited = RunLine("vk --frequenz 50,2 --hoehe 3 --durchmesser 0,05");
  EXPECT_NE(limited.out.find("Drahtdurchmesser [mm]: 0,1 (rot: begrenzt)\n"), std::string::npos)
      << limited.out;
  const std::string vk = RunLine("vk --json --frequenz 50,2 --hoehe 3 --durchmesser 2").out;
  EXPECT_EQ(Field(vk, "diameterText"), "\"2\"");
  EXPECT_EQ(Field(vk, "heightPercentText"), "\"2,8\"");
  EXPECT_EQ(Field(vk, "slendernessPercentText"), "\"3,4\"");
  EXPECT_EQ(Field(vk, "vfText"), "\"0,958\"");
  EXPECT_EQ(Field(vk, "Text3"), "\"2\"");

  const std::string coupled = RunLine(kCoupledArgs + std::string("--frequenz 21,2 --json")).out;
  EXPECT_EQ(Field(coupled, "spacingText"), Field(coupled, "Label8"));
  EXPECT_EQ(Field(coupled, "lengthText"), Field(coupled, "Label10"));
  EXPECT_EQ(Field(coupled, "vfText"), Field(coupled, "Text6"));
}

TEST(PruningCommand, RatioBoundsAndMissingBoxes) {
  for (const char* accepted : {"--ist 66 --soll 100", "--ist 130 --soll 100"})
    EXPECT_EQ(RunLine(std::string("pruning --laenge 3 ") + accepted).exit, kExitCompleted) << accepted;
  for (const char* refused : {"--ist 65,9 --soll 100", "--ist 130,1 --soll 100"}) {
    const test::CliRun run = RunLine(std::string("pruning --json --laenge 3 ") + refused);
    EXPECT_EQ(run.exit, kExitEndedEarly) << refused;
    EXPECT_EQ(Field(run.out, "status"), "\"RatioOutOfRange\"");
    EXPECT_EQ(run.err, "Feld „soll Resonanzfrequenz [MHz]:“\n");
  }
  struct Case {
    const char* args;
    const char* status;
    const char* focus;
  };
  for (const Case& c :
       {Case{"--laenge \"\" --ist \"\" --soll \"\"", "LengthMissing", "ist Antennenlänge lS[m]:"},
        Case{"--laenge 3 --ist 0 --soll \"\"", "MeasuredMissing", "ist Resonanzfrequenz [MHz]:"},
        Case{"--laenge 3 --ist 50 --soll x", "WantedMissing", "soll Resonanzfrequenz [MHz]:"},
        // 0 or below counts as missing.
        Case{"--laenge -10,8 --ist 14,05 --soll 14,2", "LengthMissing", "ist Antennenlänge lS[m]:"},
        Case{"--laenge 10,8 --ist -14,05 --soll -14,2", "MeasuredMissing", "ist Resonanzfrequenz [MHz]:"},
        Case{"--laenge 10,8 --ist 14,05 --soll -14,2", "WantedMissing", "soll Resonanzfrequenz [MHz]:"}}) {
    const test::CliRun run = RunLine(std::string("pruning --json ") + c.args);
    EXPECT_EQ(Field(run.out, "status"), std::string("\"") + c.status + "\"");
    EXPECT_EQ(run.err, std::string("Feld „") + c.focus + "“\n") << run.err;
    EXPECT_EQ(Field(run.out, "Label9"), "\"\"");
  }
}

const std::string kCoupled =
    "zusatzdipol --erreger-frequenz 14,0 --impedanz 300 --erreger-durchmesser 2 "
    "--durchmesser 2 --vk 0,946 ";

TEST(ZusatzDipolCommand, WorkedExampleAndImpedance) {
  const test::CliRun run = RunLine(kCoupled + "--frequenz 21,2");
  EXPECT_EQ(run.exit, kExitCompleted);
  EXPECT_EQ(run.out,
            "Abstand zwischen den Antennendrähten [mm]: 236\nLänge Zusatzdipol [m]: "
            "6,693\nVerkürzungsfaktor: 0,946\n");
  EXPECT_EQ(run.err, "");
  const std::string z50 = RunLine(kCoupled + "--frequenz 21,2 --impedanz 50 --json").out;
  EXPECT_EQ(Field(z50, "Label8"), "\"39\"");
  EXPECT_EQ(Field(z50, "Label10"), "\"6,693\"");
}

TEST(ZusatzDipolCommand, BelowTheExciterWarnsAndStillShowsResults) {
  const test::CliRun run = RunLine(kCoupled + "--frequenz 10 --json");
  EXPECT_EQ(run.exit, kExitCompleted);
  EXPECT_EQ(Field(run.out, "belowExciter"), "true");
  EXPECT_NE(Field(run.out, "Label8"), "\"\"");
  EXPECT_EQ(run.err.rfind("Feld „gewünschte Resonanzfrequenz [MHz]:“", 0), 0u) << run.err;
}

TEST(ZusatzDipolCommand, LimitsAreWrittenBack) {
  const test::CliRun thick = RunLine(kCoupled + "--frequenz 21,2 --json --vf-hoehe 0,001 --vf-durchmesser 2");
  EXPECT_EQ(thick.exit, kExitEndedEarly);
  EXPECT_EQ(Field(thick.out, "Text5"), "\"0,5\"");
  EXPECT_EQ(Field(thick.out, "status"), "\"ExciterDiameterTooLarge\"");
  EXPECT_EQ(Field(thick.out, "Label8"), "\"\"");

  const test::CliRun close = RunLine(kCoupled + "--frequenz 21,2 --json --impedanz 10");
  EXPECT_EQ(close.exit, kExitEndedEarly);
  EXPECT_EQ(Field(close.out, "status"), "\"SpacingTooSmall\"");
  EXPECT_EQ(Field(close.out, "Text4"),
            "\"" + FormatNumber(std::stof(Field(close.out, "roughSpacing")), "###0.0#") + "\"");
  EXPECT_EQ(close.err.rfind("Feld „" + ShownCaption(ZusatzDipolBoxCaption(4)) + "“", 0), 0u) << close.err;
  // A rough spacing of 0 or less is not written back.
  const test::CliRun negative = RunLine(kCoupled + "--frequenz 21,2 --json --impedanz 1");
  EXPECT_EQ(Field(negative.out, "status"), "\"SpacingTooSmall\"");
  EXPECT_EQ(Field(negative.out, "Text4"), "\"2\"");
}

TEST(ZusatzDipolCommand, ActiveVelocityFactorWindowRefreshesTheVf) {
  const std::string json = RunLine(kCoupled + "--frequenz 21,2 --json --vf-hoehe 10 --vf-durchmesser 2").out;
  EXPECT_EQ(Field(json, "status"), "\"Ok\"");
  EXPECT_NE(Field(json, "Text6"), "\"0,946\"");
  EXPECT_EQ(Field(json, "Text6"), "\"" + FormatNumber(std::stof(Field(json, "exciterVf")), "0.00###") + "\"");
}

TEST(ZusatzDipolCommand, EmptyBoxesStopInTheirOrder) {
  const std::vector<std::pair<std::string, std::string>> order = {
      {"--erreger-frequenz", "Text2"},    {"--frequenz", "Text1"},    {"--impedanz", "Text3"},
      {"--erreger-durchmesser", "Text5"}, {"--durchmesser", "Text4"}, {"--vk", "Text6"}};
  std::string args = "zusatzdipol";
  for (const auto& [option, box] : order) args += " " + option + " \"\"";
  for (const auto& [option, box] : order) {
    const test::CliRun run = RunLine(args);
    EXPECT_EQ(run.exit, kExitEndedEarly);
    const std::string caption = ShownCaption(ZusatzDipolBoxCaption(box.back() - '0'));
    EXPECT_EQ(run.err.rfind("Feld „" + caption + "“", 0), 0u) << run.err;
    args.replace(args.find(option + " \"\""), option.size() + 3,
                 option + " 2");  // fill it, the next one stops
  }
}

TEST(ZusatzDipolCommand, ArithmeticFailuresExitThreeWithNumberAndDescription) {
  struct Case {
    std::string args;
    const char* err;
  };
  for (const Case& c :
       {Case{kCoupled + "--frequenz 21,2 --impedanz 1E39", "Laufzeitfehler 6: Überlauf\n"},
        Case{kCoupled + "--frequenz 21,2 --durchmesser -5 --erreger-durchmesser -5",
             "Laufzeitfehler 5: Ungültiger Prozeduraufruf oder ungültiges Argument\n"},
        Case{kCoupled + "--frequenz 21,2 --isolier-vk 0,5", "Laufzeitfehler 11: Division durch Null\n"}}) {
    const test::CliRun run = RunLine(c.args);
    EXPECT_EQ(run.exit, kExitRuntimeError) << c.args;
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, "");
  }
}

TEST(SideCalculatorCommands, UsageErrorsAndHelp) {
  for (const char* line : {"vk --frequenz 50", "pruning --laenge 3 --ist 50 --soll", "zusatzdipol --unsinn",
                           "zusatzdipol --isolier-vk x --frequenz 1 --erreger-frequenz 1 --impedanz 1 "
                           "--durchmesser 1 --erreger-durchmesser 1 --vk 1",
                           "zusatzdipol --vf-hoehe 3 --frequenz 1 --erreger-frequenz 1 --impedanz 1 "
                           "--durchmesser 1 --erreger-durchmesser 1 --vk 1"}) {
    const test::CliRun run = RunLine(line);
    EXPECT_EQ(run.exit, kExitUsage) << line;
    EXPECT_NE(run.err.find("Aufruf: zelvar-beam-cli " + test::Words(line)[0]), std::string::npos) << run.err;
  }
  for (const char* name : {"vk", "pruning", "zusatzdipol"}) {
    const test::CliRun help = RunLine(std::string(name) + " --help");
    EXPECT_EQ(help.exit, kExitCompleted);
    EXPECT_NE(help.out.find("--json"), std::string::npos);
  }
}

}  // namespace
}  // namespace zb
