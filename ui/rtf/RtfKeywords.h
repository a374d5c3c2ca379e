#pragma once
// The control words the reader acts on, looked up once per control word.

#include <string_view>

namespace zb::ui::rtf {

enum class Keyword {
  Unknown,
  // Document and character set.
  Ansi,
  Mac,
  Pc,
  Pca,
  AnsiCodePage,
  DefaultFont,
  UnicodeSkipCount,
  Unicode,
  // Destinations.
  FontTable,
  ColorTable,
  SkippedDestination,
  UnicodeAlternative,
  UnicodeVersion,
  // Entries of the font and colour tables.
  Font,
  FontCharset,
  FontCodePage,
  Red,
  Green,
  Blue,
  // Character formatting.
  Plain,
  FontSize,
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  Strike,
  Color,
  // Paragraph formatting.
  ParagraphDefault,
  AlignLeft,
  AlignCenter,
  AlignRight,
  AlignJustify,
  // Breaks.
  Paragraph,
  PageOrSection,
  Line,
  Tab,
  Cell,
  Row,
  // A control word that stands for one character (see KeywordInfo::character).
  Character,
};

struct KeywordInfo {
  Keyword keyword = Keyword::Unknown;
  char16_t character = 0;
};

KeywordInfo LookUpKeyword(std::string_view word);

// The character a control symbol such as \~ stands for, or 0.
char16_t SymbolCharacter(char symbol);

}  // namespace zb::ui::rtf
