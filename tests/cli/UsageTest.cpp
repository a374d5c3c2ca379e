// The option tables behind --help and the manual page.

#include "cli/Usage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/ManualPage.h"
#include "tests/cli/CliTestSupport.h"

namespace zb {
namespace {

TEST(Usage, EveryOptionInTheTableIsOneTheCommandLineKnows) {
  for (const UsageRow& row : BeamUsage().rows) {
    std::vector<std::string> args{std::string(row.option)};
    if (!row.argument.empty()) args.emplace_back("3");
    const test::CliRun run = test::RunCli(args, test::ScratchFolder());
    EXPECT_EQ(run.err.find("Unbekannte Option"), std::string::npos) << row.option;
  }
}

TEST(Usage, HelpFitsAnEightyColumnTerminalAndKeepsBlanksInsideTexts) {
  const std::string help = UsageText(BeamUsage());
  std::istringstream lines(help);
  for (std::string line; std::getline(lines, line);) {
    const auto columns = std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; });
    EXPECT_LE(columns, 79) << line;
    EXPECT_TRUE(line.empty() || line.back() != ' ') << line;
  }
  EXPECT_NE(help.find("\"2,2   PTFE GY\""), std::string::npos);
  EXPECT_NE(help.find("\n  --vf-durchmesser TEXT  dazu"), std::string::npos) << help;
}

TEST(ManualPage, EscapesWhatRoffWouldReadAsRequestsOrSpecialCharacters) {
  EXPECT_EQ(RoffText(".TP -a \\ 'x'"), "\\&.TP \\-a \\e 'x'");
  EXPECT_EQ(RoffText("'x"), "\\&'x");
  EXPECT_EQ(RoffText("Größe 45°"), "Gr\\[u00F6]\\[u00DF]e 45\\[u00B0]");
  EXPECT_EQ(RoffText("a\xC3"), "a\\[uFFFD]");  // a broken sequence stays visible
}

TEST(ManualPage, HoldsEverySectionWithItsOptions) {
  const UsageSection vk{"vk", {"Schätzt."}, {{"--hoehe", "M", ".5 oder mehr"}}, {}};
  const std::string page = ManualPage({BeamUsage(), vk}, "1.2.3");
  EXPECT_EQ(page.find(".TH ZELVAR\\-BEAM\\-CLI 1 \"\" \"Zelvar\\-Beam 1.2.3\""), 0u);
  EXPECT_NE(page.find(".B zelvar\\-beam\\-cli\n[\\fIOptionen\\fR]\n.br\n.B zelvar\\-beam\\-cli vk\n"),
            std::string::npos);
  EXPECT_NE(page.find(".SH \"BEFEHL vk\"\n.PP\nSch\\[u00E4]tzt.\n.SS Optionen\n.TP\n\\fB\\-\\-hoehe\\fR \\fIM\\fR\n"
                      "\\&.5 oder mehr\n"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find(".TP\n\\fB\\-\\-json\\fR\nstatt"), std::string::npos);
  EXPECT_TRUE(std::all_of(page.begin(), page.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
}

}  // namespace
}  // namespace zb
