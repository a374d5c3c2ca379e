#include "cli/SubcommandOptions.h"

#include <algorithm>
#include <ostream>

#include "cli/CommandLine.h"

namespace zb {

namespace {

struct UsageError {
  std::string message;
};

const OptionRow* FindRow(const SubcommandHelp& help, const std::string& name) {
  for (const OptionRow& row : help.rows)
    if (name == row.option) return &row;
  return nullptr;
}

GivenOptions ParseArguments(const SubcommandHelp& help, const std::vector<std::string>& args) {
  GivenOptions given;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const OptionRow* row = FindRow(help, args[i]);
    if (!row) throw UsageError{"Unbekannte Option: " + args[i]};
    std::string value;
    if (*row->argument) {
      if (i + 1 >= args.size()) throw UsageError{"Zur Option " + args[i] + " fehlt der Wert."};
      value = args[++i];
    }
    given[row->option] = value;
  }
  if (given.contains("--help")) return given;
  for (const OptionRow& row : help.rows)
    if (row.required && !given.contains(row.option)) throw UsageError{"Die Option " + std::string(row.option) + " fehlt."};
  return given;
}

}  // namespace

std::string HelpText(const SubcommandHelp& help) {
  std::size_t width = 0;
  for (const OptionRow& row : help.rows)
    width = std::max(width, std::string(row.option).size() + 1 + std::string(row.argument).size());
  std::string text = std::string("Aufruf: ") + help.synopsis + "\n\n" + help.intro + "\n";
  for (const OptionRow& row : help.rows) {
    std::string left = std::string(row.option) + (*row.argument ? " " : "") + row.argument;
    left.resize(width, ' ');
    text += "  " + left + "  " + row.description + "\n";
  }
  return text + "\n" + help.outro;
}

int RunSubcommand(const SubcommandHelp& help, const std::vector<std::string>& arguments, std::ostream& out,
                  std::ostream& err, const std::function<int(const GivenOptions&)>& body) {
  GivenOptions given;
  try {
    given = ParseArguments(help, arguments);
  } catch (const UsageError& usage) {
    err << usage.message << "\n\n" << HelpText(help);
    return kExitUsage;
  }
  if (given.contains("--help")) {
    out << HelpText(help);
    return kExitCompleted;
  }
  return body(given);
}

std::string ShownCaption(const std::string& caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

}  // namespace zb
