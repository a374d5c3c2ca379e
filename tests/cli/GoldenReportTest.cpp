// Every golden case: the command line's report equals the stored one byte for
// byte. Set ZB_UPDATE_GOLDEN=1 to write the stored reports anew (then read
// the differences before committing them).

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "tests/cli/CliTestSupport.h"

namespace zb {
namespace {

struct GoldenCase {
  std::string name;
  std::vector<std::string> args;
};

std::vector<GoldenCase> LoadCases() {
  std::vector<GoldenCase> cases;
  std::ifstream file(std::string(ZB_GOLDEN_DIR) + "/cases.txt");
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t colon = line.find(':');
    cases.push_back({line.substr(0, colon), test::Words(line.substr(colon + 1))});
  }
  return cases;
}

TEST(GoldenReports, TheCommandLineWritesTheStoredReports) {
  const std::vector<GoldenCase> cases = LoadCases();
  ASSERT_GE(cases.size(), 40u);
  const bool update = std::getenv("ZB_UPDATE_GOLDEN") != nullptr;
  for (const GoldenCase& c : cases) {
    SCOPED_TRACE(c.name);
    const test::CliRun run = test::RunCli(c.args, test::ScratchFolder());
    ASSERT_EQ(run.exit, kExitCompleted) << run.err;
    const std::filesystem::path golden = std::filesystem::path(ZB_GOLDEN_DIR) / (c.name + ".txt");
    if (update) {
      std::ofstream(golden, std::ios::binary) << run.report;
      continue;
    }
    ASSERT_TRUE(std::filesystem::exists(golden));
    EXPECT_EQ(run.report, test::ReadBytes(golden));
  }
}

}  // namespace
}  // namespace zb
