// The quick view's rules without a window: the width that fits the report's
// second line, the search from the second character, and reading and writing
// its files.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/numbers/RuntimeError.h"
#include "ui/quickview/QuickViewFiles.h"
#include "ui/quickview/QuickViewRules.h"

namespace zb::ui::test {
namespace {

QString Line(int length, QChar c = QChar('x')) { return QString(length, c); }

TEST(QuickViewWidth, SecondLineIsMeasuredFromTheThirdCharacterOn) {
  EXPECT_EQ(SecondLineLength("Kopf\n" + Line(100) + "\nRest"), 100);
  // A first line shorter than two characters: its break lies before the
  // third character, so the line measured is the third.
  EXPECT_EQ(SecondLineLength("\n" + Line(48) + "\n" + Line(80) + "\n"), 80);
  EXPECT_EQ(SecondLineLength("K\n" + Line(7) + "\n" + Line(9) + "\n"), 9);
  // Two characters: the break is the third character and counts.
  EXPECT_EQ(SecondLineLength("Ko\n" + Line(7) + "\n" + Line(9) + "\n"), 7);
  EXPECT_EQ(SecondLineLength("Kopf\n\nRest"), 0);
}

TEST(QuickViewWidth, TextsWithoutTwoBreaksGiveNoLength) {
  EXPECT_LT(SecondLineLength(""), 0);
  EXPECT_LT(SecondLineLength(Line(300)), 0);
  EXPECT_LT(SecondLineLength("Kopf\n" + Line(300)), 0);
}

TEST(QuickViewWidth, WideLinesWidenTheView) {
  const double screen = 20000;
  EXPECT_EQ(ViewWidthForLine(100, screen), 12600);
  EXPECT_EQ(ViewWidthForLine(92, screen), 11670);  // 11592 is narrower
  EXPECT_EQ(ViewWidthForLine(93, screen), 11718);
  EXPECT_EQ(ViewWidthForLine(80, screen), 11670);
  EXPECT_EQ(ViewWidthForLine(0, screen), 11670);
  EXPECT_EQ(ViewWidthForLine(-7, screen), 11670);
  // The widest line that still fits the 16-bit width.
  EXPECT_EQ(ViewWidthForLine(260, screen), 32760);
}

TEST(QuickViewWidth, LinesBeyondTheSixteenBitWidthTakeTheScreenWidth) {
  EXPECT_EQ(ViewWidthForLine(261, 20000), 20000);
  EXPECT_EQ(ViewWidthForLine(5000, 28799.7), 28799);
  EXPECT_EQ(ViewWidthForLine(261, 9000), 11670);   // never narrower than designed
  EXPECT_EQ(ViewWidthForLine(400, 60000), 32767);  // never beyond the 16-bit range
  EXPECT_EQ(ViewWidthForLine(2000000000, 20000), 20000);
}

TEST(QuickViewSearch, StartsAtTheSecondCharacterOfTheSelection) {
  const QString text = "Antenne und antenne\nANTENNE ende";
  // The occurrence at the very first character is passed over.
  EXPECT_EQ(FindFromSecondCharacter(text, "Antenne", 0), 12);
  EXPECT_EQ(FindFromSecondCharacter(text, "antenne", 12), 20);
  EXPECT_EQ(FindFromSecondCharacter(text, "antenne", 20), -1);
  // From inside an occurrence the next one is found.
  EXPECT_EQ(FindFromSecondCharacter(text, "und", 7), 8);
  EXPECT_EQ(FindFromSecondCharacter(text, "und", 8), -1);
}

TEST(QuickViewSearch, IgnoresLetterCaseUmlautsIncluded) {
  EXPECT_EQ(FindFromSecondCharacter("xx Größte Breite", "GRÖßTE", 0), 3);
  EXPECT_EQ(FindFromSecondCharacter("xx Querträger", "QUERTRÄGER", 0), 3);
}

TEST(QuickViewSearch, EndsAtTheEndWithoutWrapping) {
  const QString text = "ende am Ende";
  EXPECT_EQ(FindFromSecondCharacter(text, "ende", 8), -1);
  EXPECT_EQ(FindFromSecondCharacter(text, "e", 11), -1);
  EXPECT_EQ(FindFromSecondCharacter(text, "e", 12), -1);  // caret behind the last character
  EXPECT_EQ(FindFromSecondCharacter(text, "", 0), -1);
}

class QuickViewFileTest : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  void Write(const QString& name, const QByteArray& bytes) {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QTemporaryDir dir_;
};

TEST_F(QuickViewFileTest, ReadsWholeFilesAndNamesWhatWentWrong) {
  Write("a.txt", QByteArray("eins\r\nzwei\0drei", 15));
  QByteArray data;
  EXPECT_EQ(ReadWholeFile(Path("a.txt"), data), 0);
  EXPECT_EQ(data, QByteArray("eins\r\nzwei\0drei", 15));

  data = "unverändert";
  EXPECT_EQ(ReadWholeFile(Path("fehlt.txt"), data), kFileNotFound);
  EXPECT_EQ(ReadWholeFile(Path("kein/ordner.txt"), data), kPathNotFound);
  EXPECT_EQ(ReadWholeFile(dir_.path(), data), kPathFileAccess);
  EXPECT_EQ(ReadWholeFile(QString(), data), kFileNotFound);
  EXPECT_EQ(data, "unverändert");
}

TEST(QuickViewPlainText, DecodesWindows1252AndEndsLinesOnce) {
  const QByteArray bytes("\xAF\xAF \xB0 \xE4\xF6\xFC\xDF\xC4 \x80 \xA9\r\nzwei\rdrei\nvier\r\n");
  EXPECT_EQ(PlainTextOfFile(bytes), QString::fromUtf8("¯¯ ° äöüßÄ € ©\nzwei\ndrei\nvier\n"));
  EXPECT_EQ(PlainTextOfFile(QByteArray("\x81\x9F")), QString::fromUtf8("\u0081Ÿ"));
  EXPECT_EQ(PlainTextOfFile(QByteArray()), QString());
}

}  // namespace
}  // namespace zb::ui::test
