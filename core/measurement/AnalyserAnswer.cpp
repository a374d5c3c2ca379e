#include "core/measurement/AnalyserAnswer.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zb::analyser {

namespace {

constexpr std::string_view kPrompt = "ch> ";
constexpr std::size_t kLongestShown = 80;

}  // namespace

std::size_t PromptAt(std::string_view bytes) {
  for (std::size_t at = bytes.find(kPrompt); at != std::string_view::npos; at = bytes.find(kPrompt, at + 1)) {
    if (at == 0 || bytes[at - 1] == '\n' || bytes[at - 1] == '\r') return at;
  }
  return std::string_view::npos;
}

std::vector<std::string> AnswerLines(std::string_view answer, std::string_view command) {
  std::vector<std::string> lines;
  bool first = true;
  while (!answer.empty()) {
    const std::size_t end = std::min(answer.find_first_of("\r\n"), answer.size());
    const std::string_view line = Trimmed(answer.substr(0, end));
    answer.remove_prefix(std::min(end + 1, answer.size()));
    if (line.empty()) continue;
    if (first && !command.empty() && line == Trimmed(command)) {
      first = false;
      continue;
    }
    first = false;
    lines.emplace_back(line);
  }
  return lines;
}

bool IsUsageLine(std::string_view line) {
  const std::string_view word = line.substr(0, 6);
  return word.size() == 6 && (word == "usage:" || word == "Usage:" || word == "USAGE:");
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (true) {
    at = line.find_first_not_of(" \t", at);
    if (at == std::string_view::npos) break;
    const std::size_t end = std::min(line.find_first_of(" \t", at), line.size());
    words.push_back(line.substr(at, end - at));
    at = end;
  }
  return words;
}

bool IsNumber(std::string_view word) {
  if (word.starts_with('+')) word.remove_prefix(1);  // as a file may write it
  if (word.starts_with('+')) return false;
  double value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  return !word.empty() && error == std::errc() && end == word.data() + word.size() && std::isfinite(value);
}

bool IsFrequency(std::string_view word) { return IsNumber(word) && !word.starts_with('-'); }

double NumberOf(std::string_view word) {
  if (word.starts_with('+')) word.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  return error == std::errc() ? value : 0;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

namespace {

// The length of the well-formed UTF-8 sequence at the start of text; 0 for none.
std::size_t Utf8Sequence(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
  if (length == 0 || text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

}  // namespace

std::string Printable(std::string_view text) {
  std::string shown;
  std::size_t characters = 0;
  while (!text.empty() && characters < kLongestShown) {
    const std::size_t sequence = Utf8Sequence(text);
    const std::size_t taken = std::max<std::size_t>(sequence, 1);
    if (sequence > 0)
      shown += text.substr(0, sequence);
    else
      shown += (text[0] >= ' ' && text[0] <= '~') ? text[0] : '?';
    text.remove_prefix(taken);
    ++characters;
  }
  if (!text.empty()) shown += "...";
  return shown;
}

}  // namespace zb::analyser
