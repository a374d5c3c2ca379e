#pragma once
// zelvar-beam-cli: the beam calculation without windows.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace zb {

enum CliExit {
  kExitCompleted = 0,
  kExitEndedEarly = 1,  // the run stopped at an input check
  kExitUsage = 2,
  kExitRuntimeError = 3,
  kExitUnreadableFile = 4,  // a measurement file that cannot be read (the reason on err)
  kExitDeviceFault = 4,     // the analyser could not be read (the reason, naming the port, on err)
};

struct CliEnvironment {
  std::function<std::string()> dateTimeNow;  // the report's date and time
  std::filesystem::path folder;              // where the result file goes ("" = working directory)
};

// Runs the command line with its arguments (without the program name).
int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const CliEnvironment& environment);

// The German usage text of --help.
std::string UsageText();

}  // namespace zb
