#pragma once
// The options of a subcommand as one table: it reads the arguments and
// writes the --help text.

#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace zb {

struct OptionRow {
  const char* option;       // "--frequenz"
  const char* argument;     // "TEXT", or "" for a switch
  const char* description;  // German
  bool required = false;
};

struct SubcommandHelp {
  const char* synopsis;  // "zelvar-beam-cli vk --frequenz TEXT ..."
  const char* intro;     // what the subcommand does
  std::vector<OptionRow> rows;
  const char* outro;     // exit codes and the like
};

// Option name to its value ("" for a switch); only the options given.
using GivenOptions = std::map<std::string, std::string>;

std::string HelpText(const SubcommandHelp& help);

// Reads the arguments after the subcommand's name and runs body with them.
// A wrong call prints its reason and the help text on err and gives exit 2;
// --help prints the help text on out.
int RunSubcommand(const SubcommandHelp& help, const std::vector<std::string>& arguments, std::ostream& out,
                  std::ostream& err, const std::function<int(const GivenOptions&)>& body);

// The caption as shown: access-key marks ("&") removed.
std::string ShownCaption(const std::string& caption);

}  // namespace zb
