// The document side of the reader: paragraphs and character formats as the
// text arrives.

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
    case Alignment::Left:
      format.setAlignment(Qt::AlignLeft);
      break;
    case Alignment::Center:
      format.setAlignment(Qt::AlignHCenter);
      break;
    case Alignment::Right:
      format.setAlignment(Qt::AlignRight);
      break;
    case Alignment::Justify:
      format.setAlignment(Qt::AlignJustify);
      break;
  }
  return format;
}

}  // namespace zb::ui::rtf
