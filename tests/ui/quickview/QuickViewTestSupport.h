#pragma once
// What the quick-view tests share: a scripted desktop that also records the
// input box's title and default and can act when a box or dialog appears, a
// module with a temporary working directory, the report fixture, and a
// look at the format of a word.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <functional>
#include <string>
#include <vector>

#include "core/numbers/Cp1252.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/FakeUiPlatform.h"
#include "tests/support/TextFormatAt.h"
#include "ui/app/Module1.h"
#include "ui/program/ProgramWindows.h"
#include "ui/quickview/frmRTF.h"

namespace zb::ui::test {

class QuickViewPlatform : public zb::test::FakeUiPlatform {
 public:
  std::vector<std::string> inputTitles;
  std::vector<std::string> inputDefaults;
  std::function<void()> onMessageBox;  // runs before each message box is answered
  std::function<void()> onFileDialog;  // runs before each open or save dialog is answered

  MsgResult MessageBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                       const std::string& title) override {
    if (onMessageBox) onMessageBox();
    return FakeUiPlatform::MessageBox(prompt, buttons, icon, title);
  }
  std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) override {
    inputTitles.push_back(title);
    inputDefaults.push_back(defaultText);
    return FakeUiPlatform::InputBox(prompt, title, defaultText);
  }
  std::optional<QString> OpenFileDialog(QWidget* parent, const FileDialogOptions& options) override {
    if (onFileDialog) onFileDialog();
    return FakeUiPlatform::OpenFileDialog(parent, options);
  }
  std::optional<QString> SaveFileDialog(QWidget* parent, const FileDialogOptions& options) override {
    if (onFileDialog) onFileDialog();
    return FakeUiPlatform::SaveFileDialog(parent, options);
  }
};

// The lines of a result report as the report writer lays them out, with
// umlauts, "°", "©" and the rule of 80 macrons.
inline QStringList ReportLines() {
  return {
      QString(),
      QStringLiteral("                        Zelvar-Beam nach Kalvex "),
      QString(80, QChar(0x00AF)),
      QStringLiteral("Antenne berechnet für SSB-Band: 14 MHz"),
      QStringLiteral("Resonanzfrequenz: 14,15 MHz"),
      QStringLiteral("Verkürzungsfaktor des Drahtes: 0,95"),
      QStringLiteral("Größte Antennenbreite: ~ 6,14 m"),
      QStringLiteral("Aufbauvariante: drei Querträger ohne Spannseil"),
      QString(80, QChar(0x00AF)),
      QStringLiteral("Drahtlängen:"),
      QStringLiteral(" Direktor:"),
      QStringLiteral("  lD  = 10,331 m "),
      QStringLiteral(" Alle Winkel der drei Elemente betragen 45° bzw. 90°."),
      QString(),
      QStringLiteral(" Bv = 5,853 m               Querträger 3 = 5,903 m (für den Direktor)"),
      QStringLiteral("Mindestabstände zu anderen Antennen/Metallflächen/Erdboden o.Ä.:"),
      QStringLiteral(" Gewinn G: 6,0 dBd / 8,15 dBi"),
      QString(),
      QStringLiteral("Berechnung am 07.12.2026 14:03:59  © 2026 Zelvar-Beam-Projekt"),
  };
}

// Lines as a Windows-1252 file with CR LF after every line.
inline QByteArray Cp1252File(const QStringList& lines) {
  std::string bytes;
  for (const QString& line : lines) bytes += zb::Utf8ToCp1252(line.toStdString()) + "\r\n";
  return QByteArray::fromStdString(bytes);
}

using zb::test::FormatAt;

inline QString FamilyAt(const QTextDocument& document, const QString& text) {
  return FormatAt(document, text).font().family();
}

// A module on the scripted desktop, in a working directory of its own.
class QuickViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    previousFolder_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
  }
  void TearDown() override {
    module_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QDir::setCurrent(previousFolder_);
  }

  Module1& module() {
    if (!module_) {
      module_ = std::make_unique<Module1>(platform);
      RegisterProgramWindows(*module_);
    }
    return *module_;
  }
  frmRTF& view() { return module().Windows().Default<frmRTF>(); }
  QTextEdit& text() { return *view().TextBox(); }

  // A key for the text area, delivered where the desktop delivers it: to the
  // focus widget of the active window.
  void KeyIntoText(Qt::Key key) {
    QApplication::setActiveWindow(&view());
    text().setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), &text());
    zb::test::PressKey(key);
  }

  QString Path(const QString& name) const { return dir_.filePath(name); }
  void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
  }
  QByteArray ReadFile(const QString& name) {
    QFile file(Path(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
  }

  // ShowTextFile with a name, as the frame passes Ergebnisdatei.
  void Show(QString name) { module().ShowTextFile(name); }

  // Closes the window as the user would; true when it is gone.
  bool CloseView() {
    view().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return !module().IsLoaded(frmRTF::kWindowClass);
  }

  QuickViewPlatform platform;

 private:
  QTemporaryDir dir_;
  QString previousFolder_;
  std::unique_ptr<Module1> module_;
};

}  // namespace zb::ui::test
