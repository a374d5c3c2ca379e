// Writing RTF and reading it back: escapes, the tables, and a round trip
// that keeps text, fonts, sizes, attributes, colours and alignment.

#include <gtest/gtest.h>

#include <QColor>
#include <QFont>
#include <QTextBlockFormat>

#include "tests/ui/rtf/RtfTestSupport.h"

namespace zb::ui::rtf::test {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

QTextCharFormat RunFormat(const QString& family, double points) {
  QTextCharFormat f;
  f.setFontFamilies({family});
  f.setFontPointSize(points);
  return f;
}

void AddParagraph(QTextCursor& cursor, Qt::Alignment alignment, bool first = false) {
  QTextBlockFormat block;
  block.setAlignment(alignment);
  if (first) {
    cursor.setBlockFormat(block);
  } else {
    cursor.insertBlock(block);
  }
}

bool IsAscii(const QByteArray& bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

TEST(RtfWrite, EscapesAndSpecialCharacters) {
  QTextDocument doc;
  QTextCursor cursor(&doc);
  cursor.insertText(U("a\\b{c}d\te\u2028f ä € \uF0B7"));
  const QByteArray rtf = WriteRtf(doc);
  EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
  EXPECT_TRUE(IsAscii(rtf));
  EXPECT_TRUE(rtf.contains("a\\\\b\\{c\\}d\\tab e\\line f \\u228? \\u8364? \\u-3913?"));
  QTextDocument back;
  Load(back, rtf);
  EXPECT_EQ(Paragraphs(back), Paragraphs(doc));
}

TEST(RtfWrite, TablesListEachFontAndColourOnce) {
  QTextDocument doc;
  doc.setDefaultFont(QFont("Courier New", 10));
  QTextCursor cursor(&doc);
  QTextCharFormat red = RunFormat("Arial", 8);
  red.setForeground(QColor(255, 0, 0));
  cursor.insertText("eins ", red);
  cursor.insertText("zwei ", RunFormat("Arial", 9));
  cursor.insertText("drei", red);
  const QByteArray rtf = WriteRtf(doc);
  EXPECT_TRUE(
      rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Courier New;}"
                   "{\\f1\\fnil\\fcharset0 Arial;}}"));
  EXPECT_TRUE(rtf.contains("{\\colortbl;\\red255\\green0\\blue0;}"));
}

TEST(RtfWrite, FontNamesWithSpecialCharactersReadBack) {
  QTextDocument doc;
  QTextCursor cursor(&doc);
  cursor.insertText("x", RunFormat(U("Größe {Sans};Mono"), 10));
  QTextDocument back;
  Load(back, WriteRtf(doc));
  // The semicolon would end the table entry; it is the one character lost.
  EXPECT_EQ(FamilyAt(back, "x"), U("Größe {Sans}Mono"));
}

TEST(RtfWrite, RoundTripKeepsFormatting) {
  QTextDocument doc;
  doc.setDefaultFont(QFont("Courier New", 10));
  QTextCursor cursor(&doc);
  AddParagraph(cursor, Qt::AlignLeft, true);
  cursor.insertText("standard ");
  QTextCharFormat bold = RunFormat("Arial", 14);
  bold.setFontWeight(QFont::Bold);
  cursor.insertText("fett ", bold);
  QTextCharFormat italic = RunFormat("Times New Roman", 7.5);
  italic.setFontItalic(true);
  cursor.insertText("kursiv ", italic);
  AddParagraph(cursor, Qt::AlignHCenter);
  QTextCharFormat under = RunFormat("Arial", 8);
  under.setFontUnderline(true);
  under.setForeground(QColor(0, 0, 0));
  cursor.insertText("unterstrichen ", under);
  QTextCharFormat strike = RunFormat("Arial", 8);
  strike.setFontStrikeOut(true);
  strike.setForeground(QColor(0, 77, 187));
  cursor.insertText("durch", strike);
  AddParagraph(cursor, Qt::AlignRight);
  cursor.insertText("rechts", QTextCharFormat());
  AddParagraph(cursor, Qt::AlignJustify);
  cursor.insertText("block");

  QTextDocument back;
  Load(back, WriteRtf(doc));
  EXPECT_EQ(Paragraphs(back),
            (QStringList{"standard fett kursiv ", "unterstrichen durch", "rechts", "block"}));
  // Runs without their own font take the document's.
  EXPECT_EQ(FamilyAt(back, "standard"), "Courier New");
  EXPECT_DOUBLE_EQ(FormatAt(back, "standard").fontPointSize(), 10.0);
  EXPECT_FALSE(FormatAt(back, "standard").font().bold());
  EXPECT_EQ(FamilyAt(back, "fett"), "Arial");
  EXPECT_DOUBLE_EQ(FormatAt(back, "fett").fontPointSize(), 14.0);
  EXPECT_TRUE(FormatAt(back, "fett").font().bold());
  EXPECT_EQ(FamilyAt(back, "kursiv"), "Times New Roman");
  EXPECT_DOUBLE_EQ(FormatAt(back, "kursiv").fontPointSize(), 7.5);
  EXPECT_TRUE(FormatAt(back, "kursiv").fontItalic());
  EXPECT_FALSE(FormatAt(back, "kursiv").font().bold());
  EXPECT_TRUE(FormatAt(back, "unterstrichen").fontUnderline());
  EXPECT_EQ(FormatAt(back, "unterstrichen").foreground().color(), QColor(0, 0, 0));
  EXPECT_TRUE(FormatAt(back, "durch").fontStrikeOut());
  EXPECT_FALSE(FormatAt(back, "durch").fontUnderline());
  EXPECT_EQ(FormatAt(back, "durch").foreground().color(), QColor(0, 77, 187));
  EXPECT_EQ(FormatAt(back, "rechts").foreground().style(), Qt::NoBrush);
  EXPECT_EQ(AlignmentOf(back, 0), Qt::AlignLeft);
  EXPECT_EQ(AlignmentOf(back, 1), Qt::AlignHCenter);
  EXPECT_EQ(AlignmentOf(back, 2), Qt::AlignRight);
  EXPECT_EQ(AlignmentOf(back, 3), Qt::AlignJustify);
}

TEST(RtfWrite, RoundTripKeepsEmptyParagraphsAndTheEmptyDocument) {
  QTextDocument empty;
  QTextDocument back;
  Load(back, WriteRtf(empty));
  EXPECT_EQ(back.blockCount(), 1);
  EXPECT_TRUE(back.toPlainText().isEmpty());

  QTextDocument doc;
  QTextCursor cursor(&doc);
  cursor.insertText("oben", RunFormat("Arial", 10));
  QTextBlockFormat block;
  cursor.insertBlock(block, RunFormat("Arial", 20));  // an empty line 20 points high
  cursor.insertBlock(block, RunFormat("Arial", 10));
  cursor.insertText("unten");
  cursor.insertBlock();
  Load(back, WriteRtf(doc));
  EXPECT_EQ(Paragraphs(back), (QStringList{"oben", "", "unten", ""}));
  EXPECT_DOUBLE_EQ(back.findBlockByNumber(1).charFormat().fontPointSize(), 20.0);
}

TEST(RtfWrite, GermanReportSurvivesARoundTrip) {
  const QStringList report{
      U("Zelvar-Beam nach Kalvex"),
      QString(80, QChar(0x00AF)),
      U("Alle Winkel 45° bzw. 90°"),
      U("Größte Abstände der Elemente: 2,34 m"),
      U("Querträger {3} \\ Verkürzungsfaktor\t0,95"),
  };
  QTextDocument doc;
  doc.setDefaultFont(QFont("Courier New", 10));
  doc.setPlainText(report.join(QLatin1Char('\n')));
  const QByteArray rtf = WriteRtf(doc);
  EXPECT_TRUE(IsAscii(rtf));
  EXPECT_TRUE(rtf.contains(QByteArray(80 * 6, '?').replace("??????", "\\u175?")));

  QTextDocument back;
  back.setDefaultFont(doc.defaultFont());
  Load(back, rtf);
  EXPECT_EQ(Paragraphs(back), report);
  EXPECT_EQ(FamilyAt(back, U("Größte")), "Courier New");
  EXPECT_DOUBLE_EQ(FormatAt(back, U("Größte")).fontPointSize(), 10.0);
  // Writing what was read, with the same document font, gives the same file.
  EXPECT_EQ(WriteRtf(back).toStdString(), rtf.toStdString());
}

TEST(RtfWrite, ReadFilesWriteBackWithTheirFormatting) {
  QTextDocument read;
  Load(read, DataFile("libreoffice.rtf"));
  QTextDocument back;
  Load(back, WriteRtf(read));
  EXPECT_EQ(Paragraphs(back), Paragraphs(read));
  for (const char* word : {"Zelvar", "Listing", "Verweis", "Winkel"}) {
    const QTextCharFormat a = FormatAt(read, word);
    const QTextCharFormat b = FormatAt(back, word);
    EXPECT_EQ(b.fontFamilies(), a.fontFamilies()) << word;
    EXPECT_EQ(b.fontPointSize(), a.fontPointSize()) << word;
    EXPECT_EQ(b.font().bold(), a.font().bold()) << word;
    EXPECT_EQ(b.fontItalic(), a.fontItalic()) << word;
    EXPECT_EQ(b.fontUnderline(), a.fontUnderline()) << word;
    EXPECT_EQ(b.fontStrikeOut(), a.fontStrikeOut()) << word;
    EXPECT_EQ(b.foreground(), a.foreground()) << word;
  }
  for (int i = 0; i < read.blockCount(); ++i) EXPECT_EQ(AlignmentOf(back, i), AlignmentOf(read, i));
}

}  // namespace
}  // namespace zb::ui::rtf::test
