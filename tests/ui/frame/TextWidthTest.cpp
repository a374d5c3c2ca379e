// No caption, button or group title is cut off, in German or in English:
// every window opened from the frame's menus, each text against its room.

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocument>

#include "locale/Language.h"
#include "tests/ui/frame/FrameTestSupport.h"
#include "ui/beamform/frmHauptform.h"

namespace zb::test {
namespace {

using zb::ui::Language;

QString Shown(const QString& text) {
  QString shown = text;
  return shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

int WidestLine(const QFontMetrics& metrics, const QString& text) {
  int widest = 0;
  for (const QString& line : Shown(text).split(QLatin1Char('\n')))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest;
}

QString Where(const QWidget* widget) {
  return widget->window()->windowTitle() + QStringLiteral(" / ") + widget->objectName();
}

// Every visible text that does not fit its widget, with where it is.
QStringList CutTexts() {
  QStringList cut;
  for (QWidget* widget : QApplication::allWidgets()) {
    if (!widget->isVisible()) continue;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (label->text().isEmpty() || label->wordWrap() || Qt::mightBeRichText(label->text())) continue;
      const int room = label->contentsRect().width() - 2 * std::max(label->indent(), 0) - 2 * label->margin();
      if (WidestLine(label->fontMetrics(), label->text()) > room)
        cut << Where(label) + QStringLiteral(": ") + label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      if (!button->text().isEmpty() && button->sizeHint().width() > button->width())
        cut << Where(button) + QStringLiteral(": ") + button->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      if (WidestLine(group->fontMetrics(), group->title()) > group->width())
        cut << Where(group) + QStringLiteral(": ") + group->title();
    }
  }
  return cut;
}

class TextWidthTest : public FrameTest, public ::testing::WithParamInterface<Language> {
 protected:
  void Trigger(const char* action) {
    QAction* entry = Frame().findChild<QAction*>(QString::fromUtf8(action));
    ASSERT_NE(entry, nullptr) << action;
    entry->trigger();
    QCoreApplication::processEvents();
  }

  // A short sweep across 14 MHz, resonant in the middle.
  QString SweepFile() {
    const QString path = WorkPath(QStringLiteral("sweep.s1p"));
    WriteFile(path,
              "# MHz S RI R 50\n13.9 0.3 0.2\n14.0 0.1 0.05\n14.1 0.02 0\n14.2 0.1 -0.05\n14.3 0.3 -0.2\n");
    return path;
  }

  void OpenEveryWindow() {
    Start();
    Trigger("mnuBerStromsAnt");
    auto& form = module_->Windows().Default<zb::ui::frmHauptform>();
    form.findChild<QPushButton*>(QStringLiteral("Command1"))->click();  // writes the report
    QCoreApplication::processEvents();
    Trigger("mnuAnzeigen");
    Trigger("mnuVk");
    Trigger("mnuPruning");
    Frame().OnCoupledDipoleClicked();  // its menu entry is hidden on the desktop
    QCoreApplication::processEvents();
    platform_.openAnswers.push_back(SweepFile());
    Trigger("mnuMessung");
    Trigger("mnuAnalysator");
  }
};

TEST_P(TextWidthTest, EveryTextFitsItsControl) {
  const zb::ui::Translations texts(GetParam());
  NewModule();
  OpenEveryWindow();
  // The frame with its five child windows, the quick view and the analyser dialog.
  QStringList open;
  for (auto* child : Frame().findChildren<QMdiSubWindow*>()) open << child->windowTitle();
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible()) open << window->windowTitle();
  EXPECT_EQ(open.size(), 8) << open.join(" | ").toStdString();
  const QStringList cut = CutTexts();
  EXPECT_TRUE(cut.isEmpty()) << cut.join('\n').toStdString();
  module_.reset();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, TextWidthTest, ::testing::Values(Language::German, Language::English),
                         [](const auto& info) {
                           return info.param == Language::German ? std::string("German")
                                                                 : std::string("English");
                         });

}  // namespace
}  // namespace zb::test
