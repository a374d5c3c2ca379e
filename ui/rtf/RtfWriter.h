#pragma once
// Writes a QTextDocument as RTF: a font table, a colour table, paragraphs
// with their alignment and runs with font, size, bold, italic, underline,
// strikethrough and colour. Only ASCII bytes are written; other characters
// go out as \uN with "?" as the fallback for readers without Unicode.

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <vector>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;

namespace zb::ui::rtf {

class RtfWriter {
 public:
  explicit RtfWriter(const QTextDocument& document);

  QByteArray Write();

 private:
  struct RunFormat {
    int font = 0;  // index into the font table
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int color = 0;  // index into the colour table; 0: automatic
    bool operator==(const RunFormat&) const = default;
  };

  RunFormat FormatOf(const QTextCharFormat& format);
  int FontIndex(const QString& family);
  int ColorIndex(const QTextCharFormat& format);
  QByteArray Body();
  void WriteBlock(const QTextBlock& block, QByteArray& out);
  void WriteHeader(QByteArray& out) const;

  const QTextDocument& document_;
  QFont defaultFont_;
  QStringList fonts_;
  std::vector<QColor> colors_;  // without the automatic entry 0
};

}  // namespace zb::ui::rtf
