#pragma once
// The command line's options as tables: the arguments are read from them,
// --help prints them and the manual page is written from them, so none of the
// three can drift apart.

#include <string>
#include <string_view>
#include <vector>

namespace zb {

// A row is an option, or an operand where it has no option name: an argument
// of its own, such as the file of "messung DATEI".
struct UsageRow {
  std::string_view option;    // "--band"; empty for an operand
  std::string_view argument;  // "BAND"; empty for a switch; the operand's name
  std::string_view
      description;        // one line of German text, marked for the catalogue; wrapped where it is printed
  bool required = false;  // a call without it is refused
};

struct UsageSection {
  std::string_view command;                    // empty for the beam calculation, else the subcommand
  std::vector<std::string_view> introduction;  // paragraphs before the options
  std::vector<UsageRow> rows;
  std::vector<std::string_view> closing;  // paragraphs after the options
};

// The beam calculation, zelvar-beam-cli without a subcommand.
const UsageSection& BeamUsage();

// An operand row: no option name, only its argument.
inline bool IsOperand(const UsageRow& row) { return row.option.empty(); }

// How a row is found among the given options: its option, or an operand's name.
inline std::string_view RowKey(const UsageRow& row) { return IsOperand(row) ? row.argument : row.option; }

// Every section of the command line, the beam calculation first.
std::vector<UsageSection> UsageSections();

// Whether the row belongs in the synopsis line; --help is a call of its own.
bool InSynopsis(const UsageRow& row);

// "--frequenz TEXT" of a required row, "[--json]" of any other.
std::string SynopsisItem(const UsageRow& row);

// A text of the tables in the language the command line speaks.
std::string UsageWords(std::string_view text);

// An argument's name as shown ("DATEI" is "FILE" in English); the option
// tables keep the German name, by which an operand is found.
std::string ShownArgument(std::string_view argument);

// The --help text of one section, wrapped to fit an 80-column terminal.
std::string UsageText(const UsageSection& section);

}  // namespace zb
