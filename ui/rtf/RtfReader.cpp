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

// Word's largest font size is 1638 points.
constexpr int kMaxHalfPoints = 3276;

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
    case Keyword::Ansi:
      documentCodePage_ = 1252;
      return true;
    case Keyword::Mac:
      documentCodePage_ = 10000;
      return true;
    case Keyword::Pc:
      documentCodePage_ = 437;
      return true;
    case Keyword::Pca:
      documentCodePage_ = 850;
      return true;
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
    case Keyword::Plain:
      c = CharState{};
      break;
    case Keyword::Font:
      if (token.hasParameter) c.font = token.parameter;
      break;
    case Keyword::FontSize:
      if (token.hasParameter && token.parameter > 0 && token.parameter <= kMaxHalfPoints) {
        c.halfPoints = token.parameter;
      }
      break;
    case Keyword::Bold:
      c.bold = IsOn(token);
      break;
    case Keyword::Italic:
      c.italic = IsOn(token);
      break;
    case Keyword::Underline:
      c.underline = IsOn(token);
      break;
    case Keyword::UnderlineNone:
      c.underline = false;
      break;
    case Keyword::Strike:
      c.strike = IsOn(token);
      break;
    case Keyword::Color:
      c.color = token.hasParameter ? std::max(token.parameter, 0) : 0;
      break;
    default:
      break;
  }
}

void RtfReader::HandleParagraphWord(const KeywordInfo& info) {
  Alignment& alignment = Top().alignment;
  switch (info.keyword) {
    case Keyword::ParagraphDefault:
    case Keyword::AlignLeft:
      alignment = Alignment::Left;
      break;
    case Keyword::AlignCenter:
      alignment = Alignment::Center;
      break;
    case Keyword::AlignRight:
      alignment = Alignment::Right;
      break;
    case Keyword::AlignJustify:
      alignment = Alignment::Justify;
      break;
    default:
      break;
  }
  // Paragraph properties hold for the paragraph they end in; after a \par
  // they wait for the next one.
  if (!blockPending_) blockAlignment_ = alignment;
}

}  // namespace zb::ui::rtf
