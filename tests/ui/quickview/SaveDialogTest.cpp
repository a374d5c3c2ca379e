// The desktop's save dialog asks before it creates a new file and before it
// overwrites one, when the window asks for it. A user answers the dialog and
// its questions here, as they open.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "ui/platform/QtPlatform.h"

namespace zb::test {
namespace {

// What the user does in each window that opens modally, one after the other.
class ModalScript {
 public:
  explicit ModalScript(std::deque<std::function<void(QWidget*)>> steps) : steps_(std::move(steps)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
    timer_.start(10);
  }
  bool Done() const { return steps_.empty(); }

 private:
  void Look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == last_ || steps_.empty()) return;
    last_ = modal;
    auto step = std::move(steps_.front());
    steps_.pop_front();
    step(modal);
  }

  std::deque<std::function<void(QWidget*)>> steps_;
  QPointer<QWidget> last_;
  QTimer timer_;
};

std::function<void(QWidget*)> ChooseFile(const QString& path) {
  return [path](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_TRUE(dialog) << modal->metaObject()->className();
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
  };
}

std::function<void(QWidget*)> CancelDialog() {
  return [](QWidget* modal) { QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection); };
}

std::function<void(QWidget*)> Answer(QMessageBox::StandardButton button, QString* shown) {
  return [button, shown](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_TRUE(box) << modal->metaObject()->className();
    if (shown) *shown = box->text();
    box->button(button)->click();
  };
}

class SaveDialogTest : public ::testing::Test {
 protected:
  std::optional<QString> Save(ModalScript& script) {
    zb::ui::FileDialogOptions options;
    options.title = QStringLiteral("Speichern unter");
    options.filter = QStringLiteral("Rich Text File (*.Rtf)|*.rtf");
    options.promptOverwrite = true;
    options.promptCreate = true;
    const std::optional<QString> chosen = platform.SaveFileDialog(nullptr, options);
    EXPECT_TRUE(script.Done());
    return chosen;
  }

  QTemporaryDir dir;
  zb::ui::QtPlatform platform;
};

TEST_F(SaveDialogTest, ANewFileIsCreatedOnlyAfterTheUserAgrees) {
  const QString path = dir.filePath(QStringLiteral("neu.rtf"));
  QString question;
  ModalScript refused({ChooseFile(path), Answer(QMessageBox::No, &question), CancelDialog()});
  EXPECT_FALSE(Save(refused).has_value());
  EXPECT_TRUE(question.contains(QStringLiteral("neu.rtf"))) << question.toStdString();

  ModalScript agreed({ChooseFile(path), Answer(QMessageBox::Yes, nullptr)});
  EXPECT_EQ(Save(agreed), path);
}

TEST_F(SaveDialogTest, AnExistingFileIsOverwrittenOnlyAfterTheUserAgrees) {
  const QString path = dir.filePath(QStringLiteral("alt.rtf"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  ModalScript refused({ChooseFile(path), Answer(QMessageBox::No, nullptr), CancelDialog()});
  EXPECT_FALSE(Save(refused).has_value());
  ModalScript agreed({ChooseFile(path), Answer(QMessageBox::Yes, nullptr)});
  EXPECT_EQ(Save(agreed), path);
}

TEST_F(SaveDialogTest, ANameWithoutExtensionGetsTheChosenFiltersOne) {
  zb::ui::FileDialogOptions options;
  options.filter = QStringLiteral("PNG-Bild (*.png)|*.png|SVG-Grafik (*.svg)|*.svg");
  options.extensionFromFilter = true;
  const QString typed = dir.filePath(QStringLiteral("kurve"));
  for (int filter : {0, 1}) {
    ModalScript script({[&](QWidget* modal) {
      auto* combo = modal->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
      ASSERT_TRUE(combo);
      if (filter == 1) QTest::keyClick(combo, Qt::Key_Down);  // the user picks SVG from the list
      ChooseFile(typed)(modal);
    }});
    EXPECT_EQ(platform.SaveFileDialog(nullptr, options), typed + (filter == 0 ? ".png" : ".svg"));
    EXPECT_TRUE(script.Done());
  }
}

}  // namespace
}  // namespace zb::test
