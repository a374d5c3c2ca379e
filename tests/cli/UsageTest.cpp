// The option tables behind --help and the manual page.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/ManualPage.h"
#include "cli/Usage.h"
#include "tests/cli/CliTestSupport.h"

namespace zb {
namespace {

// The arguments that call a section's command with one option.
std::vector<std::string> CallWith(const UsageSection& section, const UsageRow& row) {
  std::vector<std::string> args;
  if (!section.command.empty()) args.emplace_back(section.command);
  if (!IsOperand(row)) args.emplace_back(row.option);
  if (!row.argument.empty()) args.emplace_back("3");
  return args;
}

TEST(Usage, EveryOptionInTheTablesIsOneTheCommandLineKnows) {
  for (const UsageSection& section : UsageSections()) {
    for (const UsageRow& row : section.rows) {
      const test::CliRun run = test::RunCli(CallWith(section, row), test::ScratchFolder());
      EXPECT_EQ(run.err.find("Unbekannte Option"), std::string::npos) << section.command << ' ' << row.option;
      EXPECT_EQ(run.err.find("Überzähliges Argument"), std::string::npos)
          << section.command << ' ' << row.option;
    }
  }
}

TEST(Usage, HelpFitsAnEightyColumnTerminalAndKeepsBlanksInsideTexts) {
  for (const UsageSection& section : UsageSections()) {
    const std::string help = UsageText(section);
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
      const auto columns = std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; });
      EXPECT_LE(columns, 79) << line;
      EXPECT_TRUE(line.empty() || line.back() != ' ') << line;
    }
  }
  const std::string help = UsageText(BeamUsage());
  EXPECT_NE(help.find("\"2,2   PTFE GY\""), std::string::npos);
  EXPECT_NE(help.find("\n  --segment cw|ssb|mitte  Resonanz"), std::string::npos) << help;
  std::string oneLine = help;
  std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
  for (const UsageSection& section : UsageSections()) {
    if (!section.command.empty()) {
      EXPECT_NE(oneLine.find(" " + std::string(section.command) + " "), std::string::npos) << section.command;
    }
  }
}

TEST(Usage, SynopsisShowsRequiredOptionsPlainlyAndNeverSplitsAnOption) {
  const UsageRow any{"--wert", "TEXT", "irgendwas"};
  const UsageSection small{
      "x", {}, {{"--a", "N", "muss", true}, {"--b", "", "darf"}, {"--help", "", "Hilfe"}}, {}};
  EXPECT_EQ(UsageText(small).rfind("Aufruf: zelvar-beam-cli x --a N [--b]\n\n", 0), 0u) << UsageText(small);

  const UsageSection wide{"x", {}, std::vector<UsageRow>(12, any), {}};
  const std::string help = UsageText(wide);
  std::istringstream synopsis(help.substr(0, help.find("\n\n")));
  int lines = 0;
  for (std::string line; std::getline(synopsis, line); ++lines) EXPECT_EQ(line.back(), ']') << help;
  EXPECT_GT(lines, 1);
}

TEST(ManualPage, EscapesWhatRoffWouldReadAsRequestsOrSpecialCharacters) {
  EXPECT_EQ(RoffText(".TP -a \\ 'x'"), "\\&.TP \\-a \\e 'x'");
  EXPECT_EQ(RoffText("'x"), "\\&'x");
  EXPECT_EQ(RoffText("Größe 45°"), "Gr\\[u00F6]\\[u00DF]e 45\\[u00B0]");
  EXPECT_EQ(RoffText("a\xC3"), "a\\[uFFFD]");  // a broken sequence stays visible
}

TEST(ManualPage, HoldsEverySectionWithItsOptions) {
  const UsageSection vk{"vk", {"Schätzt."}, {{"--hoehe", "M", ".5 oder mehr", true}}, {}};
  const std::string page = ManualPage({BeamUsage(), vk}, "1.2.3");
  EXPECT_EQ(page.find(".TH ZELVAR\\-BEAM\\-CLI 1 \"\" \"Zelvar\\-Beam 1.2.3\""), 0u);
  EXPECT_NE(page.find("\\%[\\fB\\-\\-streng\\fR]\n.in -8n\n.in +8n\n.ti -8n\n.B zelvar\\-beam\\-cli vk\n"
                      "\\%\\fB\\-\\-hoehe\\fR\\ \\fIM\\fR\n.in -8n\n.ad\n"),
            std::string::npos)
      << page;
  EXPECT_NE(
      page.find(".SH \"BEFEHL vk\"\n.PP\nSch\\[u00E4]tzt.\n.SS Optionen\n.TP\n\\fB\\-\\-hoehe\\fR \\fIM\\fR\n"
                "\\&.5 oder mehr\n"),
      std::string::npos)
      << page;
  EXPECT_NE(page.find(".TP\n\\fB\\-\\-json\\fR\nstatt"), std::string::npos);
  EXPECT_TRUE(
      std::all_of(page.begin(), page.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
}

TEST(Usage, AnOperandIsShownByItsNameAndRequiredPlainly) {
  const UsageSection section{"m", {}, {{"", "DATEI", "die Datei", true}, {"--json", "", "JSON"}}, {}};
  const std::string help = UsageText(section);
  EXPECT_EQ(help.rfind("Aufruf: zelvar-beam-cli m DATEI [--json]\n\n", 0), 0u) << help;
  EXPECT_NE(help.find("\n  DATEI   die Datei\n"), std::string::npos) << help;
  const std::string page = ManualPage({BeamUsage(), section}, "1");
  EXPECT_NE(page.find(".B zelvar\\-beam\\-cli m\n\\%\\fIDATEI\\fR\n"), std::string::npos) << page;
  EXPECT_NE(page.find(".TP\n\\fIDATEI\\fR\ndie Datei\n"), std::string::npos) << page;
}

TEST(ManualPage, DocumentsEverySubcommand) {
  const std::string page = ManualPage(UsageSections(), "1");
  for (const char* command : {"vk", "pruning", "zusatzdipol", "messung", "geraete"})
    EXPECT_NE(page.find(".SH \"BEFEHL " + std::string(command) + "\""), std::string::npos) << command;
}

// --help and the manual page describe the notes on
// standard error, --streng and the JSON names with the deprecated keys.
TEST(ManualPage, DescribesTheStandardErrorNotesStrictModeAndJsonNames) {
  const std::string help = UsageText(BeamUsage());
  EXPECT_NE(help.find("--streng"), std::string::npos);
  EXPECT_NE(help.find("„1e3“"), std::string::npos) << help;
  EXPECT_NE(help.find("Hinweis, den eine Feldregel"), std::string::npos);
  const std::string page = ManualPage(UsageSections(), "1");
  EXPECT_NE(page.find("\\fB\\-\\-streng\\fR"), std::string::npos);
  for (const char* name : {"vfGesamt", "diameterText", "spacingText", "Veraltet"})
    EXPECT_NE(page.find(name), std::string::npos) << name;
  EXPECT_TRUE(
      std::all_of(page.begin(), page.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
}

}  // namespace
}  // namespace zb
