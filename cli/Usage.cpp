#include "cli/Usage.h"

#include <algorithm>

#include "cli/Subcommands.h"
#include "core/shared/Translate.h"

namespace zb {

namespace {

constexpr std::size_t kTerminalWidth = 79;
// The argument names of the tables that are words; TEXT, BAND, PORT and the
// like read the same in English.
[[maybe_unused]] constexpr const char* kArgumentWords[] = {
    TrMark("CommandLine", "DATEI"), TrMark("CommandLine", "ZAHL"), TrMark("CommandLine", "DATEI.s1p")};

constexpr std::size_t kLongestOptionColumn = 30;  // longer options put their description below

std::size_t Columns(std::string_view utf8) {
  return static_cast<std::size_t>(std::count_if(
      utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The words of a text at single blanks; a run of blanks inside the text
// ("2,2   PTFE") gives empty words, so it stays as it is written.
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  while (!text.empty()) {
    const std::size_t blank = text.find(' ');
    words.emplace_back(text.substr(0, blank));
    text = blank == std::string_view::npos ? std::string_view{} : text.substr(blank + 1);
  }
  return words;
}

// Greedy wrap: a word never breaks, lines after the first start at indent.
std::string Wrapped(const std::vector<std::string>& words, std::size_t indent, std::size_t firstColumn) {
  std::string out;
  std::size_t column = firstColumn;
  bool lineStart = true;
  for (const std::string& word : words) {
    if (!lineStart && column + 1 + Columns(word) > kTerminalWidth) {
      out += '\n' + std::string(indent, ' ');
      column = indent;
      lineStart = true;
    }
    if (!lineStart) {
      out += ' ';
      ++column;
    }
    out += word;
    column += Columns(word);
    lineStart = word.empty() && lineStart;
  }
  return out + '\n';
}

std::string Wrapped(std::string_view text, std::size_t indent, std::size_t firstColumn) {
  return Wrapped(Words(text), indent, firstColumn);
}

std::string OptionColumn(const UsageRow& row) {
  if (IsOperand(row)) return ShownArgument(row.argument);
  std::string text(row.option);
  if (!row.argument.empty()) text += ' ' + ShownArgument(row.argument);
  return text;
}

std::string OptionLines(const std::vector<UsageRow>& rows) {
  std::size_t width = 0;
  for (const UsageRow& row : rows) {
    const std::size_t columns = Columns(OptionColumn(row));
    if (columns <= kLongestOptionColumn) width = std::max(width, columns);
  }
  const std::size_t indent = 2 + width + 2;  // two blanks before every description
  std::string out;
  for (const UsageRow& row : rows) {
    const std::string option = "  " + OptionColumn(row);
    out += option;
    if (Columns(option) + 2 > indent) {
      out += '\n' + std::string(indent, ' ');
    } else {
      out += std::string(indent - Columns(option), ' ');
    }
    out += Wrapped(UsageWords(row.description), indent, indent);
  }
  return out;
}

std::string Paragraphs(const std::vector<std::string_view>& paragraphs) {
  std::string out;
  for (std::string_view paragraph : paragraphs) out += Wrapped(UsageWords(paragraph), 0, 0) + '\n';
  return out;
}

// "Aufruf: zelvar-beam-cli vk --frequenz TEXT ... [--json]"; an option and
// its argument stay on one line.
std::string SynopsisLines(const UsageSection& section) {
  const std::string label = Tr("CommandLine", "Aufruf: ");
  std::vector<std::string> items{"zelvar-beam-cli"};
  if (!section.command.empty()) items.emplace_back(section.command);
  for (const UsageRow& row : section.rows)
    if (InSynopsis(row)) items.push_back(SynopsisItem(row));
  return label + Wrapped(items, Columns(label), Columns(label));
}

}  // namespace

std::vector<UsageSection> UsageSections() {
  return {BeamUsage(), VfUsage(), PruningUsage(), ZusatzDipolUsage(), MessungUsage(), GeraeteUsage()};
}

std::string UsageWords(std::string_view text) { return Tr("CommandLine", std::string(text).c_str()); }

std::string ShownArgument(std::string_view argument) { return UsageWords(argument); }

bool InSynopsis(const UsageRow& row) { return row.option != "--help"; }

std::string SynopsisItem(const UsageRow& row) {
  const std::string item = OptionColumn(row);
  return row.required ? item : '[' + item + ']';
}

std::string UsageText(const UsageSection& section) {
  std::string text = SynopsisLines(section) + '\n';
  text += Paragraphs(section.introduction);
  text += OptionLines(section.rows) + '\n';
  std::string closing = Paragraphs(section.closing);
  if (!closing.empty()) closing.pop_back();  // no empty line at the very end
  return text + closing;
}

}  // namespace zb
