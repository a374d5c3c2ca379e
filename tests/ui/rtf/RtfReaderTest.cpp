// Reading RTF: text and breaks, character and paragraph formatting, the font
// and colour tables, code pages and Unicode, skipped groups, and files in the
// forms WordPad and LibreOffice Writer write.

#include <gtest/gtest.h>

#include <QColor>
#include <QFont>

#include "tests/ui/rtf/RtfTestSupport.h"

namespace zb::ui::rtf::test {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(RtfRead, RecognisesTheHeader) {
  EXPECT_TRUE(LooksLikeRtf("{\\rtf1\\ansi x}"));
  EXPECT_FALSE(LooksLikeRtf("Zelvar-Beam.txt"));
  EXPECT_FALSE(LooksLikeRtf(" {\\rtf1}"));
  EXPECT_FALSE(LooksLikeRtf(""));
}

TEST(RtfRead, TextParagraphsAndBreaks) {
  QTextDocument doc;
  // Line ends in the file mean nothing; the space after a control word is
  // its delimiter; the last \par adds no empty paragraph.
  Load(doc,
       "{\\rtf1 Erste\r\n Zeile\\par Zweite\\tab Spalte\\line Umbruch\\par\r\n"
       "\\par Vierte \\{\\}\\\\ Ende\\~x\\par}");
  EXPECT_EQ(Paragraphs(doc), (QStringList{U("Erste Zeile"), U("Zweite\tSpalte\u2028Umbruch"), QString(),
                                          U("Vierte {}\\ Ende\u00A0x")}));
}

TEST(RtfRead, TextWithoutFinalParAndEmptyDocument) {
  QTextDocument doc;
  Load(doc, "{\\rtf1 A\\par B}");
  EXPECT_EQ(Paragraphs(doc), (QStringList{"A", "B"}));
  Load(doc, "{\\rtf1}");
  EXPECT_EQ(doc.blockCount(), 1);
  EXPECT_TRUE(doc.toPlainText().isEmpty());
}

TEST(RtfRead, LoadingReplacesTheContent) {
  QTextDocument doc;
  doc.setPlainText("alter Inhalt");
  Load(doc, "{\\rtf1 neu}");
  EXPECT_EQ(doc.toPlainText(), "neu");
}

TEST(RtfRead, CharacterAttributesSwitchOnAndOff) {
  QTextDocument doc;
  Load(doc,
       "{\\rtf1 n0 \\b b1\\b0  n1 \\i i1\\i0  n2 \\ul u1\\ulnone  n3 \\ul u2\\ul0  n4 "
       "\\strike s1\\strike0  n5 \\uldb u3\\plain  n6 \\b\\i\\ul\\strike all\\plain  n7}");
  EXPECT_TRUE(FormatAt(doc, "b1").font().bold());
  EXPECT_TRUE(FormatAt(doc, "i1").fontItalic());
  EXPECT_TRUE(FormatAt(doc, "u1").fontUnderline());
  EXPECT_TRUE(FormatAt(doc, "u2").fontUnderline());
  EXPECT_TRUE(FormatAt(doc, "u3").fontUnderline());
  EXPECT_TRUE(FormatAt(doc, "s1").fontStrikeOut());
  const QTextCharFormat all = FormatAt(doc, "all");
  EXPECT_TRUE(all.font().bold() && all.fontItalic() && all.fontUnderline() && all.fontStrikeOut());
  for (const char* plain : {"n0", "n1", "n2", "n3", "n4", "n5", "n6", "n7"}) {
    const QTextCharFormat f = FormatAt(doc, plain);
    EXPECT_FALSE(f.font().bold() || f.fontItalic() || f.fontUnderline() || f.fontStrikeOut()) << plain;
  }
}

TEST(RtfRead, GroupsRestoreFormattingAndSizesAreHalfPoints) {
  QTextDocument doc;
  Load(doc, "{\\rtf1 def {\\fs20\\b inner {\\fs41 deeper} back} outer \\fs0 zero}");
  EXPECT_DOUBLE_EQ(FormatAt(doc, "def").fontPointSize(), 12.0);  // RTF's default, \fs24
  EXPECT_DOUBLE_EQ(FormatAt(doc, "inner").fontPointSize(), 10.0);
  EXPECT_DOUBLE_EQ(FormatAt(doc, "deeper").fontPointSize(), 20.5);
  EXPECT_TRUE(FormatAt(doc, "back").font().bold());
  EXPECT_DOUBLE_EQ(FormatAt(doc, "back").fontPointSize(), 10.0);
  EXPECT_FALSE(FormatAt(doc, "outer").font().bold());
  EXPECT_DOUBLE_EQ(FormatAt(doc, "outer").fontPointSize(), 12.0);
  EXPECT_DOUBLE_EQ(FormatAt(doc, "zero").fontPointSize(), 12.0);  // \fs0 is ignored
}

TEST(RtfRead, ParagraphAlignment) {
  QTextDocument doc;
  Load(doc,
       "{\\rtf1 \\pard links\\par\\qc mitte\\par\\pard\\qr rechts\\par\\qj block\\par"
       "\\pard wieder links\\par\\qc spaet gesetzt\\qr\\par}");
  EXPECT_EQ(AlignmentOf(doc, 0), Qt::AlignLeft);
  EXPECT_EQ(AlignmentOf(doc, 1), Qt::AlignHCenter);
  EXPECT_EQ(AlignmentOf(doc, 2), Qt::AlignRight);
  EXPECT_EQ(AlignmentOf(doc, 3), Qt::AlignJustify);  // kept after \par until \pard
  EXPECT_EQ(AlignmentOf(doc, 4), Qt::AlignLeft);
  // The properties in force at the paragraph's end count.
  EXPECT_EQ(AlignmentOf(doc, 5), Qt::AlignRight);
}

TEST(RtfRead, FontTableAndDefaultFont) {
  QTextDocument doc;
  Load(doc,
       "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman Times New Roman;}"
       "{\\f1\\fswiss{\\*\\panose 020b0604020202020204}Arial{\\*\\falt Helvetica};}"
       "\\f2\\fmodern Courier New;\\f3 Ohne Semikolon}"
       "standard \\f0 times \\f2 courier \\f9 unbekannt \\plain plain}");
  EXPECT_EQ(FamilyAt(doc, "standard"), "Arial");
  EXPECT_EQ(FamilyAt(doc, "times"), "Times New Roman");
  EXPECT_EQ(FamilyAt(doc, "courier"), "Courier New");
  EXPECT_TRUE(FamilyAt(doc, "unbekannt").isEmpty());
  EXPECT_EQ(FamilyAt(doc, "plain"), "Arial");  // \plain goes back to \deff
}

TEST(RtfRead, ColorTable) {
  QTextDocument doc;
  Load(doc,
       "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\green128;\\red0\\green0\\blue0;}"
       "auto \\cf1 rot \\cf2 gruen \\cf3 schwarz \\cf0 wieder \\cf99 fehlt}");
  EXPECT_EQ(FormatAt(doc, "auto").foreground().style(), Qt::NoBrush);
  EXPECT_EQ(FormatAt(doc, "rot").foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(FormatAt(doc, "gruen").foreground().color(), QColor(0, 128, 0));
  // Explicit black stays apart from the automatic colour.
  EXPECT_EQ(FormatAt(doc, "schwarz").foreground().color(), QColor(0, 0, 0));
  EXPECT_EQ(FormatAt(doc, "wieder").foreground().style(), Qt::NoBrush);
  EXPECT_EQ(FormatAt(doc, "fehlt").foreground().style(), Qt::NoBrush);
}

TEST(RtfRead, HexEscapesFollowTheCodePage) {
  QTextDocument doc;
  Load(doc, "{\\rtf1\\ansi\\ansicpg1252 \\'e4\\'f6\\'fc\\'df\\'b0\\'af\\'80\\'96}");
  EXPECT_EQ(doc.toPlainText(), U("äöüß°¯€–"));
  Load(doc, "{\\rtf1\\ansi\\ansicpg1250 \\'b9\\'e8}");
  EXPECT_EQ(doc.toPlainText(), U("ąč"));
  // The font's charset wins over the document's code page.
  Load(doc,
       "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}"
       "\\'e4\\f1\\'e4\\f0\\'e4}");
  EXPECT_EQ(doc.toPlainText(), U("äдä"));
  // Raw 8-bit text is read in the same code page.
  Load(doc,
       "{\\rtf1\\ansi\\ansicpg1252 Gr\xf6\xdf"
       "e}");
  EXPECT_EQ(doc.toPlainText(), U("Größe"));
}

TEST(RtfRead, BytesACodePageLeavesUndefinedKeepTheirValue) {
  QTextDocument doc;
  Load(doc, "{\\rtf1\\ansi\\ansicpg1253 \\'81\\'aa\\'e1}");
  EXPECT_EQ(doc.toPlainText(), U("\u0081\u00AA\u03B1"));
  // Mac Roman as Windows reads it: the increment sign and the Apple logo.
  Load(doc, "{\\rtf1\\mac \\'c6\\'f0\\'8a}");
  EXPECT_EQ(doc.toPlainText(), U("\u2206\uF8FF\u00E4"));
}

TEST(RtfRead, UnicodeAndItsFallback) {
  QTextDocument doc;
  Load(doc, "{\\rtf1 \\u228?x}");
  EXPECT_EQ(doc.toPlainText(), U("äx"));
  Load(doc, "{\\rtf1\\uc0 \\u228 x}");
  EXPECT_EQ(doc.toPlainText(), U("äx"));
  Load(doc, "{\\rtf1\\uc2 \\u8364\\'80\\'80x \\u8364 EUx}");
  EXPECT_EQ(doc.toPlainText(), U("€x €x"));
  // \uc is part of the group state; a brace ends a pending fallback.
  Load(doc, "{\\rtf1 {\\uc2 \\u228 ab}\\u246 cd\\u252{}ef}");
  EXPECT_EQ(doc.toPlainText(), U("äöd\u00FCef"));
  // Negative values stand for code units above 32767; pairs make one character.
  Load(doc, "{\\rtf1 \\u-3913?\\u-10179?\\u-8704?}");
  EXPECT_EQ(doc.toPlainText(), QString(QChar(0xF0B7)) + U("😀"));
  Load(doc, "{\\rtf1 \\u-10179?x\\u-8704?}");
  EXPECT_EQ(doc.toPlainText(), U("\uFFFDx\uFFFD"));
}

TEST(RtfRead, SkippedGroupsAndFieldResults) {
  QTextDocument doc;
  Load(doc,
       "{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\title Titel}{\\author Autor}}"
       "{\\*\\generator Test;}{\\*\\unbekannt{verschachtelt}text}"
       "{\\header Kopf}{\\footer Fuss}A{\\pict\\wmetafile8 0100\\bin4 }{}\\'}B"
       "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt Ergebnis}}"
       "{\\field{\\fldinst PAGE}{\\fldrslt 1}}"
       "{\\upr{Ansi}{\\*\\ud{Unicode}}}{\\*\\bkmkstart m}C}");
  EXPECT_EQ(doc.toPlainText(),
            "AB"
            "Ergebnis"
            "1"
            "Unicode"
            "C");
}

TEST(RtfRead, WordPadFile) {
  QTextDocument doc;
  Load(doc, DataFile("wordpad.rtf"));
  EXPECT_EQ(Paragraphs(doc),
            (QStringList{U("Zelvar-Beam Ergebnis"), U("Fett, kursiv, unterstrichen, durchgestrichen"),
                         U("Rot und Blau"), U("Größte Abstände: 45° bzw. 90°"), U("Rechts"),
                         U("Blocksatz\tmit Tab\u2028und Zeilenumbruch"), U("Euro: € ą")}));
  EXPECT_EQ(FamilyAt(doc, "Zelvar"), "Calibri");
  EXPECT_DOUBLE_EQ(FormatAt(doc, "Zelvar").fontPointSize(), 11.0);
  EXPECT_TRUE(FormatAt(doc, "Fett").font().bold());
  EXPECT_FALSE(FormatAt(doc, ", kursiv").font().bold());
  EXPECT_TRUE(FormatAt(doc, "kursiv").fontItalic());
  EXPECT_TRUE(FormatAt(doc, "unterstrichen").fontUnderline());
  EXPECT_TRUE(FormatAt(doc, "durchgestrichen").fontStrikeOut());
  EXPECT_EQ(FormatAt(doc, "Rot").foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(FormatAt(doc, "und Blau").foreground().style(), Qt::NoBrush);
  EXPECT_EQ(FormatAt(doc, "Blau").foreground().color(), QColor(0, 77, 187));
  EXPECT_EQ(FamilyAt(doc, U("Größte")), "Courier New");
  EXPECT_DOUBLE_EQ(FormatAt(doc, U("Größte")).fontPointSize(), 10.0);
  EXPECT_EQ(AlignmentOf(doc, 2), Qt::AlignLeft);
  EXPECT_EQ(AlignmentOf(doc, 3), Qt::AlignHCenter);
  EXPECT_EQ(AlignmentOf(doc, 4), Qt::AlignRight);
  EXPECT_EQ(AlignmentOf(doc, 5), Qt::AlignJustify);
  EXPECT_EQ(AlignmentOf(doc, 6), Qt::AlignLeft);
}

TEST(RtfRead, LibreOfficeWriterFile) {
  QTextDocument doc;
  Load(doc, DataFile("libreoffice.rtf"));
  EXPECT_EQ(Paragraphs(doc), (QStringList{U("Zelvar-Beam nach Kalvex"), U("Größte Abstände"),
                                          U("Winkel 45° bzw. 90° grün"), U("Listing Verweis Bild: Ende")}));
  EXPECT_EQ(FamilyAt(doc, "Zelvar"), "Liberation Serif");
  EXPECT_DOUBLE_EQ(FormatAt(doc, "Zelvar").fontPointSize(), 12.0);
  const QTextCharFormat heading = FormatAt(doc, U("Größte"));
  EXPECT_EQ(heading.fontFamilies().toStringList().value(0), "Liberation Sans");
  EXPECT_DOUBLE_EQ(heading.fontPointSize(), 14.0);
  EXPECT_TRUE(heading.font().bold());
  EXPECT_TRUE(FormatAt(doc, "Winkel").fontItalic());
  EXPECT_EQ(FormatAt(doc, "Winkel").foreground().style(), Qt::NoBrush);  // \cf0: automatic
  EXPECT_EQ(FormatAt(doc, U("grün")).foreground().color(), QColor(0, 128, 0));
  const QTextCharFormat listing = FormatAt(doc, "Listing");
  EXPECT_EQ(listing.fontFamilies().toStringList().value(0), "Liberation Mono");
  EXPECT_DOUBLE_EQ(listing.fontPointSize(), 10.0);
  EXPECT_TRUE(listing.fontUnderline() && listing.fontStrikeOut());
  EXPECT_EQ(FormatAt(doc, "Verweis").foreground().color(), QColor(0, 0, 255));
  EXPECT_EQ(AlignmentOf(doc, 0), Qt::AlignLeft);
  EXPECT_EQ(AlignmentOf(doc, 1), Qt::AlignHCenter);
  EXPECT_EQ(AlignmentOf(doc, 2), Qt::AlignRight);
  EXPECT_EQ(AlignmentOf(doc, 3), Qt::AlignJustify);
}

}  // namespace
}  // namespace zb::ui::rtf::test
