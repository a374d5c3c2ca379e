#pragma once
// What the frame tests share: a module on the scripted desktop, a settings
// store and a working directory of their own, and small Windows metafiles
// standing in for the program's drawings.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "tests/support/FakeUiPlatform.h"
#include "ui/app/Module1.h"
#include "ui/frame/MDIForm1.h"
#include "ui/program/ProgramWindows.h"

namespace zb::test {

inline const QStringList kDrawingFiles = {"Zelvar3_klein.wmf", "Zelvar2_klein.wmf", "Zelvar3_Quer_klein.wmf",
                                          "Zelvar2_Quer_klein.wmf"};

// "Zelvar3_klein.wmf" -> "Zelvar3_klein_en.wmf", the drawing with English labels.
inline QString EnglishDrawing(QString name) {
  return name.replace(QStringLiteral(".wmf"), QStringLiteral("_en.wmf"));
}

// A placeable Windows metafile of one rectangle; its bounding box is
// width x height units at unitsPerInch.
inline QByteArray MinimalWmf(qint16 width, qint16 height, quint16 unitsPerInch) {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  // Placeable header with its checksum over the ten words before it.
  const quint16 words[10] = {
      0xCDD7, 0x9AC6, 0, 0, 0, static_cast<quint16>(width), static_cast<quint16>(height), unitsPerInch, 0, 0};
  quint16 checksum = 0;
  for (quint16 w : words) {
    out << w;
    checksum ^= w;
  }
  out << checksum;
  // Metafile header: 9 words header, 29 words in all, largest record 7 words.
  out << quint16(1) << quint16(9) << quint16(0x0300) << quint32(29) << quint16(0) << quint32(7) << quint16(0);
  out << quint32(5) << quint16(0x020B) << qint16(0) << qint16(0);           // SetWindowOrg
  out << quint32(5) << quint16(0x020C) << qint16(height) << qint16(width);  // SetWindowExt
  out << quint32(7) << quint16(0x041B) << qint16(height - 10) << qint16(width - 10) << qint16(10)
      << qint16(10);                // Rectangle
  out << quint32(3) << quint16(0);  // end of file
  return bytes;
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes);
}

// The scripted desktop, with a look at the windows while a message box is up.
class FramePlatform : public FakeUiPlatform {
 public:
  std::function<void()> whileMessageShows;

  MsgResult MessageBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                       const std::string& title) override {
    if (whileMessageShows) whileMessageShows();
    return FakeUiPlatform::MessageBox(prompt, buttons, icon, title);
  }
};

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settingsDir_.isValid());
    ASSERT_TRUE(workDir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
    previousDir_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(workDir_.path()));
    // Each drawing gets its own size, so the tests can tell them apart; its
    // English version ("_en") the same.
    qint16 width = 1440;
    for (const QString& name : kDrawingFiles) {
      WriteFile(WorkPath(name), MinimalWmf(width, 720, 1440));
      WriteFile(WorkPath(EnglishDrawing(name)), MinimalWmf(width, 720, 1440));
      width = static_cast<qint16>(width + 144);
    }
    NewModule();
  }

  // A module with the program's windows, as the program starts with.
  void NewModule() {
    module_ = std::make_unique<zb::ui::Module1>(platform_);
    zb::ui::RegisterProgramWindows(*module_);
  }

  void TearDown() override {
    module_.reset();
    QCoreApplication::processEvents();
    QDir::setCurrent(previousDir_);
  }

  QString WorkPath(const QString& name) const { return QDir(workDir_.path()).filePath(name); }
  QString SettingsFolder() const { return settingsDir_.path(); }

  // The store as another program would see it.
  static void Store(const QString& key, const QString& value) {
    QSettings settings(QSettings::UserScope, QStringLiteral("Zelvar-Beam"), QStringLiteral("Zelvar-Beam"));
    settings.setValue(QStringLiteral("Settings/") + key, value);
  }
  static QVariant Stored(const QString& key) {
    QSettings settings(QSettings::UserScope, QStringLiteral("Zelvar-Beam"), QStringLiteral("Zelvar-Beam"));
    return settings.value(QStringLiteral("Settings/") + key);
  }

  zb::ui::MDIForm1& Frame() { return module_->Windows().Default<zb::ui::MDIForm1>(); }

  // Starts the program and lets the window events of the start run.
  void Start() {
    module_->StartProgram();
    QCoreApplication::processEvents();
  }

  FramePlatform platform_;
  std::unique_ptr<zb::ui::Module1> module_;

 private:
  QTemporaryDir settingsDir_;
  QTemporaryDir workDir_;
  QString previousDir_;
};

}  // namespace zb::test
