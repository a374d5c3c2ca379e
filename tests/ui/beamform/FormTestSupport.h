#pragma once
// The beam form inside a shown frame, on the scripted desktop, with a working
// directory and a settings store of its own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "core/numbers/NumberText.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/FakeUiPlatform.h"
#include "tests/support/ProgramDrawings.h"
#include "ui/app/Module1.h"
#include "ui/beamform/frmHauptform.h"
#include "ui/frame/MDIForm1.h"
#include "ui/program/ProgramWindows.h"

namespace zb::test {

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator(',');
    ASSERT_TRUE(workDir.isValid());
    ASSERT_TRUE(settingsDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    previousDir = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(workDir.path()));
    CopyProgramDrawings([this](const QString& name) { return workDir.filePath(name); });

    module = std::make_unique<zb::ui::Module1>(platform);
    zb::ui::RegisterProgramWindows(*module);
    module->StartProgram();
    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    frame().OnBeamClicked();
    form = &module->Windows().Default<zb::ui::frmHauptform>();
    ASSERT_TRUE(form->isVisible());
  }

  void TearDown() override {
    module.reset();
    QDir::setCurrent(previousDir);
  }

  zb::ui::MDIForm1& frame() { return module->Windows().Default<zb::ui::MDIForm1>(); }

  // Gives a widget the focus the way a click or Tab would.
  void Focus(QWidget* widget) {
    widget->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(widget->hasFocus());
  }

  // Types into a box, replacing its text.
  void TypeInto(QLineEdit* box, const QString& text) {
    Focus(box);
    box->selectAll();
    TypeKeys(text);
  }

  // Types into the combo box's edit field, replacing its text.
  void TypeIntoCombo(const QString& text) {
    Focus(form->insulationCombo_);
    form->insulationCombo_->lineEdit()->selectAll();
    TypeKeys(text);
  }

  // Clicks an option button on its round indicator at the left.
  void Click(QRadioButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }

  void LeaveWithTab(QWidget* widget) {
    Focus(widget);
    PressKey(Qt::Key_Tab);
  }

  QTemporaryDir workDir;
  QTemporaryDir settingsDir;
  QString previousDir;
  FakeUiPlatform platform;
  std::unique_ptr<zb::ui::Module1> module;
  zb::ui::frmHauptform* form = nullptr;
};

}  // namespace zb::test
