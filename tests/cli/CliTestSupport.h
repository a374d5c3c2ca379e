#pragma once
// Running the command line in-process in a scratch folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "core/numbers/NumberText.h"

namespace zb::test {

inline constexpr const char* kFixedDateTime = "07.12.2026 14:03:59";

// Splits "a \"b c\" d" into words; double quotes keep blanks.
inline std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, inWord = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (c == ' ' && !quoted) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  return content.str();
}

struct CliRun {
  int exit = -1;
  std::string out;
  std::string err;
  std::string report;  // the result file, "" when none was written
  bool reportWritten = false;
};

// A fresh scratch folder per run, removed afterwards.
inline CliRun RunCli(const std::vector<std::string>& args, const std::filesystem::path& folder) {
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  SetDecimalSeparator(',');
  std::ostringstream out, err;
  CliRun run;
  run.exit = RunCommandLine(args, out, err, {[] { return std::string(kFixedDateTime); }, folder});
  run.out = out.str();
  run.err = err.str();
  run.reportWritten = std::filesystem::exists(folder / "Zelvar-Beam.txt");
  if (run.reportWritten) run.report = ReadBytes(folder / "Zelvar-Beam.txt");
  std::filesystem::remove_all(folder);
  return run;
}

inline std::filesystem::path ScratchFolder() {
  return std::filesystem::temp_directory_path() /
         ("zb-cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
}

}  // namespace zb::test
