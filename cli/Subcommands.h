#pragma once
// The side calculators of zelvar-beam-cli; each gets the arguments after its
// name and returns the exit code (CliExit).

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/Usage.h"

namespace zb {

int RunVkCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int RunPruningCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int RunZusatzDipolCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// Their option tables, each beside the command that reads it.
const UsageSection& VkUsage();
const UsageSection& PruningUsage();
const UsageSection& ZusatzDipolUsage();

}  // namespace zb
