#include "core/measurement/TouchstoneWords.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <system_error>

#include "core/numbers/CLocale.h"
#include "core/shared/Translate.h"

namespace zb::touchstone {

[[noreturn]] void Refuse(int line, std::string text) { throw Refusal{line, std::move(text)}; }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string Lowered(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), Lower);
  return out;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

// A word of the file as the message quotes it: printable ASCII only, at most 24 characters.
std::string Quoted(std::string_view word) {
  std::string shown;
  for (std::size_t i = 0; i < word.size() && i < 24; ++i) {
    const auto c = static_cast<unsigned char>(word[i]);
    shown += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
  }
  if (word.size() > 24) shown += "...";
  return Fill(Tr("Touchstone", "„%1“"), {shown});
}

// The next word of text at blanks; empty at the end.
std::string_view NextWord(std::string_view& text) {
  std::size_t start = 0;
  while (start < text.size() && IsSpace(text[start])) ++start;
  std::size_t end = start;
  while (end < text.size() && !IsSpace(text[end])) ++end;
  const std::string_view word = text.substr(start, end - start);
  text.remove_prefix(end);
  return word;
}

namespace {

// Numbers the fast reader cannot take (beyond the 8-byte range, below its
// smallest value) go through the C library, which rounds them to inf or 0.
double ReadWithCLibrary(std::string_view word) {
  const std::string text(word);
  return strtod_l(text.c_str(), nullptr, CLocale());
}

}  // namespace

// A decimal number of the file; a leading "+" is allowed.
double ReadNumber(std::string_view word, int line) {
  std::string_view digits = word;
  const bool plus = !digits.empty() && digits.front() == '+';
  if (plus) digits.remove_prefix(1);
  const bool signAgain = plus && !digits.empty() && (digits.front() == '+' || digits.front() == '-');
  double value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || signAgain || end != digits.data() + digits.size() ||
      (error != std::errc() && error != std::errc::result_out_of_range))
    Refuse(line, Fill(Tr("Touchstone", "%1 ist keine Zahl."), {Quoted(word)}));
  if (error == std::errc::result_out_of_range) value = ReadWithCLibrary(digits);
  if (!std::isfinite(value))
    Refuse(line, Fill(Tr("Touchstone", "%1 ist keine endliche Zahl."), {Quoted(word)}));
  return value;
}

int ReadPortCount(std::string_view text, int line) {
  std::string_view rest = text;
  const std::string_view word = NextWord(rest);
  int count = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), count);
  if (word.empty() || error != std::errc() || end != word.data() + word.size() || !Trimmed(rest).empty())
    Refuse(line,
           Fill(Tr("Touchstone", "[Number of Ports] braucht eine ganze Zahl, nicht %1."), {Quoted(text)}));
  if (count < 1) Refuse(line, Tr("Touchstone", "[Number of Ports] muss mindestens 1 sein."));
  return count;
}

std::string PortRefusal(long long ports) {
  return Fill(Tr("Touchstone",
                 "Die Datei beschreibt ein %1-Tor; gelesen werden nur Eintore und Zweitore (.s1p, .s2p)."),
              {std::to_string(ports)});
}

constexpr double kDegree = std::numbers::pi / 180.0;

// One complex value as the file's format writes it.
std::complex<double> Pair(double a, double b, Format format) {
  switch (format) {
    case Format::RI:
      return {a, b};
    case Format::MA:
      return {a * std::cos(b * kDegree), a * std::sin(b * kDegree)};
    case Format::DB: {
      const double magnitude = std::pow(10.0, a / 20.0);
      return {magnitude * std::cos(b * kDegree), magnitude * std::sin(b * kDegree)};
    }
  }
  return {};
}

std::string WithLine(const Refusal& refusal) {
  return refusal.line > 0
             ? Fill(Tr("Touchstone", "Zeile %1: %2"), {std::to_string(refusal.line), refusal.text})
             : refusal.text;
}

}  // namespace zb::touchstone
