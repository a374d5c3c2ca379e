// The help's pruning section, followed literally through the command line
// (build, measure, prune, rebuild as the help says). The
// numbers the help quotes are the ones the program gives.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "cli/CommandLine.h"
#include "core/numbers/NumberText.h"
#include "tests/cli/CliTestSupport.h"

namespace zb {
namespace {

test::CliRun RunLine(const std::string& line) {
  return test::RunCli(test::Words(line), test::ScratchFolder());
}

// The text after `label` up to `end`, "" when absent.
std::string After(const std::string& text, const std::string& label, const std::string& end) {
  const std::size_t at = text.find(label);
  if (at == std::string::npos) return {};
  const std::size_t from = at + label.size();
  return text.substr(from, text.find(end, from) - from);
}

double Number(const std::string& text) {
  std::string dotted = text;
  for (char& c : dotted)
    if (c == ',') c = '.';
  return std::stod(dotted);
}

// The help's paragraph that starts with `marker`, without its line breaks.
std::string HelpParagraph(const std::string& marker) {
  std::string help = test::ReadBytes(ZB_HELP_HTML);
  for (char& c : help)
    if (c == '\n') c = ' ';
  std::string collapsed;
  for (char c : help)
    if (!(c == ' ' && !collapsed.empty() && collapsed.back() == ' ')) collapsed += c;
  const std::size_t at = collapsed.find(marker);
  if (at == std::string::npos) return {};
  return collapsed.substr(at, collapsed.find("</p>", at) - at);
}

TEST(HelpWorkedExample, PruningSectionFollowedLiterallyGivesTheNewLength) {
  const std::string example = HelpParagraph("<b>Beispiel:</b>");
  ASSERT_FALSE(example.empty());

  // 1. Build: 14,2 MHz, VF 0,95, PVC, Aussen 3 mm, Leiter 2 mm.
  const test::CliRun built = RunLine("--frequenz 14,2 --vk 0,95 --isolierung PVC --aussen 3 --leiter 2");
  ASSERT_EQ(built.exit, 0) << built.err;
  const std::string lS = After(built.out, "lS=", " m");
  EXPECT_EQ(lS, "10,872");
  EXPECT_NE(example.find("lS = " + lS + " m"), std::string::npos) << example;

  // 2. Measured 14,05 MHz; the pruning window with the three values.
  const test::CliRun pruned = RunLine("pruning --laenge " + lS + " --ist 14,05 --soll 14,2");
  ASSERT_EQ(pruned.exit, 0) << pruned.err;
  const std::string newLength = After(pruned.out, "Antennenlänge lS: ", "\n");
  const std::string vfGesamt = After(pruned.out, "VF gesamt: ", "\n");
  const std::string change = After(pruned.out, "Länge lS ändern um [mm]: ", "\n");
  EXPECT_NE(example.find("„VF gesamt“ 0,908"), std::string::npos);
  EXPECT_EQ(vfGesamt, "0,908");
  EXPECT_NE(example.find("lS " + newLength + " m"), std::string::npos) << newLength;
  EXPECT_NE(example.find("„" + change + "“ mm"), std::string::npos) << change;

  // 3. Rebuilt as the help says: the velocity-factor window closed (no
  // estimate), the insulation "1,00059 Luft", VF gesamt typed.
  const test::CliRun rebuilt =
      RunLine("--frequenz 14,2 --vk " + vfGesamt + " --isolierung \"1,00059 Luft\" --aussen 3 --leiter 2");
  ASSERT_EQ(rebuilt.exit, 0) << rebuilt.err;
  const std::string rebuiltLength = After(rebuilt.out, "lS=", " m");
  EXPECT_NE(example.find("lS = " + rebuiltLength + " m"), std::string::npos) << rebuiltLength;
  // The pruning window's new length, within the three decimals of VF gesamt.
  EXPECT_LE(std::fabs(Number(rebuiltLength) - Number(newLength)), 0.002)
      << rebuiltLength << " / " << newLength;

  // 4. The way the help warns against: PVC still selected counts it twice.
  const test::CliRun twice =
      RunLine("--frequenz 14,2 --vk " + vfGesamt + " --isolierung PVC --aussen 3 --leiter 2");
  const std::string shortLength = After(twice.out, "lS=", " m");
  EXPECT_NE(example.find(shortLength + " m"), std::string::npos) << shortLength;
  const long shortBy = std::lround((Number(newLength) - Number(shortLength)) * 1000.0);
  EXPECT_NE(example.find(std::to_string(shortBy) + " mm zu kurz"), std::string::npos) << shortBy;
}

// "VF gesamt" of an antenna exactly on frequency lies below the bare wire's
// factor on insulated wire, as the help's table says.
TEST(HelpWorkedExample, VfGesamtOnFrequencyContainsTheInsulation) {
  const std::string row = HelpParagraph("<tr><td>Neu: VF gesamt</td>");
  ASSERT_NE(row.find("0,919 gegen 0,95"), std::string::npos) << row;
  const test::CliRun built = RunLine("--frequenz 14,25 --vk 0,95 --isolierung PVC --leiter 1,5 --aussen 2,4");
  const std::string lS = After(built.out, "lS=", " m");
  const test::CliRun pruned = RunLine("pruning --laenge " + lS + " --ist 14,25 --soll 14,25");
  EXPECT_EQ(After(pruned.out, "VF gesamt: ", "\n"), "0,919");
}

}  // namespace
}  // namespace zb
