#pragma once
// Reading a subcommand's arguments from its option table.

#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "cli/Usage.h"
#include "core/numbers/RuntimeError.h"

namespace zb {

// A wrong call: what is wrong, in a sentence.
struct UsageError {
  std::string message;
};

// Option name to its value ("" for a switch), an operand's argument name
// ("DATEI") to the argument; only what was given.
using GivenOptions = std::map<std::string, std::string, std::less<>>;

// Reads the arguments after the subcommand's name and runs body with them.
// An argument that does not start with "-" is the next operand (a row
// without an option).
// A wrong call, found here or by body (a UsageError), prints its reason and
// the help text on err and gives exit 2; --help prints the help text on out.
int RunSubcommand(const UsageSection& usage, const std::vector<std::string>& arguments, std::ostream& out,
                  std::ostream& err, const std::function<int(const GivenOptions&)>& body);

// The number typed for an option: a decimal comma or point, nothing before
// or after it; anything else is a wrong call naming the option.
double NumberOption(const GivenOptions& given, const std::string& option);

// The refusals more than one command gives.
std::string MissingOption(const std::string& option);
std::string MissingArgument(const std::string& argument);
std::string VfWindowOptionsApart();

// "Laufzeitfehler 6: Überlauf" and a line end, as err shows a run-time error.
std::string RuntimeErrorLine(const RuntimeError& error);

// The focus note's start: the box by its shown caption, "Feld „Antennenhöhe [m]:“".
std::string FocusedBox(const std::string& caption);

// What a wrong call prints on err: the reason, then the help text.
std::string UsageErrorText(const std::string& reason, const UsageSection& usage);

// What a run of a subcommand's window leaves to print.
struct ShownRun {
  bool completed = false;  // else the run stopped at a check
  std::string json;        // the window after the run
  std::string rows;        // the window's rows
  std::string focusNote;   // the box the run left the focus in; "" for none
};

// Prints the JSON with --json, else the rows of a completed run; the focus
// note on err. Gives exit 0 for a completed run, else 1.
int PrintShownRun(const GivenOptions& given, const ShownRun& run, std::ostream& out, std::ostream& err);

// The caption as shown: access-key marks ("&") removed.
std::string ShownCaption(const std::string& caption);

// A row of a window as the command prints it: the shown caption, a blank,
// the value, a line end.
std::string ShownRow(const std::string& caption, const std::string& value);

}  // namespace zb
