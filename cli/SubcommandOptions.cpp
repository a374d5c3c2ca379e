#include "cli/SubcommandOptions.h"

#include <charconv>
#include <ostream>

#include "cli/CommandLine.h"
#include "core/shared/MessageTexts.h"
#include "core/shared/Translate.h"

namespace zb {

namespace {

const UsageRow* FindRow(const UsageSection& usage, const std::string& name) {
  for (const UsageRow& row : usage.rows)
    if (name == row.option) return &row;
  return nullptr;
}

// The next operand row not given yet.
const UsageRow* FreeOperand(const UsageSection& usage, const GivenOptions& given) {
  for (const UsageRow& row : usage.rows)
    if (IsOperand(row) && !given.contains(RowKey(row))) return &row;
  return nullptr;
}

GivenOptions ParseArguments(const UsageSection& usage, const std::vector<std::string>& args) {
  GivenOptions given;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!args[i].starts_with('-')) {
      const UsageRow* operand = FreeOperand(usage, given);
      if (!operand) throw UsageError{Fill(Tr("CommandLine", "Überzähliges Argument: %1"), {args[i]})};
      given[std::string(RowKey(*operand))] = args[i];
      continue;
    }
    const UsageRow* row = FindRow(usage, args[i]);
    if (!row || IsOperand(*row))
      throw UsageError{Fill(Tr("CommandLine", "Unbekannte Option: %1"), {args[i]})};
    std::string value;
    if (!row->argument.empty()) {
      if (i + 1 >= args.size())
        throw UsageError{Fill(Tr("CommandLine", "Zur Option %1 fehlt der Wert."), {args[i]})};
      value = args[++i];
    }
    given[std::string(row->option)] = value;
  }
  if (given.contains("--help")) return given;
  for (const UsageRow& row : usage.rows)
    if (row.required && !given.contains(RowKey(row)))
      throw UsageError{IsOperand(row) ? MissingArgument(ShownArgument(row.argument))
                                      : MissingOption(std::string(row.option))};
  return given;
}

}  // namespace

int RunSubcommand(const UsageSection& usage, const std::vector<std::string>& arguments, std::ostream& out,
                  std::ostream& err, const std::function<int(const GivenOptions&)>& body) {
  try {
    const GivenOptions given = ParseArguments(usage, arguments);
    if (given.contains("--help")) {
      out << UsageText(usage);
      return kExitCompleted;
    }
    return body(given);
  } catch (const UsageError& wrong) {
    err << UsageErrorText(wrong.message, usage);
    return kExitUsage;
  }
}

int PrintShownRun(const GivenOptions& given, const ShownRun& run, std::ostream& out, std::ostream& err) {
  const bool json = given.contains("--json");
  if (json) out << run.json;
  err << run.focusNote;
  if (!run.completed) return kExitEndedEarly;
  if (!json) out << run.rows;
  return kExitCompleted;
}

double NumberOption(const GivenOptions& given, const std::string& option) {
  std::string text = given.at(option);
  if (const auto comma = text.find(','); comma != std::string::npos) text[comma] = '.';
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    throw UsageError{Fill(Tr("CommandLine", "%1 erwartet eine Zahl, nicht %2"), {option, given.at(option)})};
  return value;
}

std::string MissingOption(const std::string& option) {
  return Fill(Tr("CommandLine", "Die Option %1 fehlt."), {option});
}

std::string MissingArgument(const std::string& argument) {
  return Fill(Tr("CommandLine", "Das Argument %1 fehlt."), {argument});
}

std::string VfWindowOptionsApart() {
  return Tr("CommandLine",
            "--vf-hoehe und --vf-durchmesser gehören zusammen (--erdbodenkorrektur nur mit ihnen).");
}

std::string RuntimeErrorLine(const RuntimeError& error) {
  return RuntimeErrorHeading() + std::to_string(error.Number()) + ": " + error.Description() + "\n";
}

std::string FocusedBox(const std::string& caption) {
  return Fill(Tr("CommandLine", "Feld „%1“"), {ShownCaption(caption)});
}

std::string UsageErrorText(const std::string& reason, const UsageSection& usage) {
  return reason + "\n\n" + UsageText(usage);
}

std::string ShownCaption(const std::string& caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

std::string ShownRow(const std::string& caption, const std::string& value) {
  return ShownCaption(caption) + " " + value + "\n";
}

}  // namespace zb
