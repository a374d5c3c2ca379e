#pragma once
// Reading a subcommand's arguments from its option table.

#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "cli/Usage.h"

namespace zb {

// Option name to its value ("" for a switch); only the options given.
using GivenOptions = std::map<std::string, std::string, std::less<>>;

// Reads the arguments after the subcommand's name and runs body with them.
// A wrong call prints its reason and the help text on err and gives exit 2;
// --help prints the help text on out.
int RunSubcommand(const UsageSection& usage, const std::vector<std::string>& arguments, std::ostream& out,
                  std::ostream& err, const std::function<int(const GivenOptions&)>& body);

// What a wrong call prints on err: the reason, then the help text.
std::string UsageErrorText(const std::string& reason, const UsageSection& usage);

// The caption as shown: access-key marks ("&") removed.
std::string ShownCaption(const std::string& caption);

}  // namespace zb
