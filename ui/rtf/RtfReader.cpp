#include "ui/rtf/RtfReader.h"

#include <QFont>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>

#include <algorithm>

#include "ui/rtf/CodePage.h"

namespace zb::ui::rtf {

namespace {

// Bounds for tables built from the file, so that a hostile file cannot make
// them grow without end.
constexpr std::size_t kMaxFonts = 4096;
constexpr std::size_t kMaxColors = 4096;
constexpr qsizetype kMaxFontNameLength = 256;

// Word's largest font size is 1638 points.
constexpr int kMaxHalfPoints = 3276;

constexpr char16_t kReplacement = u'\uFFFD';

// Characters that may go into the document. Controls other than the tab have
// no place in RTF text, and QTextDocument gives the paragraph separator, the
// object replacement character and the noncharacters U+FDD0..U+FDEF (frame
// boundaries) a structural meaning that stray text must not fake.
bool IsStorable(char16_t c) {
  if (c == u'\t') return true;
  if (c < 0x20) return false;
  if (c == u'\u2029' || c == u'\uFFFC' || c == u'\uFFFE' || c == u'\uFFFF') return false;
  return c < 0xFDD0 || c > 0xFDEF;
}

bool IsOn(const Token& token) { return !token.hasParameter || token.parameter != 0; }

}  // namespace

RtfReader::RtfReader(QTextDocument& document) : document_(document) {}

void RtfReader::Read(std::string_view data) {
  document_.clear();
  cursor_ = QTextCursor(&document_);
  cursor_.beginEditBlock();
  RtfTokenizer tokenizer(data);
  while (!finished_) {
    const Token token = tokenizer.Next();
    if (token.type == TokenType::End) break;
    HandleToken(token);
  }
  Finish();
  cursor_.endEditBlock();
}

void RtfReader::HandleToken(const Token& token) {
  if (skippedDepth_ > 0) {
    if (token.type == TokenType::GroupStart) ++skippedDepth_;
    if (token.type == TokenType::GroupEnd) --skippedDepth_;
    return;
  }
  // Everything of interest happens inside the outermost group.
  if (stack_.empty() && token.type != TokenType::GroupStart) return;

  switch (token.type) {
    case TokenType::GroupStart:
      fallbackLeft_ = 0;  // a fallback never reaches across a brace
      OpenGroup();
      break;
    case TokenType::GroupEnd:
      fallbackLeft_ = 0;
      CloseGroup();
      break;
    case TokenType::ControlWord:
      if (!ConsumeFallback()) HandleControlWord(token);
      break;
    case TokenType::ControlSymbol:
      if (!ConsumeFallback()) HandleSymbol(token.symbol);
      break;
    case TokenType::HexByte:
      if (!ConsumeFallback()) HandleByte(token.byte);
      break;
    case TokenType::Binary:
      ConsumeFallback();  // binary data is never text
      break;
    case TokenType::Text:
      HandleText(token.word);
      break;
    case TokenType::End:
      break;
  }
}

void RtfReader::OpenGroup() {
  if (stack_.size() >= kMaxGroupDepth) {
    skippedDepth_ = 1;
    return;
  }
  GroupState next = stack_.empty() ? GroupState{} : Top();
  next.starred = false;
  stack_.push_back(next);
}

void RtfReader::CloseGroup() {
  // A font table entry may end with its group instead of a semicolon.
  if (Top().destination == Destination::FontTable) CommitFont();
  stack_.pop_back();
  if (stack_.empty()) finished_ = true;
}

// The characters of the \uN fallback count one per text byte, escape,
// control word or symbol.
bool RtfReader::ConsumeFallback() {
  if (fallbackLeft_ <= 0) return false;
  --fallbackLeft_;
  return true;
}

void RtfReader::HandleControlWord(const Token& token) {
  const KeywordInfo info = LookUpKeyword(token.word);
  GroupState& state = Top();
  if (state.destination == Destination::Skip) return;
  if (state.destination == Destination::UnicodeAlternative) {
    // {\upr{ANSI version}{\*\ud{Unicode version}}}: only the latter counts.
    if (info.keyword == Keyword::UnicodeVersion) state.destination = state.outsideUnicodeAlternative;
    state.starred = false;
    return;
  }
  if (state.starred) {
    // \* marks a destination that may be skipped when it is not understood.
    state.starred = false;
    if (!HandleDestinationWord(info)) state.destination = Destination::Skip;
    return;
  }
  if (HandleDestinationWord(info) || HandleDocumentWord(info, token)) return;
  switch (state.destination) {
    case Destination::FontTable:
      HandleFontTableWord(info, token);
      break;
    case Destination::ColorTable:
      HandleColorTableWord(info, token);
      break;
    case Destination::Body:
      HandleBodyWord(info, token);
      break;
    case Destination::Skip:
    case Destination::UnicodeAlternative:
      break;
  }
}

bool RtfReader::HandleDestinationWord(const KeywordInfo& info) {
  GroupState& state = Top();
  switch (info.keyword) {
    case Keyword::FontTable:
      state.destination = Destination::FontTable;
      fontNumber_ = -1;
      fontEntry_ = FontEntry{};
      return true;
    case Keyword::ColorTable:
      state.destination = Destination::ColorTable;
      colors_.clear();
      red_ = green_ = blue_ = -1;
      return true;
    case Keyword::SkippedDestination:
      state.destination = Destination::Skip;
      return true;
    case Keyword::UnicodeAlternative:
      state.outsideUnicodeAlternative = state.destination;
      state.destination = Destination::UnicodeAlternative;
      return true;
    case Keyword::UnicodeVersion:
      return true;  // outside \upr its content is read like that of its parent
    default:
      return false;
  }
}

// Words that mean the same in every destination that is read.
bool RtfReader::HandleDocumentWord(const KeywordInfo& info, const Token& token) {
  switch (info.keyword) {
    case Keyword::Ansi: documentCodePage_ = 1252; return true;
    case Keyword::Mac: documentCodePage_ = 10000; return true;
    case Keyword::Pc: documentCodePage_ = 437; return true;
    case Keyword::Pca: documentCodePage_ = 850; return true;
    case Keyword::AnsiCodePage:
      if (token.hasParameter && token.parameter > 0) documentCodePage_ = token.parameter;
      return true;
    case Keyword::DefaultFont:
      if (token.hasParameter) defaultFont_ = token.parameter;
      return true;
    case Keyword::UnicodeSkipCount:
      if (token.hasParameter && token.parameter >= 0) Top().unicodeSkipCount = token.parameter;
      return true;
    case Keyword::Unicode:
      if (token.hasParameter) HandleUnicode(token.parameter);
      return true;
    default:
      return false;
  }
}

void RtfReader::HandleFontTableWord(const KeywordInfo& info, const Token& token) {
  switch (info.keyword) {
    case Keyword::Font:
      CommitFont();
      fontNumber_ = token.hasParameter ? token.parameter : -1;
      break;
    case Keyword::FontCharset:
      if (token.hasParameter) fontEntry_.codePage = CodePageForCharset(token.parameter, -1);
      break;
    case Keyword::FontCodePage:
      if (token.hasParameter && IsKnownCodePage(token.parameter)) fontEntry_.codePage = token.parameter;
      break;
    default:
      break;
  }
}

void RtfReader::HandleColorTableWord(const KeywordInfo& info, const Token& token) {
  const int value = token.hasParameter ? std::clamp(token.parameter, 0, 255) : 0;
  if (info.keyword == Keyword::Red) red_ = value;
  if (info.keyword == Keyword::Green) green_ = value;
  if (info.keyword == Keyword::Blue) blue_ = value;
}

void RtfReader::HandleBodyWord(const KeywordInfo& info, const Token& token) {
  switch (info.keyword) {
    case Keyword::Paragraph:
    case Keyword::Row:
      EndParagraph();
      break;
    case Keyword::PageOrSection:
      // Usually written right after a \par, which already ended the paragraph.
      if (!blockPending_) EndParagraph();
      break;
    case Keyword::Line:
      AppendChar(QChar::LineSeparator);
      break;
    case Keyword::Tab:
    case Keyword::Cell:
      AppendChar(u'\t');
      break;
    case Keyword::Character:
      AppendChar(info.character);
      break;
    case Keyword::ParagraphDefault:
    case Keyword::AlignLeft:
    case Keyword::AlignCenter:
    case Keyword::AlignRight:
    case Keyword::AlignJustify:
      HandleParagraphWord(info);
      break;
    default:
      HandleCharacterWord(info, token);
      break;
  }
}

void RtfReader::HandleCharacterWord(const KeywordInfo& info, const Token& token) {
  CharState& c = Top().character;
  switch (info.keyword) {
    case Keyword::Plain: c = CharState{}; break;
    case Keyword::Font:
      if (token.hasParameter) c.font = token.parameter;
      break;
    case Keyword::FontSize:
      if (token.hasParameter && token.parameter > 0 && token.parameter <= kMaxHalfPoints) {
        c.halfPoints = token.parameter;
      }
      break;
    case Keyword::Bold: c.bold = IsOn(token); break;
    case Keyword::Italic: c.italic = IsOn(token); break;
    case Keyword::Underline: c.underline = IsOn(token); break;
    case Keyword::UnderlineNone: c.underline = false; break;
    case Keyword::Strike: c.strike = IsOn(token); break;
    case Keyword::Color: c.color = token.hasParameter ? std::max(token.parameter, 0) : 0; break;
    default: break;
  }
}

void RtfReader::HandleParagraphWord(const KeywordInfo& info) {
  Alignment& alignment = Top().alignment;
  switch (info.keyword) {
    case Keyword::ParagraphDefault:
    case Keyword::AlignLeft: alignment = Alignment::Left; break;
    case Keyword::AlignCenter: alignment = Alignment::Center; break;
    case Keyword::AlignRight: alignment = Alignment::Right; break;
    case Keyword::AlignJustify: alignment = Alignment::Justify; break;
    default: break;
  }
  // Paragraph properties hold for the paragraph they end in; after a \par
  // they wait for the next one.
  if (!blockPending_) blockAlignment_ = alignment;
}

void RtfReader::HandleSymbol(char symbol) {
  GroupState& state = Top();
  if (state.destination == Destination::Skip ||
      state.destination == Destination::UnicodeAlternative) {
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
  if (fontNumber_ >= 0 && !name.isEmpty() &&
      (fonts_.size() < kMaxFonts || fonts_.count(fontNumber_) != 0)) {
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

// --- The document side ---------------------------------------------------

void RtfReader::AppendBody(char16_t c) {
  if (!IsStorable(c)) return;
  StartPendingBlock();
  const GroupState& state = Top();
  if (!pendingText_.isEmpty() && !(pendingFormat_ == state.character)) FlushText();
  pendingText_ += QChar(c);
  pendingFormat_ = state.character;
  blockAlignment_ = state.alignment;
}

// \par ends a paragraph; the next one is made only when content follows, so
// that the \par every writer puts after the last paragraph adds no empty one.
void RtfReader::StartPendingBlock() {
  if (!blockPending_) return;
  FlushText();
  const GroupState& state = Top();
  cursor_.insertBlock(BlockFormat(state.alignment), CharFormat(state.character));
  blockPending_ = false;
}

void RtfReader::FlushText() {
  if (pendingText_.isEmpty()) return;
  cursor_.insertText(pendingText_, CharFormat(pendingFormat_));
  pendingText_.clear();
}

void RtfReader::EndParagraph() {
  StartPendingBlock();
  FlushText();
  blockAlignment_ = Top().alignment;
  blockCharacter_ = Top().character;
  ApplyBlockFormat();
  blockPending_ = true;
}

void RtfReader::ApplyBlockFormat() {
  // Setting a format is costly in QTextDocument; most paragraphs already
  // have the one they were made with.
  const QTextBlockFormat format = BlockFormat(blockAlignment_);
  if (cursor_.blockFormat() != format) cursor_.setBlockFormat(format);
  // An empty paragraph keeps its height through the block's character format.
  if (cursor_.block().length() <= 1) {
    const QTextCharFormat character = CharFormat(blockCharacter_);
    if (cursor_.blockCharFormat() != character) cursor_.setBlockCharFormat(character);
  }
}

void RtfReader::Finish() {
  highSurrogate_ = 0;
  FlushText();
  if (!blockPending_) ApplyBlockFormat();
}

int RtfReader::CodePageForBytes() const {
  int codePage = -1;
  if (stack_.back().destination == Destination::FontTable) {
    codePage = fontEntry_.codePage;
  } else {
    const int font = stack_.back().character.font;
    const auto it = fonts_.find(font >= 0 ? font : defaultFont_);
    if (it != fonts_.end()) codePage = it->second.codePage;
  }
  return codePage >= 0 ? codePage : documentCodePage_;
}

QTextCharFormat RtfReader::CharFormat(const CharState& state) const {
  QTextCharFormat format;
  const auto font = fonts_.find(state.font >= 0 ? state.font : defaultFont_);
  if (font != fonts_.end()) format.setFontFamilies(QStringList{font->second.name});
  format.setFontPointSize(state.halfPoints / 2.0);
  format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(state.italic);
  format.setFontUnderline(state.underline);
  format.setFontStrikeOut(state.strike);
  if (state.color >= 0 && static_cast<std::size_t>(state.color) < colors_.size() &&
      colors_[static_cast<std::size_t>(state.color)].isValid()) {
    format.setForeground(colors_[static_cast<std::size_t>(state.color)]);
  }
  return format;
}

QTextBlockFormat RtfReader::BlockFormat(Alignment alignment) const {
  QTextBlockFormat format;
  switch (alignment) {
    case Alignment::Left: format.setAlignment(Qt::AlignLeft); break;
    case Alignment::Center: format.setAlignment(Qt::AlignHCenter); break;
    case Alignment::Right: format.setAlignment(Qt::AlignRight); break;
    case Alignment::Justify: format.setAlignment(Qt::AlignJustify); break;
  }
  return format;
}

}  // namespace zb::ui::rtf
