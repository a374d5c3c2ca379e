#pragma once
// Reads RTF into a QTextDocument: text, fonts, sizes, bold, italic,
// underline, strikethrough, colour, paragraph alignment, tabs and line breaks.
// Everything else (styles, pictures, headers, document information, unknown
// destinations) is skipped.

#include <QColor>
#include <QString>
#include <QTextCursor>
#include <map>
#include <string_view>
#include <vector>

#include "ui/rtf/RtfKeywords.h"
#include "ui/rtf/RtfTokenizer.h"

class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

namespace zb::ui::rtf {

// Groups nested deeper than this are skipped with all they contain; real
// documents stay far below it, and it bounds the reader's memory.
inline constexpr std::size_t kMaxGroupDepth = 256;

class RtfReader {
 public:
  // The document is cleared by Read, not before.
  explicit RtfReader(QTextDocument& document);

  // Reads the bytes, which the caller has checked to start like RTF. Reading
  // stops at the brace that closes the outermost group or at the end of the
  // data, whichever comes first; what was read until then stays.
  void Read(std::string_view data);

 private:
  enum class Destination { Body, FontTable, ColorTable, Skip, UnicodeAlternative };
  enum class Alignment { Left, Center, Right, Justify };

  struct CharState {
    int font = -1;  // -1: the document's default font (\deff)
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int color = 0;  // index into the colour table; 0 and unknown: automatic
    bool operator==(const CharState&) const = default;
  };

  struct GroupState {
    Destination destination = Destination::Body;
    Destination outsideUnicodeAlternative = Destination::Body;
    CharState character;
    Alignment alignment = Alignment::Left;
    int unicodeSkipCount = 1;  // \ucN
    bool starred = false;      // \* seen, waiting for the destination's word
  };

  struct FontEntry {
    QString name;
    int codePage = -1;  // -1: the document's code page
  };

  void HandleToken(const Token& token);
  void OpenGroup();
  void CloseGroup();
  void HandleControlWord(const Token& token);
  bool HandleDestinationWord(const KeywordInfo& info);
  bool HandleDocumentWord(const KeywordInfo& info, const Token& token);
  void HandleFontTableWord(const KeywordInfo& info, const Token& token);
  void HandleColorTableWord(const KeywordInfo& info, const Token& token);
  void HandleBodyWord(const KeywordInfo& info, const Token& token);
  void HandleCharacterWord(const KeywordInfo& info, const Token& token);
  void HandleParagraphWord(const KeywordInfo& info);
  void HandleSymbol(char symbol);
  void HandleText(std::string_view bytes);
  void HandleByte(unsigned char byte);
  void HandleUnicode(int value);
  bool ConsumeFallback();

  void AppendChar(char16_t c);
  void AppendUnit(char16_t c);
  void CommitFont();
  void CommitColor();

  void AppendBody(char16_t c);
  void StartPendingBlock();
  void FlushText();
  void EndParagraph();
  void ApplyBlockFormat();
  void Finish();

  GroupState& Top() { return stack_.back(); }
  int CodePageForBytes() const;
  QTextCharFormat CharFormat(const CharState& state) const;
  QTextBlockFormat BlockFormat(Alignment alignment) const;

  QTextDocument& document_;
  QTextCursor cursor_;

  std::vector<GroupState> stack_;
  std::size_t skippedDepth_ = 0;  // groups opened beyond kMaxGroupDepth
  bool finished_ = false;

  int documentCodePage_ = 1252;
  int defaultFont_ = -1;
  std::map<int, FontEntry> fonts_;
  int fontNumber_ = -1;  // the font table entry being read
  FontEntry fontEntry_;
  std::vector<QColor> colors_;
  int red_ = -1, green_ = -1, blue_ = -1;

  int fallbackLeft_ = 0;        // bytes still to skip after \uN
  char16_t highSurrogate_ = 0;  // first half of a pair, waiting for the second

  QString pendingText_;  // text not yet inserted, all in pendingFormat_
  CharState pendingFormat_;
  bool blockPending_ = false;  // \par seen; the next paragraph is not yet made
  Alignment blockAlignment_ = Alignment::Left;
  CharState blockCharacter_;
};

}  // namespace zb::ui::rtf
