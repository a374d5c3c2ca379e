#include "tools/wmfgen/TextTable.h"

#include <map>

#include "tools/wmfgen/DrawingDescription.h"

namespace zb::tools {

namespace {

std::map<std::string, std::string, std::less<>> ReadTable(std::string_view table) {
  std::map<std::string, std::string, std::less<>> texts;
  int number = 0;
  while (!table.empty()) {
    const std::size_t end = table.find('\n');
    std::string_view line = table.substr(0, end);
    table = end == std::string_view::npos ? std::string_view{} : table.substr(end + 1);
    ++number;
    if (line.empty() || line.front() == '#') continue;
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos)
      throw DescriptionError("table:" + std::to_string(number) + ": original<TAB>translation expected");
    texts.emplace(line.substr(0, tab), line.substr(tab + 1));
  }
  return texts;
}

// The line with its quoted text translated; any other line as it is.
std::string Translated(std::string_view line, const std::map<std::string, std::string, std::less<>>& texts) {
  const std::size_t open = line.find('"'), close = line.rfind('"');
  if (!line.starts_with("text ") || open == close) return std::string(line);
  const std::string_view text = line.substr(open + 1, close - open - 1);
  if (const auto found = texts.find(text); found != texts.end())
    return std::string(line.substr(0, open + 1)) + found->second + std::string(line.substr(close));
  if (text.find(' ') != std::string_view::npos)
    throw DescriptionError("no translation for \"" + std::string(text) + "\"");
  return std::string(line);
}

}  // namespace

std::string TranslatedDescription(std::string_view description, std::string_view table) {
  const auto texts = ReadTable(table);
  std::string out;
  while (!description.empty()) {
    const std::size_t end = description.find('\n');
    out += Translated(description.substr(0, end), texts);
    if (end == std::string_view::npos) break;
    out += '\n';
    description.remove_prefix(end + 1);
  }
  return out;
}

}  // namespace zb::tools
