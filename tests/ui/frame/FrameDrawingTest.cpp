// The antenna drawing in the frame's background: which file for which window
// state and variant, and what happens when a file is missing or unreadable.

#include <QApplication>
#include <QFile>

#include "locale/Language.h"
#include "tests/support/ProcessLocale.h"
#include "tests/ui/frame/FrameTestSupport.h"

namespace zb::test {
namespace {

class FrameDrawingTest : public FrameTest {
 protected:
  void SetVariant(bool drei) { module_->State().DreiQuertraeger = drei; }
  // The program's own drawings instead of the small stand-ins.
  void UseRealDrawings() {
    for (const QString& german : kDrawingFiles) {
      for (const QString& name : {german, EnglishDrawing(german)}) {
        QFile::remove(WorkPath(name));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZB_ASSETS_DIR "/") + name, WorkPath(name)));
      }
    }
  }
  QString Drawing() { return Frame().CurrentDrawingFile(); }
};

TEST_F(FrameDrawingTest, FirstStartShowsTheThreeSpreaderSketch) {
  Start();
  EXPECT_EQ(Drawing(), "Zelvar3_klein.wmf");
  EXPECT_FALSE(Frame().Picture().IsNull());
  // Drawn at its own size: 1440 x 720 units at 1440 per inch.
  EXPECT_EQ(Frame().Picture().NaturalSizeTwips(), QSize(1440, 720));
  EXPECT_TRUE(platform_.messages.empty());
}

// Under the English interface the frame shows the drawings with English
// labels, the same shapes at the same size.
TEST_F(FrameDrawingTest, TheEnglishInterfaceShowsTheEnglishDrawings) {
  UseRealDrawings();
  const ui::Translations english(ui::Language::English);
  Start();
  EXPECT_EQ(Drawing(), "Zelvar3_klein_en.wmf");
  const QSize german = ui::WmfPicture::Load(WorkPath(QStringLiteral("Zelvar3_klein.wmf"))).NaturalSizeTwips();
  EXPECT_EQ(Frame().Picture().NaturalSizeTwips(), german);
  SetVariant(false);
  Frame().setWindowState(Qt::WindowMaximized);
  QApplication::processEvents();
  EXPECT_EQ(Drawing(), "Zelvar2_Quer_klein_en.wmf");
  EXPECT_TRUE(platform_.messages.empty());
}

// The drawing's player writes its coordinates as text: under a German locale
// they once came out with commas and the picture was a black slab.
TEST_F(FrameDrawingTest, EveryDrawingLooksTheSameUnderAGermanLocale) {
  UseRealDrawings();
  Start();
  const auto drawn = [this](bool maximised, bool drei) {
    Frame().setWindowState(maximised ? Qt::WindowMaximized : Qt::WindowNoState);
    QCoreApplication::processEvents();
    if (drei)
      Frame().OnThreeSpreadersClicked();
    else
      Frame().OnTwoSpreadersClicked();
    return Frame().centralWidget()->grab().toImage();
  };
  for (const bool maximised : {false, true}) {
    for (const bool drei : {true, false}) {
      SCOPED_TRACE(std::string(maximised ? "maximised " : "normal ") + (drei ? "drei" : "zwei"));
      const QImage plain = drawn(maximised, drei);
      ProcessLocale german(kGermanLocale);
      const QImage inGerman = drawn(maximised, drei);
      EXPECT_LT(DarkShare(inGerman), 0.1);
      EXPECT_TRUE(inGerman == plain);
    }
  }
  EXPECT_TRUE(platform_.messages.empty());
}

// The landscape sketch is wider than many screens: it is shrunk to fit whole
// (its white paper keeps its 2:1 proportions) instead of losing its front.
TEST_F(FrameDrawingTest, TheMaximisedSketchIsShownWhole) {
  UseRealDrawings();
  Start();
  Frame().showMaximized();
  QCoreApplication::processEvents();
  ASSERT_EQ(Drawing(), "Zelvar3_Quer_klein.wmf");
  for (const QSize client : {QSize(900, 700), QSize(1400, 500)}) {
    Frame().centralWidget()->setFixedSize(client);
    QCoreApplication::processEvents();
    const QImage shown = Frame().centralWidget()->grab().toImage();
    QRect paper;
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x)
        if (shown.pixel(x, y) == qRgb(255, 255, 255)) paper |= QRect(x, y, 1, 1);
    SCOPED_TRACE(QStringLiteral("%1 x %2 paper in %3 x %4")
                     .arg(paper.width())
                     .arg(paper.height())
                     .arg(client.width())
                     .arg(client.height())
                     .toStdString());
    EXPECT_NEAR(static_cast<double>(paper.width()) / paper.height(), 2.0, 0.03);
    EXPECT_TRUE(paper.width() >= client.width() - 20 || paper.height() >= client.height() - 20);
  }
}

TEST_F(FrameDrawingTest, EachWindowStateAndVariantHasItsDrawing) {
  Start();
  struct Case {
    bool maximised;
    bool drei;
    const char* file;
  };
  for (const Case& c :
       {Case{false, true, "Zelvar3_klein.wmf"}, Case{false, false, "Zelvar2_klein.wmf"},
        Case{true, true, "Zelvar3_Quer_klein.wmf"}, Case{true, false, "Zelvar2_Quer_klein.wmf"}}) {
    SCOPED_TRACE(c.file);
    SetVariant(c.drei);
    Frame().setWindowState(c.maximised ? Qt::WindowMaximized : Qt::WindowNoState);
    module_->UpdateFrameDrawing();
    EXPECT_EQ(Drawing(), c.file);
  }
  EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(FrameDrawingTest, ResizingAndStateChangesReloadTheDrawing) {
  Start();
  Frame().showMaximized();
  QCoreApplication::processEvents();
  EXPECT_EQ(Drawing(), "Zelvar3_Quer_klein.wmf");
  // The variant chosen while maximised, then the frame restored.
  Frame().OnTwoSpreadersClicked();
  EXPECT_EQ(Drawing(), "Zelvar2_Quer_klein.wmf");
  Frame().showNormal();
  QCoreApplication::processEvents();
  EXPECT_EQ(Drawing(), "Zelvar2_klein.wmf");
}

TEST_F(FrameDrawingTest, MinimisedFrameKeepsItsDrawing) {
  Start();
  Frame().showMinimized();
  SetVariant(false);
  module_->UpdateFrameDrawing();
  QCoreApplication::processEvents();
  EXPECT_EQ(Drawing(), "Zelvar3_klein.wmf");
  EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(FrameDrawingTest, MissingDrawingIsReportedAndThePreviousOneStays) {
  Start();
  ASSERT_EQ(Drawing(), "Zelvar3_klein.wmf");
  const QSize before = Frame().Picture().NaturalSizeTwips();
  ASSERT_TRUE(QFile::remove(WorkPath("Zelvar2_klein.wmf")));
  ASSERT_FALSE(QFile::exists(module_->FindDataFile("Zelvar2_klein.wmf")));

  platform_.answers.push_back(MsgResult::Ok);
  Frame().OnTwoSpreadersClicked();
  ASSERT_EQ(platform_.messages.size(), 1u);
  EXPECT_EQ(platform_.messages[0].prompt, "Datei nicht gefunden");
  EXPECT_EQ(platform_.messages[0].title, " Fehler ");
  EXPECT_EQ(platform_.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(platform_.messages[0].buttons, MsgButtons::Ok);
  // The variant changed all the same; the picture did not.
  EXPECT_FALSE(module_->State().DreiQuertraeger);
  EXPECT_EQ(Drawing(), "Zelvar3_klein.wmf");
  EXPECT_EQ(Frame().Picture().NaturalSizeTwips(), before);
  EXPECT_TRUE(Frame().isVisible());
  // The pointer is back to normal before the box and at the end.
  EXPECT_FALSE(platform_.hourglass);
}

TEST_F(FrameDrawingTest, UnreadableDrawingIsReportedAsInvalidPicture) {
  Start();
  WriteFile(WorkPath("Zelvar3_Quer_klein.wmf"), QByteArray("kein Bild, nur Text"));
  platform_.answers.push_back(MsgResult::Ok);
  Frame().setWindowState(Qt::WindowMaximized);
  module_->UpdateFrameDrawing();
  ASSERT_EQ(platform_.messages.size(), 1u);
  EXPECT_EQ(platform_.messages[0].prompt, "Ungültiges Bild");
  EXPECT_EQ(platform_.messages[0].title, " Fehler ");
  EXPECT_EQ(Drawing(), "Zelvar3_klein.wmf");
}

}  // namespace
}  // namespace zb::test
