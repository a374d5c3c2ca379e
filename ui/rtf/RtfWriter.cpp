#include "ui/rtf/RtfWriter.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zb::ui::rtf {

namespace {

constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276;

void AppendNumber(QByteArray& out, int value) { out += QByteArray::number(value); }

// One character of text. Backslash and braces are escaped, tabs and line
// separators become their control words, and everything outside printable
// ASCII is written as \uN with the signed 16-bit value RTF expects.
void AppendChar(QByteArray& out, QChar c) {
  const char16_t u = c.unicode();
  if (u == u'\\' || u == u'{' || u == u'}') {
    out += '\\';
    out += static_cast<char>(u);
  } else if (u == u'\t') {
    out += "\\tab ";
  } else if (u == u'\u2028' || u == u'\n' || u == u'\r' || u == u'\u2029') {
    out += "\\line ";
  } else if (u < 0x20 || u == u'\uFFFC' || (u >= 0xFDD0 && u <= 0xFDEF)) {
    // Controls, embedded objects and frame markers have no text to write.
  } else if (u < 0x7F) {
    out += static_cast<char>(u);
  } else {
    out += "\\u";
    AppendNumber(out, static_cast<int>(static_cast<std::int16_t>(u)));
    out += '?';
  }
}

void AppendText(QByteArray& out, const QString& text) {
  for (const QChar c : text) AppendChar(out, c);
}

const char* AlignmentWord(Qt::Alignment alignment) {
  const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
  if (horizontal & Qt::AlignJustify) return "\\qj";
  if (horizontal & Qt::AlignHCenter) return "\\qc";
  if (horizontal & Qt::AlignRight) return "\\qr";
  return "\\ql";
}

QString FamilyOf(const QFont& font) {
  const QStringList families = font.families();
  return families.isEmpty() ? font.family() : families.first();
}

// Point sizes; pixel sizes are taken at 96 dots per inch.
int HalfPointsOf(const QFont& font) {
  double points = font.pointSizeF();
  if (points <= 0 && font.pixelSize() > 0) points = font.pixelSize() * 72.0 / 96.0;
  if (points <= 0) points = 12;
  return std::clamp(static_cast<int>(std::lround(points * 2)), kMinHalfPoints, kMaxHalfPoints);
}

}  // namespace

RtfWriter::RtfWriter(const QTextDocument& document)
    : document_(document), defaultFont_(document.defaultFont()) {
  // Font 0 is the document's own font, which \deff0 names the default.
  fonts_.append(FamilyOf(defaultFont_));
}

QByteArray RtfWriter::Write() {
  // The body is written first because it fills the two tables.
  const QByteArray body = Body();
  QByteArray out;
  WriteHeader(out);
  out += body;
  out += "}\r\n";
  return out;
}

void RtfWriter::WriteHeader(QByteArray& out) const {
  out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
  for (qsizetype i = 0; i < fonts_.size(); ++i) {
    out += "{\\f";
    AppendNumber(out, static_cast<int>(i));
    out += "\\fnil\\fcharset0 ";
    QString name = fonts_[i];
    name.remove(QLatin1Char(';'));  // the semicolon ends the entry and cannot be escaped
    AppendText(out, name);
    out += ";}";
  }
  out += "}\r\n{\\colortbl;";
  for (const QColor& color : colors_) {
    out += "\\red";
    AppendNumber(out, color.red());
    out += "\\green";
    AppendNumber(out, color.green());
    out += "\\blue";
    AppendNumber(out, color.blue());
    out += ';';
  }
  out += "}\r\n";
}

QByteArray RtfWriter::Body() {
  QByteArray out;
  for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
    WriteBlock(block, out);
  }
  return out;
}

// Every paragraph ends with \par, the last one too; the reader treats \par
// as the end of a paragraph, so this adds no empty paragraph.
void RtfWriter::WriteBlock(const QTextBlock& block, QByteArray& out) {
  out += "\\pard";
  out += AlignmentWord(block.blockFormat().alignment());
  bool first = true;
  RunFormat current;
  const auto writeFormat = [&](const RunFormat& format) {
    if (!first && format == current) return;
    out += "\\plain\\f";
    AppendNumber(out, format.font);
    out += "\\fs";
    AppendNumber(out, format.halfPoints);
    if (format.bold) out += "\\b";
    if (format.italic) out += "\\i";
    if (format.underline) out += "\\ul";
    if (format.strike) out += "\\strike";
    if (format.color != 0) {
      out += "\\cf";
      AppendNumber(out, format.color);
    }
    out += ' ';
    current = format;
    first = false;
  };
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    if (!fragment.isValid()) continue;
    writeFormat(FormatOf(fragment.charFormat()));
    AppendText(out, fragment.text());
  }
  // An empty paragraph keeps its size through the block's character format.
  if (first) writeFormat(FormatOf(block.charFormat()));
  out += "\\par\r\n";
}

RtfWriter::RunFormat RtfWriter::FormatOf(const QTextCharFormat& format) {
  // Properties the run leaves unset come from the document's default font.
  const QFont font = format.font().resolve(defaultFont_);
  RunFormat run;
  run.font = FontIndex(FamilyOf(font));
  run.halfPoints = HalfPointsOf(font);
  run.bold = font.bold();
  run.italic = font.italic();
  run.underline = font.underline();
  run.strike = font.strikeOut();
  run.color = ColorIndex(format);
  return run;
}

int RtfWriter::FontIndex(const QString& family) {
  qsizetype index = fonts_.indexOf(family);
  if (index < 0) {
    fonts_.append(family);
    index = fonts_.size() - 1;
  }
  return static_cast<int>(index);
}

int RtfWriter::ColorIndex(const QTextCharFormat& format) {
  const QBrush brush = format.foreground();
  if (brush.style() == Qt::NoBrush) return 0;
  const QColor color = brush.color().toRgb();
  const QColor opaque(color.red(), color.green(), color.blue());
  const auto it = std::find(colors_.begin(), colors_.end(), opaque);
  if (it != colors_.end()) return static_cast<int>(it - colors_.begin()) + 1;
  colors_.push_back(opaque);
  return static_cast<int>(colors_.size());
}

}  // namespace zb::ui::rtf
