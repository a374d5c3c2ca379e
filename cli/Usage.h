#pragma once
// The command line's options as tables: --help prints them and the manual page
// is written from them, so the two cannot drift apart.

#include <string>
#include <string_view>
#include <vector>

namespace zb {

struct UsageRow {
  std::string_view option;       // "--band"
  std::string_view argument;     // "BAND"; empty for a switch
  std::string_view description;  // one line of German text, wrapped where it is printed
};

struct UsageSection {
  std::string_view command;                    // empty for the beam calculation, else the subcommand
  std::vector<std::string_view> introduction;  // paragraphs before the options
  std::vector<UsageRow> rows;
  std::vector<std::string_view> closing;  // paragraphs after the options
};

// The beam calculation, zelvar-beam-cli without a subcommand.
const UsageSection& BeamUsage();

// Every section of the command line, the beam calculation first.
std::vector<UsageSection> UsageSections();

// The --help text of one section, wrapped to fit an 80-column terminal.
std::string UsageText(const UsageSection& section);

}  // namespace zb
