// The coupled-dipole window as the user meets it, opened from the frame:
// what it shows on opening, the focus walk, typed entries, reopening, and
// nothing typed ever ending the program.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/NumberText.h"
#include "core/VfWindowState.h"
#include "core/ZusatzDipolRules.h"
#include "tests/support/FakeUiPlatform.h"
#include "ui/app/Module1.h"
#include "ui/app/ProgramWindows.h"
#include "ui/beamform/frmHauptform.h"
#include "ui/frame/MDIForm1.h"
#include "ui/zusatzdipol/ZusatzDipol.h"

namespace zb::test {
namespace {

class ZusatzDipolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator(',');
    ASSERT_TRUE(workDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, workDir.path());
    previousDir = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(workDir.path()));
    for (const char* name : {"Zelvar3_klein.wmf", "Zelvar2_klein.wmf", "Zelvar3_Quer_klein.wmf",
                             "Zelvar2_Quer_klein.wmf"})
      QFile::copy(QStringLiteral(ZB_ASSETS_DIR "/") + name, workDir.filePath(QString::fromUtf8(name)));
    module = std::make_unique<ui::Module1>(platform);
    ui::RegisterProgramWindows(*module);
    module->StartProgram();
    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
  }
  void TearDown() override {
    delete standalone.data();
    module.reset();
    QDir::setCurrent(previousDir);
  }

  ui::MDIForm1& frame() { return module->Windows().Default<ui::MDIForm1>(); }
  ui::frmHauptform& beamForm() { return module->Windows().Default<ui::frmHauptform>(); }

  void Open() {
    frame().mnuBerZusDipol_Click();
    window = &module->Windows().Default<ui::ZusatzDipol>();
    QApplication::processEvents();
  }
  // The window on its own beside the frame, reading this velocity-factor window.
  void OpenBeside(VfWindowState& vf) {
    standalone = new ui::ZusatzDipol(platform, module->State(),
                                     {[this]() -> BeamFormAccess& { return beamForm(); },
                                      [&vf]() -> VfWindowState& { return vf; }});
    window = standalone;
    window->Form_Load();
    window->show();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  // Tabs from "&Rechnen" to the box and types the text over its contents.
  void TypeInto(QLineEdit* box, const QString& text) {
    window->Command1->setFocus(Qt::TabFocusReason);
    for (int tabs = 0; tabs < 8 && QApplication::focusWidget() != box; ++tabs)
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), box);
    box->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), text);
  }
  void EnterWorkedExample() {
    TypeInto(window->Text2, "14,0");
    TypeInto(window->Text1, "21,2");
    TypeInto(window->Text3, "300");
    TypeInto(window->Text5, "2");
    TypeInto(window->Text4, "2");
    TypeInto(window->Text6, "0,946");
  }
  void Rechnen() { QTest::mouseClick(window->Command1, Qt::LeftButton); }

  QTemporaryDir workDir;
  QString previousDir;
  FakeUiPlatform platform;
  std::unique_ptr<ui::Module1> module;
  QPointer<ui::ZusatzDipol> window;
  QPointer<ui::ZusatzDipol> standalone;
};

TEST_F(ZusatzDipolTest, OpensFromTheBeamFormWithRechnenFocusedAndWalksTheBoxesInOrder) {
  beamForm().Text4->setText("0,95");
  beamForm().Text7->setText("2");
  Open();
  ASSERT_TRUE(window->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), window->Command1);
  EXPECT_EQ(window->Text3->text(), "300");
  EXPECT_EQ(window->Text4->text(), "2");
  EXPECT_EQ(window->Text5->text(), "2");
  EXPECT_EQ(window->Text6->text(), "0,95");
  QStringList walk;
  for (int i = 0; i < 7; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    walk << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(walk, QStringList({"Text1", "Text3", "Text4", "Text2", "Text5", "Text6", "Command2"}));
}

TEST_F(ZusatzDipolTest, WorkedExampleTypedShowsSpacingAndLength) {
  Open();
  EnterWorkedExample();
  Rechnen();
  EXPECT_EQ(window->Label8->text(), "236");
  EXPECT_EQ(window->Label10->text(), "6,693");
  EXPECT_EQ(window->Text6->text(), "0,946");
  EXPECT_EQ(platform.beeps, 0);
}

TEST_F(ZusatzDipolTest, ReopeningAfterClosingLoadsAgain) {
  Open();
  EnterWorkedExample();
  Rechnen();
  window->parentWidget()->close();  // the child window's close button
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  beamForm().Text7->setText("3");
  Open();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->Text1->text(), "");
  EXPECT_EQ(window->Text4->text(), "3");
  EXPECT_EQ(window->Label8->text(), "");
  EXPECT_EQ(QApplication::focusWidget(), window->Command1);
}

TEST_F(ZusatzDipolTest, ActiveVelocityFactorWindowLimitsTheExciterDiameter) {
  FixedVfWindow vf("0,001", "2", false);
  OpenBeside(vf);
  EnterWorkedExample();
  Rechnen();
  EXPECT_EQ(window->Text5->text(), "0,5");
  EXPECT_EQ(QApplication::focusWidget(), window->Text5);
  EXPECT_EQ(window->Label8->text(), "");
}

TEST_F(ZusatzDipolTest, InfoShowsTheConditionsInAnInformationBox) {
  Open();
  platform.answers = {MsgResult::Ok};
  QTest::mouseClick(window->Command2, Qt::LeftButton);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Information);
  EXPECT_EQ(platform.messages[0].title, kZusatzDipolInfoTitle);
  EXPECT_EQ(platform.messages[0].prompt, ZusatzDipolInfoText("\r\n"));
}

// Huge, negative and unreadable entries in any box: a beep and the focus, or
// the error box with the results left standing; the window stays usable.
TEST_F(ZusatzDipolTest, NoEntryEndsTheProgram) {
  Open();
  int errorBoxes = 0;
  for (QLineEdit* box :
       {window->Text1, window->Text2, window->Text3, window->Text4, window->Text5, window->Text6}) {
    for (const QString bad : {"1E39", "-5", "abc"}) {
      SCOPED_TRACE((box->objectName() + " " + bad).toStdString());
      EnterWorkedExample();
      Rechnen();
      ASSERT_EQ(window->Label8->text(), "236");
      TypeInto(box, bad);
      platform.answers = {MsgResult::Ok};
      const std::size_t shown = platform.messages.size();
      Rechnen();
      if (platform.messages.size() == shown) continue;
      ++errorBoxes;
      EXPECT_EQ(platform.messages.back().title, " Fehler ");
      EXPECT_EQ(platform.messages.back().icon, MsgIcon::Exclamation);
      EXPECT_EQ(window->Label8->text(), "236");
      EXPECT_EQ(window->Label10->text(), "6,693");
    }
  }
  EXPECT_GE(errorBoxes, 6);  // at least every "1E39"
  EnterWorkedExample();
  Rechnen();
  EXPECT_EQ(window->Label10->text(), "6,693");
}

// A picture of the frame with the window after the worked example, for a
// look by eye; only when ZB_SHOT_DIR names where it goes (run with
// -platform xcb on a desktop).
TEST_F(ZusatzDipolTest, Screenshot) {
  const QString folder = qEnvironmentVariable("ZB_SHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "ZB_SHOT_DIR not set";
  Open();
  EnterWorkedExample();
  Rechnen();
  window->Command1->setFocus();
  QTest::qWait(300);
  EXPECT_TRUE(window->grab().save(folder + "/zusatzdipol.png"));
  EXPECT_TRUE(frame().grab().save(folder + "/zusatzdipol-frame.png"));
}

}  // namespace
}  // namespace zb::test
