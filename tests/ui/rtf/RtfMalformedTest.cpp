// Damaged and hostile RTF: the reader loads what it can, never crashes or
// hangs, and keeps its memory bounded.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <cstdint>

#include "tests/ui/rtf/RtfTestSupport.h"
#include "ui/rtf/RtfReader.h"

namespace zb::ui::rtf::test {
namespace {

TEST(RtfMalformed, NotRtfIsRefusedAndTheDocumentKept) {
  QTextDocument doc;
  doc.setPlainText("bisher");
  QString error;
  EXPECT_FALSE(ReadRtf("Zelvar-Beam Ergebnis\r\n", doc, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(ReadRtf(QByteArray(), doc));
  EXPECT_EQ(doc.toPlainText(), "bisher");
}

TEST(RtfMalformed, UnbalancedAndTruncatedInputLoadsWhatItCan) {
  QTextDocument doc;
  Load(doc, "{\\rtf1 A\\par {\\b B");  // braces never closed
  EXPECT_EQ(Paragraphs(doc), (QStringList{"A", "B"}));
  EXPECT_TRUE(FormatAt(doc, "B").font().bold());
  Load(doc, "{\\rtf1 A}}} B{C}");  // reading ends with the outermost group
  EXPECT_EQ(doc.toPlainText(), "A");
  for (const char* cut :
       {"{\\rtf1 A\\", "{\\rtf1 A\\'", "{\\rtf1 A\\'e", "{\\rtf1 A\\u", "{\\rtf1 A\\fs", "{\\rtf1 A\\bin",
        "{\\rtf1 A{\\fonttbl{\\f0 Ari", "{\\rtf1 A{\\colortbl;\\red9", "{\\rtf1 A{\\*"}) {
    Load(doc, cut);
    EXPECT_EQ(doc.toPlainText(), "A") << cut;
  }
  Load(doc, "{\\rtf1 A\\'zzB\\'4");  // invalid escapes are dropped
  EXPECT_EQ(doc.toPlainText(), "AzzB");
}

TEST(RtfMalformed, HugeNumbersAreClampedOrIgnored) {
  QTextDocument doc;
  Load(doc,
       "{\\rtf1{\\colortbl;\\red99999999999\\green-5\\blue7;}{\\fonttbl{\\f99999999999 X;}}"
       "\\fs99999999999999999999 a\\fs-4 b\\cf1 c\\u99999999999?d\\u-99999999999?e"
       "\\uc99999999999 \\u65 fghij}");
  EXPECT_EQ(doc.toPlainText(), "abcdeA");
  EXPECT_DOUBLE_EQ(FormatAt(doc, "a").fontPointSize(), 12.0);
  EXPECT_DOUBLE_EQ(FormatAt(doc, "b").fontPointSize(), 12.0);
  EXPECT_EQ(FormatAt(doc, "c").foreground().color(), QColor(255, 0, 7));
}

TEST(RtfMalformed, DeepNestingIsSkippedAndReadingGoesOn) {
  QTextDocument doc;
  const int depth = static_cast<int>(kMaxGroupDepth) + 10;
  QByteArray rtf = "{\\rtf1 A";
  rtf += QByteArray(depth, '{') + "verborgen" + QByteArray(depth, '}');
  rtf += "{{{\\b B}}}";
  Load(doc, rtf + "}");
  EXPECT_EQ(doc.toPlainText(), "AB");
  EXPECT_TRUE(FormatAt(doc, "B").font().bold());

  // A million opening braces: no recursion, no stack of that size.
  QElapsedTimer timer;
  timer.start();
  Load(doc, "{\\rtf1 C" + QByteArray(1'000'000, '{') + "D");
  EXPECT_EQ(doc.toPlainText(), "C");
  EXPECT_LT(timer.elapsed(), 10'000);
}

TEST(RtfMalformed, BinWithAHugeCountSkipsToTheEnd) {
  QTextDocument doc;
  Load(doc, "{\\rtf1 A{\\pict\\bin2147483647 }B}");
  EXPECT_EQ(doc.toPlainText(), "A");
  Load(doc, "{\\rtf1 A{\\pict\\bin99999999999999 }B}");
  EXPECT_EQ(doc.toPlainText(), "A");
  Load(doc, "{\\rtf1 A{\\pict\\bin-5 x}B}");  // a negative count skips nothing
  EXPECT_EQ(doc.toPlainText(), "AB");
}

TEST(RtfMalformed, BinaryJunkNeverBreaksTheDocument) {
  // A fixed pseudo-random stream, so a failure can be repeated.
  std::uint32_t seed = 0x2545F491u;
  const auto next = [&seed] {
    seed ^= seed << 13;
    seed ^= seed >> 17;
    seed ^= seed << 5;
    return seed;
  };
  const char alphabet[] = "{}\\'*ubinfscrlpartq0123456789- ;\xe4\x00\x80\xff\r\n";
  for (int round = 0; round < 200; ++round) {
    QByteArray junk = "{\\rtf1 ";
    const int length = static_cast<int>(next() % 600);
    for (int i = 0; i < length; ++i) {
      junk += (next() % 3 == 0) ? static_cast<char>(next() & 0xFF) : alphabet[next() % (sizeof alphabet - 1)];
    }
    QTextDocument doc;
    Load(doc, junk);
    // Only characters the document can hold as text came in.
    for (const QChar c : doc.toPlainText()) {
      EXPECT_TRUE(c == QLatin1Char('\t') || c == QLatin1Char('\n') || c.unicode() >= 0x20)
          << "round " << round;
      EXPECT_FALSE(c.unicode() >= 0xFDD0 && c.unicode() <= 0xFDEF) << "round " << round;
    }
    // And what came in can be written and read again without loss.
    QTextDocument again;
    Load(again, WriteRtf(doc));
    EXPECT_EQ(again.toPlainText(), doc.toPlainText()) << "round " << round;
  }
}

}  // namespace
}  // namespace zb::ui::rtf::test
