// zelvar-beam-cli messung --geraet and geraete against the stand-in analyser
// on a pseudo terminal: the sweep reads exactly as the file it is saved to,
// comes in pieces of one grid, and every fault of the device or the port ends
// with exit 4 within the session's limits, naming the port, writing nothing.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "cli/AnalyserSearch.h"
#include "tests/cli/CliTestSupport.h"
#include "tests/support/StandInAnalyser.h"

namespace zb {
namespace {

using test::StandInAnalyser;
using test::StandInFault;
using test::StandInFirmware;

class MessungGeraet : public ::testing::Test {
 protected:
  std::filesystem::path folder_ =
      std::filesystem::temp_directory_path() /
      ("zb-geraet-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  void SetUp() override { std::filesystem::create_directories(folder_); }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  test::CliRun Run(std::vector<std::string> args) { return test::RunCli(args, folder_ / "work"); }

  // messung --geraet at the stand-in, 13,5 to 14,5 MHz, with more arguments after.
  test::CliRun Measure(const StandInAnalyser& device, std::vector<std::string> more = {}) {
    std::vector<std::string> args{"messung", "--geraet", device.Path(), "--von", "13,5", "--bis", "14.5"};
    args.insert(args.end(), more.begin(), more.end());
    return Run(args);
  }

  std::string Saved(const std::string& name) const { return (folder_ / name).string(); }
};

// "scan START STOP N ..." as numbers.
struct ScanCommand {
  std::int64_t start = 0, stop = 0;
  int points = 0;
};

std::vector<ScanCommand> Scans(const StandInAnalyser& device) {
  std::vector<ScanCommand> scans;
  for (const std::string& command : device.Commands()) {
    std::istringstream words(command);
    std::string name;
    ScanCommand scan;
    if (words >> name >> scan.start >> scan.stop >> scan.points && name == "scan") scans.push_back(scan);
  }
  return scans;
}

// The frequency words of the data lines of a saved Touchstone file.
std::vector<std::int64_t> SavedFrequencies(const std::string& path) {
  std::istringstream lines(test::ReadBytes(path));
  std::vector<std::int64_t> hz;
  for (std::string line; std::getline(lines, line);)
    if (!line.empty() && line[0] != '!' && line[0] != '#') hz.push_back(std::stoll(line));
  return hz;
}

TEST_F(MessungGeraet, EveryFirmwareReadsAsTheFileItSavedAsTextAndJson) {
  const std::pair<StandInFirmware, double> kinds[] = {{StandInFirmware::Modern, 14.1},
                                                      {StandInFirmware::OldUnnumbered, 14.25},
                                                      {StandInFirmware::OldNumbered, 13.9},
                                                      {StandInFirmware::QuestionPrompt, 14.0}};
  for (const auto& [firmware, resonanceMHz] : kinds) {
    for (const bool json : {false, true}) {
      SCOPED_TRACE(static_cast<int>(firmware) * 10 + json);
      StandInAnalyser device({firmware, resonanceMHz});
      const std::string file = Saved("sweep.s1p");
      std::vector<std::string> more{"--speichern", file};
      if (json) more.push_back("--json");
      const test::CliRun measured = Measure(device, more);
      EXPECT_EQ(measured.exit, kExitCompleted) << measured.err;
      EXPECT_EQ(measured.err, "");
      std::vector<std::string> read{"messung", file};
      if (json) read.push_back("--json");
      EXPECT_EQ(measured.out, Run(read).out);
      // The default of 201 points, and the stand-in's own resonance.
      EXPECT_NE(measured.out.find(json ? "\"points\":201," : "Messpunkte: 201 von 13,500 bis 14,500 MHz"),
                std::string::npos)
          << measured.out;
      char resonance[32];
      std::snprintf(resonance, sizeof resonance, "Resonanz: %.3f MHz", resonanceMHz);
      std::string expected = resonance;
      expected.replace(expected.find('.'), 1, ",");
      if (!json) {
        EXPECT_NE(measured.out.find(expected), std::string::npos) << measured.out;
      }
    }
  }
}

TEST_F(MessungGeraet, ManyPointsComeInPiecesOfOneGridWithoutRepeats) {
  StandInAnalyser device(test::StandInSetup{});
  const std::string file = Saved("250.s1p");
  // The hertz are rounded: 13,5000004 MHz is 13500000 Hz, 14,4999996 MHz 14500000 Hz.
  const test::CliRun run = Run({"messung", "--geraet", device.Path(), "--von", "13,5000004", "--bis",
                                "14.4999996", "--punkte", "250", "--speichern", file});
  ASSERT_EQ(run.exit, kExitCompleted) << run.err;
  const std::vector<ScanCommand> scans = Scans(device);
  ASSERT_GE(scans.size(), 3u);
  EXPECT_EQ(device.ScansAnswered(), static_cast<int>(scans.size()));
  EXPECT_EQ(scans.front().start, 13'500'000);
  EXPECT_EQ(scans.back().stop, 14'500'000);
  int points = 0;
  for (std::size_t i = 0; i < scans.size(); ++i) {
    EXPECT_LE(scans[i].points, 101);
    // Every piece starts and ends on the grid of the whole sweep.
    const auto onGrid = [](std::int64_t hz, int index) {
      return hz == std::llround(13.5e6 + index * 1e6 / 249);
    };
    EXPECT_TRUE(onGrid(scans[i].start, points)) << scans[i].start;
    points += scans[i].points;
    EXPECT_TRUE(onGrid(scans[i].stop, points - 1)) << scans[i].stop;
  }
  EXPECT_EQ(points, 250);
  const std::vector<std::int64_t> hz = SavedFrequencies(file);
  ASSERT_EQ(hz.size(), 250u);
  for (std::size_t i = 1; i < hz.size(); ++i) EXPECT_LT(hz[i - 1], hz[i]) << i;
  EXPECT_EQ(run.out.rfind("Messpunkte: 250 von 13,500 bis 14,500 MHz\n", 0), 0u) << run.out;
}

TEST_F(MessungGeraet, EveryDeviceFaultEndsWithinTheLimitsNamingThePortAndWritingNothing) {
  struct Case {
    StandInFirmware firmware;
    StandInFault fault;
    int point;
    const char* says;  // a word of the message
  };
  const Case cases[] = {
      {StandInFirmware::Modern, StandInFault::Silent, 0, "ch>"},
      {StandInFirmware::Modern, StandInFault::Binary, 0, "Binärprotokoll"},
      {StandInFirmware::Modern, StandInFault::Unparsable, 150, "unverständliche Zeile"},
      {StandInFirmware::OldUnnumbered, StandInFault::Unparsable, 20, "unverständliche Zeile"},
      {StandInFirmware::Modern, StandInFault::Usage, 120, "usage: scan"},
      {StandInFirmware::Modern, StandInFault::FewLines, 200, "weniger Zeilen"},
      {StandInFirmware::OldNumbered, StandInFault::FewLines, 5, "weniger Zeilen"},
      {StandInFirmware::Modern, StandInFault::Unplugged, 130, "abgerissen"},
      {StandInFirmware::Modern, StandInFault::FallsSilent, 60, "schweigt"},
      {StandInFirmware::Modern, StandInFault::Trickle, 0, "10 s"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.fault));
    StandInAnalyser device({c.firmware, 14.1, c.fault, c.point});
    const std::string file = Saved("never.s1p");
    const auto start = std::chrono::steady_clock::now();
    const test::CliRun run = Measure(device, {"--punkte", "250", "--speichern", file});
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(run.exit, kExitDeviceFault);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(device.Path()), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(file));
    // Ten seconds for the slowest exchange, and a moment for the ones before it.
    EXPECT_LT(took, std::chrono::milliseconds(10'500));
  }
}

TEST_F(MessungGeraet, AMissingBusyOrForeignPortIsRefusedWithoutTouchingIt) {
  const std::string missing = (folder_ / "ttyACM9").string();
  const test::CliRun gone = Run({"messung", "--geraet", missing, "--von", "7", "--bis", "7,2"});
  EXPECT_EQ(gone.exit, kExitDeviceFault);
  EXPECT_NE(gone.err.find(missing), std::string::npos) << gone.err;

  StandInAnalyser device(test::StandInSetup{});
  {
    // Another program holds the port as serial programs do.
    const int other = open(device.Path().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(flock(other, LOCK_EX), 0);
    const test::CliRun busy = Measure(device);
    EXPECT_EQ(busy.exit, kExitDeviceFault);
    EXPECT_NE(busy.err.find(device.Path() + " ist belegt"), std::string::npos) << busy.err;
    EXPECT_TRUE(device.Commands().empty());
    close(other);
  }
  // Released, it measures; and again after the first program let it go.
  EXPECT_EQ(Measure(device).exit, kExitCompleted);
  EXPECT_EQ(Measure(device).exit, kExitCompleted);

  const std::string notATerminal = Saved("plain.txt");
  std::ofstream(notATerminal) << "x";
  const test::CliRun plain = Run({"messung", "--geraet", notATerminal, "--von", "7", "--bis", "7,2"});
  EXPECT_EQ(plain.exit, kExitDeviceFault);
  EXPECT_NE(plain.err.find(notATerminal), std::string::npos) << plain.err;
}

TEST_F(MessungGeraet, WrongCallsExitTwoBeforeTheDeviceHearsAnything) {
  StandInAnalyser device(test::StandInSetup{});
  const std::string port = device.Path();
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"messung", "--geraet", port, "--von", "14,5", "--bis", "14.5"},
           {"messung", "--geraet", port, "--von", "14,6", "--bis", "14.5"},
           {"messung", "--geraet", port, "--von", "14", "--bis", "14.5", "--punkte", "1"},
           {"messung", "--geraet", port, "--von", "14", "--bis", "14.5", "--punkte", "10002"},
           {"messung", "--geraet", port, "--von", "14", "--bis", "14.5", "--punkte", "20x"},
           {"messung", "--geraet", port, "--von", "0", "--bis", "14.5"},
           {"messung", "--geraet", port, "--von", "14 MHz", "--bis", "14.5"},
           {"messung", "--geraet", port, "--bis", "14.5"},
           {"messung", "--geraet", port, "--von", "14", "--bis", "14.000001", "--punkte", "3"},
           {"messung", "datei.s1p", "--geraet", port, "--von", "14", "--bis", "14.5"},
           {"messung", "datei.s1p", "--von", "14"},
       }) {
    const test::CliRun run = Run(args);
    EXPECT_EQ(run.exit, kExitUsage) << ::testing::PrintToString(args);
    EXPECT_NE(run.err.find("Aufruf: zelvar-beam-cli messung"), std::string::npos);
  }
  EXPECT_TRUE(device.Commands().empty());
  // The limits themselves are allowed.
  EXPECT_EQ(Measure(device, {"--punkte", "2"}).exit, kExitCompleted);
  EXPECT_EQ(Measure(device, {"--punkte", "10001"}).out.rfind("Messpunkte: 10001 ", 0), 0u);
}

TEST_F(MessungGeraet, WithNoAnalyserFoundGeraeteListsNoneAndAutoExitsFour) {
  if (!FindAnalysers().empty()) GTEST_SKIP() << "an analyser is plugged in here";
  const test::CliRun list = Run({"geraete"});
  EXPECT_EQ(list.exit, kExitCompleted);
  EXPECT_EQ(list.out, "");
  EXPECT_EQ(Run({"geraete", "--json"}).out, "[]\n");
  const test::CliRun automatic = Run({"messung", "--geraet", "auto", "--von", "7", "--bis", "7,2"});
  EXPECT_EQ(automatic.exit, kExitDeviceFault);
  EXPECT_NE(automatic.err.find("Kein Antennenanalysator"), std::string::npos) << automatic.err;
}

TEST_F(MessungGeraet, SavingWhereNoFileCanBeExitsFourAfterMeasuring) {
  StandInAnalyser device(test::StandInSetup{});
  const std::string nowhere = (folder_ / "no-such-folder" / "x.s1p").string();
  const test::CliRun run = Measure(device, {"--speichern", nowhere});
  EXPECT_EQ(run.exit, kExitDeviceFault);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind(nowhere + ": ", 0), 0u) << run.err;
}

// The program as installed, under a German and a plain locale: the rows take
// the locale's decimal separator, and device and file still agree.
TEST_F(MessungGeraet, TheProgramAgreesWithItsFileUnderEitherLocale) {
  const auto output = [](const std::string& locale, const std::string& args) {
    const std::string command = "LANG=" + locale + " LC_ALL=" + locale + " " ZB_CLI_PATH " " + args + " 2>&1";
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
      char buffer[512];
      for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
      pclose(pipe);
    }
    return text;
  };
  for (const auto& [locale, separator] :
       {std::pair{"de_DE.UTF-8", "14,100"}, std::pair{"C.UTF-8", "14.100"}}) {
    StandInAnalyser device(test::StandInSetup{});
    const std::string file = Saved("locale.s1p");
    const std::string measured =
        output(locale, "messung --geraet " + device.Path() + " --von 13,5 --bis 14,5 --speichern " + file);
    EXPECT_EQ(measured, output(locale, "messung " + file)) << locale;
    EXPECT_NE(measured.find(std::string("Resonanz: ") + separator + " MHz"), std::string::npos) << measured;
  }
}

}  // namespace
}  // namespace zb
