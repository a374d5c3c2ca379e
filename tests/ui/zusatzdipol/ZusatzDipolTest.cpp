// The coupled-dipole window opened from the frame, as the user meets it.

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

#include "core/numbers/NumberText.h"
#include "locale/Language.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/FakeUiPlatform.h"
#include "tests/support/ProgramDrawings.h"
#include "ui/app/Module1.h"
#include "ui/beamform/frmHauptform.h"
#include "ui/frame/MDIForm1.h"
#include "ui/program/ProgramWindows.h"
#include "ui/zusatzdipol/ZusatzDipol.h"

namespace zb::test {
namespace {

class ZusatzDipolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator(',');
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, workDir.path());
    previousDir = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(workDir.path()));
    CopyProgramDrawings([this](const QString& name) { return workDir.filePath(name); });
    ui::RegisterProgramWindows(*module);
    module->StartProgram();
    QApplication::setActiveWindow(&Frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
  }
  void TearDown() override {
    module.reset();
    QDir::setCurrent(previousDir);
  }

  ui::MDIForm1& Frame() { return module->Windows().Default<ui::MDIForm1>(); }
  ui::frmHauptform& BeamForm() { return module->Windows().Default<ui::frmHauptform>(); }
  void Open() {
    Frame().OnCoupledDipoleClicked();
    window = &module->Windows().Default<ui::ZusatzDipol>();
    QApplication::processEvents();
  }

  // Tabs from "&Rechnen" to the box (Tab selects its text) and types or
  // pastes over it.
  void TypeInto(QLineEdit* box, const QString& text, bool paste = false) {
    window->calculateButton_->setFocus(Qt::TabFocusReason);
    for (int tabs = 0; tabs < 8 && QApplication::focusWidget() != box; ++tabs) PressKey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), box);
    paste ? PasteText(text) : TypeKeys(text);
  }
  void RunWorkedExample() {
    const QString entries[] = {"14,0", "21,2", "300",
                               "2",    "2",    "0,946"};  // exciterResonanceEdit_, 1, 3, 5, 4, 6
    QLineEdit* boxes[] = {window->exciterResonanceEdit_, window->wantedFrequencyEdit_,
                          window->impedanceEdit_,        window->exciterDiameterEdit_,
                          window->dipoleDiameterEdit_,   window->exciterVfEdit_};
    for (int i = 0; i < 6; ++i) TypeInto(boxes[i], entries[i]);
    QTest::mouseClick(window->calculateButton_, Qt::LeftButton);
  }
  // Pictures of the window and the frame to look at, in German and in
  // English: ZB_SHOT_DIR=folder runs them.
  void SaveShots(const QString& suffix) {
    const QString folder = qEnvironmentVariable("ZB_SHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "ZB_SHOT_DIR not set";
    Open();
    RunWorkedExample();
    window->calculateButton_->setFocus();
    QTest::qWait(300);
    EXPECT_TRUE(window->grab().save(folder + "/zusatzdipol" + suffix + ".png"));
    EXPECT_TRUE(Frame().grab().save(folder + "/zusatzdipol-frame" + suffix + ".png"));
  }

  QTemporaryDir workDir;
  QString previousDir;
  FakeUiPlatform platform;
  std::unique_ptr<ui::Module1> module = std::make_unique<ui::Module1>(platform);
  QPointer<ui::ZusatzDipol> window;
};

TEST_F(ZusatzDipolTest, OpensFromTheBeamFormWithRechnenFocusedThenTabsToInfo) {
  BeamForm().velocityFactorEdit_->setText("0,95");
  BeamForm().conductorDiameterEdit_->setText("2");
  Open();
  EXPECT_EQ(QApplication::focusWidget(), window->calculateButton_);
  EXPECT_EQ(QStringList({window->impedanceEdit_->text(), window->dipoleDiameterEdit_->text(),
                         window->exciterDiameterEdit_->text(), window->exciterVfEdit_->text()}),
            QStringList({"300", "2", "2", "0,95"}));
  QStringList walk;
  for (int i = 0; i < 7; ++i) {
    PressKey(Qt::Key_Tab);
    walk << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(walk, QStringList({"Text1", "Text3", "Text4", "Text2", "Text5", "Text6", "Command2"}));
  platform.answers = {MsgResult::Ok};
  PressKey(Qt::Key_Space);  // "I&nfo"
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Information);
  EXPECT_EQ(platform.messages[0].title, " Info zur Berechnung eines strahlungsgekoppelten Dipol ");
}

TEST_F(ZusatzDipolTest, WorkedExampleTypedThenReopeningLoadsAgain) {
  Open();
  RunWorkedExample();
  EXPECT_EQ(window->spacingValue_->text(), "236");
  EXPECT_EQ(window->lengthValue_->text(), "6,693");
  EXPECT_EQ(platform.beeps, 0);
  window->parentWidget()->close();  // the child window's close button
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_TRUE(window.isNull());
  BeamForm().conductorDiameterEdit_->setText("3");
  Open();
  EXPECT_EQ(QStringList({window->wantedFrequencyEdit_->text(), window->dipoleDiameterEdit_->text(),
                         window->spacingValue_->text()}),
            QStringList({"", "3", ""}));
  EXPECT_EQ(QApplication::focusWidget(), window->calculateButton_);
}

// Huge (pasted), negative and unreadable entries in any box: a beep and the focus, or
// the error box with the results left standing; the window stays usable.
TEST_F(ZusatzDipolTest, NoEntryEndsTheProgram) {
  Open();
  int errorBoxes = 0;
  for (QLineEdit* box : {window->wantedFrequencyEdit_, window->exciterResonanceEdit_, window->impedanceEdit_,
                         window->dipoleDiameterEdit_, window->exciterDiameterEdit_, window->exciterVfEdit_}) {
    for (const QString bad : {"1E39", "-5", "abc"}) {
      SCOPED_TRACE((box->objectName() + " " + bad).toStdString());
      RunWorkedExample();
      TypeInto(box, bad, bad == "1E39");
      platform.answers = {MsgResult::Ok};
      const std::size_t shown = platform.messages.size();
      QTest::mouseClick(window->calculateButton_, Qt::LeftButton);
      if (platform.messages.size() == shown) continue;
      ++errorBoxes;
      EXPECT_EQ(platform.messages.back().title, " Fehler ");
      EXPECT_EQ(window->spacingValue_->text() + " " + window->lengthValue_->text(), "236 6,693");
    }
  }
  EXPECT_GE(errorBoxes, 6);  // at least every "1E39"
  RunWorkedExample();
  EXPECT_EQ(window->lengthValue_->text(), "6,693");
}

// For a look by eye, when ZB_SHOT_DIR names a folder (run with -platform xcb).
// The frame's menu shortcuts come first, as in the other windows: Ctrl+V
// opens the velocity-factor window, Ctrl+X ends the program, also from a box
// whose text is selected (the box would paste over it or cut it).
TEST_F(ZusatzDipolTest, TheFramesMenuShortcutsWinOverTheBoxes) {
  Open();
  TypeInto(window->impedanceEdit_, "300");
  window->impedanceEdit_->selectAll();
  PressKey(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(window->impedanceEdit_->text(), "300");
  EXPECT_NE(Frame().findChild<QWidget*>("frmVk"), nullptr);
  TypeInto(window->wantedFrequencyEdit_, "21,2");
  const QPointer<QLineEdit> box = window->wantedFrequencyEdit_;
  box->selectAll();
  PressKey(Qt::Key_X, Qt::ControlModifier);
  EXPECT_FALSE(Frame().isVisible());
  ASSERT_FALSE(box.isNull());  // closed windows go only when the events run
  EXPECT_EQ(box->text(), "21,2");
}

TEST_F(ZusatzDipolTest, Screenshot) { SaveShots(QString()); }

class EnglishZusatzDipolTest : public ZusatzDipolTest {
 protected:
  void SetUp() override {
    english_.emplace(ui::Language::English);
    ZusatzDipolTest::SetUp();
  }
  std::optional<ui::Translations> english_;
};

TEST_F(EnglishZusatzDipolTest, Screenshot) { SaveShots(QStringLiteral("-en")); }

}  // namespace
}  // namespace zb::test
