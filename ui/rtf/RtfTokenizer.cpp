#include "ui/rtf/RtfTokenizer.h"

#include <climits>
#include <cstdint>

namespace zb::ui::rtf {

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

Token RtfTokenizer::Next() {
  // Line ends between tokens carry no meaning in RTF.
  while (pos_ < data_.size() && (data_[pos_] == '\r' || data_[pos_] == '\n')) ++pos_;
  Token token;
  if (pos_ >= data_.size()) return token;
  switch (data_[pos_]) {
    case '{':
      ++pos_;
      token.type = TokenType::GroupStart;
      return token;
    case '}':
      ++pos_;
      token.type = TokenType::GroupEnd;
      return token;
    case '\\':
      return ReadBackslash();
    default:
      return ReadText();
  }
}

Token RtfTokenizer::ReadBackslash() {
  ++pos_;                                    // the backslash
  if (pos_ >= data_.size()) return Token{};  // a lone backslash at the end
  const char c = data_[pos_];
  if (IsLetter(c)) return ReadControlWord();
  if (c == '\'') return ReadHexByte();
  ++pos_;
  Token token;
  token.type = TokenType::ControlSymbol;
  // A backslash before a line end is an old way of writing \par.
  token.symbol = (c == '\r') ? '\n' : c;
  if (c == '\r' && pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
  return token;
}

Token RtfTokenizer::ReadControlWord() {
  Token token;
  token.type = TokenType::ControlWord;
  const std::size_t start = pos_;
  while (pos_ < data_.size() && IsLetter(data_[pos_])) ++pos_;
  token.word = data_.substr(start, pos_ - start);
  if (token.word.size() > kMaxControlWordLength) token.word = "?";

  // A parameter is an optional minus followed by digits. Overlong numbers are
  // read to their end and saturate instead of overflowing.
  std::size_t p = pos_;
  const bool negative = p < data_.size() && data_[p] == '-';
  if (negative) ++p;
  if (p < data_.size() && IsDigit(data_[p])) {
    std::int64_t value = 0;
    while (p < data_.size() && IsDigit(data_[p])) {
      if (value <= INT_MAX) value = value * 10 + (data_[p] - '0');
      ++p;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    token.hasParameter = true;
    token.parameter = static_cast<int>(value);
    pos_ = p;
  }
  if (pos_ < data_.size() && data_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
  if (token.word == "bin") SkipBinary(token);
  return token;
}

// \binN is followed by N raw bytes that may contain braces and backslashes.
// The count is trusted only up to the end of the input.
void RtfTokenizer::SkipBinary(Token& token) {
  token.type = TokenType::Binary;
  if (!token.hasParameter || token.parameter <= 0) return;
  const std::size_t left = data_.size() - pos_;
  const auto count = static_cast<std::size_t>(token.parameter);
  pos_ += count < left ? count : left;
}

Token RtfTokenizer::ReadHexByte() {
  ++pos_;  // the apostrophe
  int value = 0;
  int digits = 0;
  while (digits < 2 && pos_ < data_.size()) {
    const int v = HexValue(data_[pos_]);
    if (v < 0) break;
    value = value * 16 + v;
    ++digits;
    ++pos_;
  }
  if (digits < 2) {
    // Not a valid escape: drop it and go on with whatever follows.
    Token token;
    token.type = TokenType::Text;
    token.word = std::string_view();
    return token;
  }
  Token token;
  token.type = TokenType::HexByte;
  token.byte = static_cast<unsigned char>(value);
  return token;
}

Token RtfTokenizer::ReadText() {
  const std::size_t start = pos_;
  while (pos_ < data_.size()) {
    const char c = data_[pos_];
    if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n') break;
    ++pos_;
  }
  Token token;
  token.type = TokenType::Text;
  token.word = data_.substr(start, pos_ - start);
  return token;
}

}  // namespace zb::ui::rtf
