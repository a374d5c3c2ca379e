#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

#include "cli/CommandLine.h"
#include "core/numbers/Cp1252.h"
#include "tests/cli/CliTestSupport.h"

namespace zb {
namespace {

test::CliRun RunHere(const std::vector<std::string>& args) {
  return test::RunCli(args, test::ScratchFolder());
}

TEST(CommandLine, PrintsTheSummaryOfTheDefaults) {
  const test::CliRun run = RunHere({});
  EXPECT_EQ(run.exit, kExitCompleted);
  EXPECT_EQ(run.out,
            "Berechnet für die Resonanzfrequenz = 50,2 MHz / Bauvariante: drei Querträger ohne Spannseil\n"
            "lD=3,252 m / lDs=1,083 m / lS=3,351 m / lSs=1,09 m / lR=3,402 m / lRs=1,103 m / \n"
            "A1=1,136 m / A2=0,913 m / AQ1=0,51 m / AQ2=0,45 m / AQ3=0,412 m / \n"
            "Bv=1,533 m / Bm=1,543 m / Bh=1,561 m / \n"
            "lBoom=2,461 m / geslBoom=2,476 m / \n"
            "\n"
            "Tabelle liegt als Textfile 'Zelvar-Beam.txt' vor.  \n");
  EXPECT_TRUE(run.reportWritten);
  EXPECT_EQ(run.err, "");
}

// What the window would show goes to standard error: the
// notes of the box rules, and the characters the key filter or the box's
// length dropped; --streng refuses such input.
TEST(CommandLine, NotesAndDroppedCharactersGoToStandardError) {
  const test::CliRun vk = RunHere({"--vk", "1,5"});
  EXPECT_EQ(vk.exit, kExitCompleted);
  EXPECT_EQ(vk.err, " Bitte einen Verkürzungsfaktor von 0 - 1,0 !(typisch 0,946) eintragen\n");

  struct Case {
    std::vector<std::string> args;
    const char* note;
  };
  for (const Case& c : {Case{{"--frequenz", "-5"}, "--frequenz: „-5“ getippt als „5“\n"},
                        Case{{"--frequenz", "1e3"}, "--frequenz: „1e3“ getippt als „13“\n"},
                        Case{{"--frequenz", "14,123456"}, "--frequenz: „14,123456“ getippt als „14,1234“\n"},
                        Case{{"--isolierung", "2,2 mm"}, "--isolierung: „2,2 mm“ getippt als „2,2“\n"}}) {
    const test::CliRun run = RunHere(c.args);
    EXPECT_EQ(run.exit, kExitCompleted) << c.note;
    EXPECT_EQ(run.err, c.note);
    std::vector<std::string> strict = c.args;
    strict.insert(strict.begin(), "--streng");
    const test::CliRun refused = RunHere(strict);
    EXPECT_EQ(refused.exit, kExitUsage) << c.note;
    EXPECT_EQ(refused.err.rfind(c.note, 0), 0u) << refused.err;
    EXPECT_FALSE(refused.reportWritten);
    EXPECT_EQ(refused.out, "");
  }
  // What passes unchanged says nothing, also with --streng; a picked list entry too.
  const test::CliRun clean =
      RunHere({"--streng", "--frequenz", "14,2", "--isolierung", "PVC", "--vk", "0,95"});
  EXPECT_EQ(clean.exit, kExitCompleted);
  EXPECT_EQ(clean.err, "");
}

// A misspelt material would otherwise lose every letter and compute bare wire.
TEST(CommandLine, AnInsulationNameMustBeOnTheList) {
  for (const char* unknown : {"PCV", "  Teflon", "Äther"}) {
    const test::CliRun run = RunHere({"--isolierung", unknown, "--leiter", "1,5", "--aussen", "2,4"});
    EXPECT_EQ(run.exit, kExitUsage) << unknown;
    EXPECT_NE(run.err.find("PTFE GY"), std::string::npos) << run.err;  // the names to choose from
    EXPECT_FALSE(run.reportWritten);
  }
  const test::CliRun lower = RunHere({"--json", "--isolierung", "pvc", "--leiter", "1,5", "--aussen", "2,4"});
  EXPECT_EQ(lower.exit, kExitCompleted);
  EXPECT_EQ(lower.out, RunHere({"--json", "--isolierung", "PVC", "--leiter", "1,5", "--aussen", "2,4"}).out);
  EXPECT_EQ(lower.out.find("\"IsolierVk\":0,"), std::string::npos);
}

TEST(CommandLine, RedVelocityFactorIsMarked) {
  const test::CliRun low = RunHere({"--vk", "0,75"});
  EXPECT_EQ(low.exit, kExitCompleted);
  EXPECT_NE(low.out.find("Verkürzungsfaktor: 0,75 (rot: unter 0,8)\n"), std::string::npos) << low.out;
  EXPECT_EQ(RunHere({"--vk", "0,8"}).out.find("(rot"), std::string::npos);
}

TEST(CommandLine, JsonGivesEverySingleExactly) {
  const test::CliRun three = RunHere({"--json"});
  EXPECT_EQ(three.exit, kExitCompleted);
  EXPECT_EQ(three.out,
            "{\"f\":50.2,\"VF\":1,\"IsolierVk\":0,\"bandLabel\":\"50\",\"band\":9,\"dimensions\":{"
            "\"lD\":3.2516305,\"lDs\":1.083193,\"lS\":3.3513916,\"lSs\":1.089999,\"lR\":3.402377,"
            "\"lRs\":1.1031489,\"A1\":1.1364503,\"A2\":0.9132068,\"A3\":0.76644623,\"AQ1\":0.509761,"
            "\"AQ2\":0.45,\"AQ3\":0.41175297,\"Bv\":1.5328925,\"Bm\":1.5425259,\"Bh\":1.5611235,"
            "\"lBoom\":2.46141,\"geslBoom\":2.4764102}}\n");
  EXPECT_TRUE(three.reportWritten);  // written either way

  const test::CliRun two = RunHere({"--json", "--variante", "2", "--band", "3.5", "--isolierung", "PVC"});
  EXPECT_NE(two.out.find("\"bandLabel\":\"3,5\",\"band\":1,"), std::string::npos) << two.out;
  EXPECT_NE(two.out.find("\"C\":"), std::string::npos);
  EXPECT_EQ(two.out.find("\"Bm\":"), std::string::npos);
  EXPECT_EQ(two.out.find("\"IsolierVk\":0,"), std::string::npos);  // PVC insulation counts
}

TEST(CommandLine, UsageErrorsExplainInGerman) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--unsinn"},
                                               {"--frequenz"},
                                               {"--segment", "fm"},
                                               {"--band", "144"},
                                               {"--variante", "4"},
                                               {"--vf-hoehe", "3"},
                                               {"--erdbodenkorrektur"}}) {
    const test::CliRun run = RunHere(args);
    EXPECT_EQ(run.exit, kExitUsage) << args[0];
    EXPECT_NE(run.err.find("Aufruf: zelvar-beam-cli"), std::string::npos);
    EXPECT_FALSE(run.reportWritten);
  }
  const test::CliRun help = RunHere({"--help"});
  EXPECT_EQ(help.exit, kExitCompleted);
  EXPECT_NE(help.out.find("--vf-durchmesser"), std::string::npos);
  EXPECT_FALSE(help.reportWritten);
}

TEST(CommandLine, EarlyEndsExplainAndWriteNothing) {
  const test::CliRun note = RunHere({"--isolierung", "PVC", "--leiter", "9"});  // outer follows to 9,5
  EXPECT_EQ(note.exit, kExitCompleted);
  const test::CliRun thin = RunHere({"--isolierung", "PVC", "--leiter", "0"});
  EXPECT_EQ(thin.exit, kExitEndedEarly);
  EXPECT_EQ(thin.err, "Hinweis: Durchmesser zu gering!\n");
  EXPECT_FALSE(thin.reportWritten);

  const test::CliRun no = RunHere({"--isolierung", "25"});
  EXPECT_EQ(no.exit, kExitEndedEarly);
  EXPECT_EQ(
      no.err,
      " Schlechtes Isoliermaterial ?: Ist die Eingabe der relative Dielektrizitätszahl korrekt ? Nein\n");
  EXPECT_FALSE(no.reportWritten);
  EXPECT_EQ(RunHere({"--isolierung", "25", "--ja"}).exit, kExitCompleted);
}

TEST(CommandLine, RunTimeErrorsAbortWithNumberAndDescription) {
  const test::CliRun run = RunHere({"--vf-hoehe", "3", "--vf-durchmesser", "0"});
  EXPECT_EQ(run.exit, kExitRuntimeError);
  EXPECT_EQ(run.err, "Laufzeitfehler 11: Division durch Null\n");
  EXPECT_FALSE(run.reportWritten);
}

TEST(CommandLine, AFailedReportWriteKeepsWhatWasThere) {
  const std::filesystem::path folder = test::ScratchFolder();
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder / "Zelvar-Beam.txt" / "belegt");
  std::ostringstream out, err;
  SetDecimalSeparator(',');
  const int exit = RunCommandLine({}, out, err, {[] { return std::string("jetzt"); }, folder});
  EXPECT_EQ(exit, kExitRuntimeError);
  EXPECT_EQ(err.str(), "Laufzeitfehler 75: Fehler beim Zugriff auf Pfad/Datei\n");
  EXPECT_TRUE(std::filesystem::is_directory(folder / "Zelvar-Beam.txt" / "belegt"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
  std::filesystem::remove_all(folder);
}

// The real program in a folder of its own, with a given locale.
struct ProcessRun {
  int exit;
  std::string out;
  std::string report;
};

ProcessRun RunProgram(const std::string& locale, const std::string& args) {
  const std::filesystem::path folder = test::ScratchFolder();
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::string command = "cd '" + folder.string() + "' && env -u LANGUAGE LC_ALL=" + locale + " '" +
                              ZB_CLI_PATH + "' " + args + " 2>&1";
  ProcessRun run{-1, "", ""};
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  if (std::filesystem::exists(folder / "Zelvar-Beam.txt"))
    run.report = test::ReadBytes(folder / "Zelvar-Beam.txt");
  std::filesystem::remove_all(folder);
  return run;
}

TEST(CommandLine, TheDecimalSeparatorFollowsTheLocale) {
  const ProcessRun german = RunProgram("de_DE.UTF-8", "--frequenz 14.1 --segment cw");
  EXPECT_EQ(german.exit, 0) << german.out;
  EXPECT_NE(german.out.find("Resonanzfrequenz = 14,0 MHz"), std::string::npos) << german.out;
  EXPECT_NE(german.report.find("Antenne berechnet CW-Band: 14 MHz\r\nResonanzfrequenz: 14,0 MHz\r\n"),
            std::string::npos);
  EXPECT_NE(german.report.find("Berechnung am "), std::string::npos);

  const ProcessRun english = RunProgram("C", "--band 3.5");
  EXPECT_EQ(english.exit, 0) << english.out;
  EXPECT_NE(english.out.find("Resonanzfrequenz = 3.7 MHz"), std::string::npos) << english.out;
  // The band label "3,5" is a fixed text.
  EXPECT_NE(
      english.report.find("Antenne berechnet f\xFCr SSB-Band: 3,5 MHz\r\nResonanzfrequenz: 3.7 MHz\r\n"),
      std::string::npos);
  // What scripts read never follows the locale.
  EXPECT_EQ(RunProgram("de_DE.UTF-8", "--json --band 14").out, RunProgram("C", "--json --band 14").out);
}

TEST(CommandLine, ExitStatusOfTheProgram) {
  EXPECT_EQ(RunProgram("C", "--unsinn").exit, kExitUsage);
  EXPECT_EQ(RunProgram("C", "--isolierung 25").exit, kExitEndedEarly);
  EXPECT_EQ(RunProgram("C", "--vf-hoehe 3 --vf-durchmesser 0").exit, kExitRuntimeError);
}

}  // namespace
}  // namespace zb
