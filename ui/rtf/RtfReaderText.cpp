// The reader's text: symbols, bytes and Unicode characters, and the font and
// color table entries they build.

#include <QFont>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <algorithm>

#include "ui/rtf/CodePage.h"
#include "ui/rtf/RtfReader.h"
#include "ui/rtf/RtfStorable.h"

namespace zb::ui::rtf {

namespace {

// Bounds for tables built from the file, so that a hostile file cannot make
// them grow without end.
constexpr std::size_t kMaxFonts = 4096;
constexpr std::size_t kMaxColors = 4096;
constexpr qsizetype kMaxFontNameLength = 256;

constexpr char16_t kReplacement = u'\uFFFD';

}  // namespace

void RtfReader::HandleSymbol(char symbol) {
  GroupState& state = Top();
  if (state.destination == Destination::Skip || state.destination == Destination::UnicodeAlternative) {
    return;
  }
  if (symbol == '*') {
    state.starred = true;
  } else if (symbol == '\n') {
    if (state.destination == Destination::Body) EndParagraph();
  } else if (const char16_t c = SymbolCharacter(symbol); c != 0) {
    AppendChar(c);
  }
}

void RtfReader::HandleText(std::string_view bytes) {
  if (fallbackLeft_ > 0) {
    const std::size_t skip = std::min(bytes.size(), static_cast<std::size_t>(fallbackLeft_));
    fallbackLeft_ -= static_cast<int>(skip);
    bytes.remove_prefix(skip);
  }
  const Destination destination = Top().destination;
  if (destination == Destination::Skip || destination == Destination::UnicodeAlternative) return;
  for (const char byte : bytes) {
    // In the two tables a semicolon ends an entry.
    if (byte == ';' && destination == Destination::ColorTable) {
      CommitColor();
    } else if (byte == ';' && destination == Destination::FontTable) {
      CommitFont();
    } else {
      HandleByte(static_cast<unsigned char>(byte));
    }
  }
}

void RtfReader::HandleByte(unsigned char byte) {
  if (Top().destination == Destination::ColorTable) return;
  AppendChar(DecodeByte(CodePageForBytes(), byte));
}

void RtfReader::HandleUnicode(int value) {
  // Values above 32767 are written as negative numbers.
  const int unit = value < 0 ? value + 65536 : value;
  if (unit >= 0 && unit <= 0xFFFF) AppendUnit(static_cast<char16_t>(unit));
  fallbackLeft_ = Top().unicodeSkipCount;
}

// Characters outside the BMP come as two \u words, one per UTF-16 half.
// Halves without their partner become replacement characters.
void RtfReader::AppendUnit(char16_t unit) {
  if (QChar::isHighSurrogate(unit)) {
    if (highSurrogate_ != 0) AppendChar(kReplacement);
    highSurrogate_ = unit;
    return;
  }
  if (QChar::isLowSurrogate(unit)) {
    if (highSurrogate_ == 0) {
      AppendChar(kReplacement);
      return;
    }
    const char16_t high = highSurrogate_;
    highSurrogate_ = 0;
    if (Top().destination == Destination::Body) {
      AppendBody(high);
      AppendBody(unit);
    }
    return;
  }
  AppendChar(unit);
}

void RtfReader::AppendChar(char16_t c) {
  if (highSurrogate_ != 0) {
    highSurrogate_ = 0;
    AppendChar(kReplacement);
  }
  switch (Top().destination) {
    case Destination::Body:
      AppendBody(c);
      break;
    case Destination::FontTable:
      if (fontEntry_.name.size() < kMaxFontNameLength && IsStorable(c)) fontEntry_.name += QChar(c);
      break;
    default:
      break;
  }
}

void RtfReader::CommitFont() {
  const QString name = fontEntry_.name.trimmed();
  if (fontNumber_ >= 0 && !name.isEmpty() && (fonts_.size() < kMaxFonts || fonts_.count(fontNumber_) != 0)) {
    fonts_[fontNumber_] = FontEntry{name, fontEntry_.codePage};
  }
  fontNumber_ = -1;
  fontEntry_ = FontEntry{};
}

// An entry without any colour word is the automatic colour.
void RtfReader::CommitColor() {
  QColor color;
  if (red_ >= 0 || green_ >= 0 || blue_ >= 0) {
    color = QColor(std::max(red_, 0), std::max(green_, 0), std::max(blue_, 0));
  }
  if (colors_.size() < kMaxColors) colors_.push_back(color);
  red_ = green_ = blue_ = -1;
}

}  // namespace zb::ui::rtf
