#pragma once
// Splits RTF bytes into groups, control words, control symbols, hex escapes
// and text runs. Every token consumes at least one byte, so a loop over the
// tokens ends after at most as many steps as the input has bytes.

#include <cstddef>
#include <string_view>

namespace zb::ui::rtf {

enum class TokenType {
  End,            // no more input
  GroupStart,     // {
  GroupEnd,       // }
  ControlWord,    // \word or \wordN
  ControlSymbol,  // \ followed by one non-letter, e.g. \~ \{ \*
  HexByte,        // \'hh
  Text,           // a run of ordinary bytes (line ends are not part of it)
  Binary,         // the data of \binN, which callers skip
};

struct Token {
  TokenType type = TokenType::End;
  std::string_view word;  // ControlWord: the letters; Text: the bytes
  bool hasParameter = false;
  int parameter = 0;       // ControlWord: the numeric argument, clamped to int
  char symbol = 0;         // ControlSymbol: the character after the backslash
  unsigned char byte = 0;  // HexByte: the value
};

// Control words longer than this are not RTF; they are read to their end and
// reported as the (unknown) word "?".
inline constexpr std::size_t kMaxControlWordLength = 32;

class RtfTokenizer {
 public:
  explicit RtfTokenizer(std::string_view data) : data_(data) {}

  Token Next();

 private:
  Token ReadBackslash();
  Token ReadControlWord();
  Token ReadHexByte();
  Token ReadText();
  void SkipBinary(Token& token);

  std::string_view data_;
  std::size_t pos_ = 0;
};

}  // namespace zb::ui::rtf
