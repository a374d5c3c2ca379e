// zelvar-beam-cli messung and pruning --messung: the evaluation of a sweep
// file as text and as JSON, refused files (exit 4) and wrong calls.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <complex>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>

#include "tests/cli/CliTestSupport.h"

namespace zb {
namespace {

class MessungCommand : public ::testing::Test {
 protected:
  std::filesystem::path folder_ =
      std::filesystem::temp_directory_path() /
      ("zb-messung-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  void SetUp() override { std::filesystem::create_directories(folder_); }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Write(const std::string& name, const std::string& content) {
    const std::filesystem::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
  }

  // A series R-L-C circuit (35 ohms, resonant at 14.1 MHz) from 13.5 to 14.5 MHz in 5 kHz steps.
  std::string Dipole(double f0 = 14.1e6, const std::string& name = "dipol.s1p") {
    const double r = 35, l = 2e-6, c = 1 / ((2 * std::numbers::pi * f0) * (2 * std::numbers::pi * f0) * l);
    std::string text = "! Dipol 20 m\n# MHz S RI R 50\n";
    for (int i = 0; i <= 200; ++i) {
      const double f = 13.5e6 + i * 5e3, w = 2 * std::numbers::pi * f;
      const std::complex<double> z(r, w * l - 1 / (w * c));
      const std::complex<double> g = (z - 50.0) / (z + 50.0);
      // A decimal point whatever the locale, as an analyser writes it.
      char line[96];
      char* end = std::to_chars(line, line + sizeof line, f / 1e6, std::chars_format::fixed, 3).ptr;
      *end++ = ' ';
      end = std::to_chars(end, line + sizeof line, g.real()).ptr;
      *end++ = ' ';
      end = std::to_chars(end, line + sizeof line, g.imag()).ptr;
      text.append(line, end).push_back('\n');
    }
    return Write(name, text);
  }

  test::CliRun Run(std::vector<std::string> args) { return test::RunCli(args, folder_ / "work"); }
};

TEST_F(MessungCommand, TextWithTheLocaleSeparator) {
  const test::CliRun run = Run({"messung", Dipole()});
  EXPECT_EQ(run.exit, kExitCompleted) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "Messpunkte: 201 von 13,500 bis 14,500 MHz\n"
            "Resonanz: 14,100 MHz (Blindwiderstand null)\n"
            "Kleinstes SWR: 1,43 bei 14,100 MHz\n"
            "SWR \u2264 2: 13,500 (Messbereichsanfang) bis 14,500 (Messbereichsende) MHz\n"
            "SWR \u2264 1,5: 13,779 bis 14,429 MHz\n"
            "Wirkwiderstand R bei Resonanz [\u03A9]: 35,0\n"
            "Blindwiderstand X bei Resonanz [\u03A9]: 0,0\n");
  EXPECT_FALSE(run.reportWritten);
}

TEST_F(MessungCommand, JsonWithShortestNumbers) {
  const test::CliRun run = Run({"messung", "--json", Dipole()});
  EXPECT_EQ(run.exit, kExitCompleted);
  EXPECT_EQ(
      run.out.rfind("{\"points\":201,\"fStartMHz\":13.5,\"fStopMHz\":14.5,\"z0\":50,\"resonanceMHz\":14.", 0),
      0u)
      << run.out;
  EXPECT_NE(run.out.find(",\"resonanceKind\":\"reactanceZero\",\"resistance\":35"), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find(",\"swrMin\":1.4285714285714"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find(",\"swrMinMHz\":14.1,\"swr2\":{\"lowMHz\":13.5,\"highMHz\":14.5,\"lowOpen\":true,"
                         "\"highOpen\":true},\"swr15\":{\"lowMHz\":13.77"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(run.out.back(), '\n');
}

TEST_F(MessungCommand, InfiniteSwrIsNullInJsonAndUnendlichInText) {
  const std::string file = Write("kurz.s1p", "# MHz S RI\n14 1 0\n14.1 0 1\n");
  const test::CliRun json = Run({"messung", file, "--json"});
  EXPECT_EQ(json.exit, kExitCompleted);
  EXPECT_EQ(json.out,
            "{\"points\":2,\"fStartMHz\":14,\"fStopMHz\":14.1,\"z0\":50,\"resonanceMHz\":14,"
            "\"resonanceKind\":\"swrMinimum\",\"resistance\":null,\"reactance\":null,\"swrMin\":null,"
            "\"swrMinMHz\":14,\"swr2\":null,\"swr15\":null}\n");
  const test::CliRun text = Run({"messung", file});
  EXPECT_NE(text.out.find("Kleinstes SWR: unendlich bei 14,000 MHz\n"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("SWR \u2264 2: nicht erreicht\n"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("Resonanz: 14,000 MHz (beim kleinsten SWR"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("[\u03A9]: unendlich\n"), std::string::npos) << text.out;
}

TEST_F(MessungCommand, UnreadableFilesExitFourWithTheReason) {
  const std::string bad = Write("bad.s1p", "# MHz S RI\n14 0 0\n\n! x\n13 0 0\n");
  const test::CliRun run = Run({"messung", bad});
  EXPECT_EQ(run.exit, kExitUnreadableFile);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            bad + ": Zeile 5: Die Frequenzen steigen nicht an: \u201E13\u201C folgt auf \u201E14\u201C.\n");
  const std::string missing = (folder_ / "nichts.s1p").string();
  EXPECT_EQ(Run({"messung", missing, "--json"}).err, missing + ": Die Datei gibt es nicht.\n");
  EXPECT_EQ(Run({"messung", Write("leer.s1p", "")}).exit, kExitUnreadableFile);
}

TEST_F(MessungCommand, AResonanceBelowTheSweepIsNamedAndNotPruned) {
  const std::string file = Dipole(13.3e6, "tief.s1p"),
                    text = "Resonanz unterhalb des Messbereichs \u2013 bitte tiefer messen";
  EXPECT_NE(Run({"messung", file}).out.find("Resonanz: " + text + "\n"), std::string::npos);
  EXPECT_NE(Run({"messung", file, "--json"}).out.find("\"resonanceKind\":\"belowSweep\""), std::string::npos);
  const test::CliRun pruning = Run({"pruning", "--laenge", "10,40", "--messung", file, "--soll", "14,2"});
  EXPECT_EQ(pruning.exit, kExitUnreadableFile);
  EXPECT_EQ(pruning.err, file + ": " + text + "\n");
  EXPECT_EQ(pruning.out, "");
}

TEST_F(MessungCommand, AFileWithoutOptionLineIsReadWithANote) {
  const std::string file = Write("ohne.s1p", "0.014 0.5 90\n0.015 0.25 -90\n");
  const test::CliRun run = Run({"messung", file});
  EXPECT_EQ(run.exit, kExitCompleted);
  EXPECT_EQ(run.err, file + ": ohne Optionszeile: GHz, S, MA, R 50 angenommen\n");
  EXPECT_EQ(run.out.rfind("Messpunkte: 2 von 14,000 bis 15,000 MHz\n", 0), 0u) << run.out;
  EXPECT_EQ(Run({"messung", Dipole()}).err, "");
}

TEST_F(MessungCommand, WrongCalls) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"messung"},
                                               {"messung", "a.s1p", "b.s1p"},
                                               {"messung", "--unsinn", "a.s1p"},
                                               {"messung", "--json"}}) {
    const test::CliRun run = Run(args);
    EXPECT_EQ(run.exit, kExitUsage) << args.size();
    // DATEI or --geraet: neither is required on its own.
    EXPECT_NE(run.err.find("Aufruf: zelvar-beam-cli messung [DATEI] [--json] [--geraet PORT]"),
              std::string::npos)
        << run.err;
  }
  EXPECT_EQ(Run({"messung"}).err.rfind("Das Argument DATEI fehlt.\n", 0), 0u);
  EXPECT_EQ(Run({"messung", "a", "b"}).err.rfind("Überzähliges Argument: b\n", 0), 0u);
  const test::CliRun help = Run({"messung", "--help"});
  EXPECT_EQ(help.exit, kExitCompleted);
  EXPECT_NE(help.out.find("Touchstone"), std::string::npos);
}

TEST_F(MessungCommand, PruningTakesTheMeasuredResonance) {
  const std::string file = Dipole();
  const test::CliRun measured =
      Run({"pruning", "--laenge", "10,40", "--messung", file, "--soll", "14,2", "--json"});
  const test::CliRun typed =
      Run({"pruning", "--laenge", "10,40", "--ist", "14,1", "--soll", "14,2", "--json"});
  EXPECT_EQ(measured.exit, kExitCompleted) << measured.err;
  EXPECT_EQ(measured.out, typed.out);
  EXPECT_EQ(Run({"pruning", "--laenge", "10,40", "--messung", file, "--soll", "14,2"}).out,
            Run({"pruning", "--laenge", "10,40", "--ist", "14,1", "--soll", "14,2"}).out);

  const std::string bad = Write("bad.s1p", "# MHz S RI\n14 0 x\n");
  const test::CliRun refused = Run({"pruning", "--laenge", "10,40", "--messung", bad, "--soll", "14,2"});
  EXPECT_EQ(refused.exit, kExitUnreadableFile);
  EXPECT_EQ(refused.err, bad + ": Zeile 2: \u201Ex\u201C ist keine Zahl.\n");
  EXPECT_EQ(refused.out, "");

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"pruning", "--laenge", "3", "--soll", "14"},
        {"pruning", "--laenge", "3", "--soll", "14", "--ist", "14", "--messung", file}}) {
    const test::CliRun run = Run(args);
    EXPECT_EQ(run.exit, kExitUsage);
    EXPECT_EQ(run.err.rfind("Entweder --ist oder --messung angeben.\n", 0), 0u) << run.err;
  }
}

}  // namespace
}  // namespace zb
