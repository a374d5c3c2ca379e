// "Drucken" -> "Antennen&zeichnung ": the question, the sketch of the chosen
// variant in the normal window state, the title line, the page-size rule.

#include <QImage>
#include <QPainter>

#include "locale/Language.h"
#include "tests/support/ProcessLocale.h"
#include "tests/ui/print/PrintTestSupport.h"
#include "ui/drawing/WmfPicture.h"
#include "ui/print/DrawingPrintout.h"

namespace zb::test {
namespace {

using DrawingPrintoutTest = PrintTest;

TEST_F(DrawingPrintoutTest, TwoSpreaderSketchWithTitleAfterTheQuestion) {
  platform.answers = {MsgResult::Ok, MsgResult::Ok};
  Choose("mnuZeichnDruck");
  const QByteArray threeSpreaders = PageImage();
  Choose("mnu2Querträger");
  Choose("mnuZeichnDruck");
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].title, " Zeichnung ");
  EXPECT_EQ(platform.messages[0].prompt, "Kann die Zeichnung gedruckt werden? ");
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Question);
  EXPECT_EQ(platform.messages[0].buttons, MsgButtons::OkCancel);
  EXPECT_EQ(PrintedPages(), 1);
  const QString text = PrintedText();
  EXPECT_TRUE(text.startsWith(QStringLiteral("Kalvex-Zelvar-Beam")) || text.startsWith(" Kalvex-Zelvar-Beam"))
      << text.toStdString();
  // The sketch's labels are drawn as outlines: the page shows the other drawing.
  EXPECT_EQ(frame().CurrentDrawingFile(), "Zelvar2_klein.wmf");
  EXPECT_NE(PageImage(), threeSpreaders);
  EXPECT_FALSE(platform.hourglass);
}

// Under a German locale the sketch once printed as a black block.
TEST_F(DrawingPrintoutTest, TheSketchPrintsTheSameUnderAGermanLocale) {
  platform.answers = {MsgResult::Ok, MsgResult::Ok};
  Choose("mnu2Querträger");
  Choose("mnuZeichnDruck");
  const QImage plain = QImage::fromData(PageImage(72));
  QImage inGerman;
  {
    ProcessLocale german(kGermanLocale);
    Choose("mnu3Querträger");
    Choose("mnu2Querträger");  // loaded anew under the German locale
    Choose("mnuZeichnDruck");
    inGerman = QImage::fromData(PageImage(72));
  }
  ASSERT_FALSE(inGerman.isNull());
  EXPECT_LT(DarkShare(inGerman), 0.1);
  EXPECT_NEAR(DarkShare(inGerman), DarkShare(plain), 0.001);
}

// Width / height of the inked part of an image.
double InkProportions(const QImage& image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
  return static_cast<double>(ink.width()) / ink.height();
}

TEST_F(DrawingPrintoutTest, TheSketchKeepsTheProportionsTheFrameShowsItIn) {
  platform.answers = {MsgResult::Ok};
  Choose("mnuZeichnDruck");
  const zb::ui::WmfPicture& picture = frame().Picture();
  QImage screen(picture.NaturalSizeTwips() / 15, QImage::Format_RGB32);
  screen.fill(Qt::white);
  QPainter painter(&screen);
  picture.Render(painter, screen.rect());
  painter.end();
  // The title line over the top-left corner widens the ink by a few percent.
  EXPECT_NEAR(InkProportions(QImage::fromData(PageImage(72))) / InkProportions(screen), 1.0, 0.05);
}

TEST_F(DrawingPrintoutTest, MaximisedFrameIsRestoredAndItsNormalSketchPrinted) {
  frame().showMaximized();
  QApplication::processEvents();
  ASSERT_EQ(frame().CurrentDrawingFile(), "Zelvar3_Quer_klein.wmf");
  platform.answers = {MsgResult::Ok};
  Choose("mnuZeichnDruck");
  EXPECT_FALSE(frame().isMaximized());
  EXPECT_EQ(frame().CurrentDrawingFile(), "Zelvar3_klein.wmf");
  EXPECT_EQ(PrintedPages(), 1);
}

TEST_F(DrawingPrintoutTest, CancelPrintsNothing) {
  frame().showMaximized();
  QApplication::processEvents();
  platform.events.clear();
  platform.answers = {MsgResult::Cancel};
  Choose("mnuZeichnDruck");
  EXPECT_EQ(PrintedPages(), 0);
  EXPECT_TRUE(frame().isMaximized());
  EXPECT_EQ(platform.events, std::vector<std::string>{"msgbox"});
}

TEST(DrawingPrintoutRule, EachSideShrinksToNineTenthsOfThePageOnlyWhenLarger) {
  EXPECT_EQ(zb::ui::PrintedSide(8496, 11000), 8496);
  EXPECT_EQ(zb::ui::PrintedSide(11000, 11000), 11000);
  EXPECT_EQ(zb::ui::PrintedSide(11820, 11000), 9900);
  // Halves go to the even neighbour: 13.5 -> 14, 4.5 -> 4.
  EXPECT_EQ(zb::ui::PrintedSide(20, 15), 14);
  EXPECT_EQ(zb::ui::PrintedSide(20, 5), 4);
}

// Under the English interface the question is English and the sketch on the
// page is the English drawing (its labels are outlines, so the page differs).
class EnglishDrawingPrintoutTest : public PrintTest {
 protected:
  void SetUp() override {
    english_.emplace(ui::Language::English);
    PrintTest::SetUp();
  }
  std::optional<ui::Translations> english_;
};

TEST_F(EnglishDrawingPrintoutTest, TheEnglishSketchIsPrinted) {
  platform.answers = {MsgResult::Ok};
  Choose("mnuZeichnDruck");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].prompt, "Can the drawing be printed? ");
  EXPECT_EQ(frame().CurrentDrawingFile(), "Zelvar3_klein_en.wmf");
  EXPECT_EQ(PrintedPages(), 1);
  const QByteArray english = PageImage();
  ASSERT_FALSE(english.isEmpty());
  if (const QByteArray keep = qgetenv("ZB_KEEP_PRINTOUT"); !keep.isEmpty())
    QFile::copy(platform.printFile, QString::fromLocal8Bit(keep));
  english_.reset();
  frame().setWindowState(Qt::WindowMaximized);  // loads the German drawing anew
  frame().setWindowState(Qt::WindowNoState);
  QApplication::processEvents();
  ASSERT_EQ(frame().CurrentDrawingFile(), "Zelvar3_klein.wmf");
  platform.answers = {MsgResult::Ok};
  Choose("mnuZeichnDruck");
  EXPECT_NE(PageImage(), english);
}

}  // namespace
}  // namespace zb::test
