// The controls of the velocity-factor and pruning window and where they stand.

#include <QAction>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "core/side/VkFormRules.h"
#include "ui/common/Controls.h"
#include "ui/common/MenuEntries.h"
#include "ui/common/Twips.h"
#include "ui/vk/frmVk.h"

namespace zb::ui {

namespace {

// Rows from the top of the client area, in twips. Rows 6 and 7 (the changes
// of reflector and director) show only in the pruning window; in the
// velocity-factor window the button takes their place.
constexpr int kRowTop[] = {120, 540, 960};  // Text1, Text2, Text3
constexpr int kFrame1Top = 1380;
constexpr int kFrame1Height = 1080;
constexpr int kFrameRowTop[] = {300, 660};  // Label6/Label7, Label4/Label5 inside Frame1
constexpr int kRow5Top = 2520;               // Label8/Label9
constexpr int kRow6Top = 2940;               // Label10/Label11
constexpr int kRow7Top = 3360;               // Label12/Label13
constexpr int kLabel14Top = 3780;            // the printout's title line, below the last row
constexpr int kMinimumRowHeight = 315;

constexpr int kMargin = 8;       // pixels around the rows
constexpr int kGap = 6;          // pixels between a caption and its box
constexpr int kFrameIndent = 8;  // pixels the frame's captions stand in from the others

// The widest of the captions in both modes, so no caption is cut in either.
int CaptionWidth(const QFontMetrics& metrics, std::initializer_list<const char*> captions) {
  int width = 0;
  for (const char* caption : captions)
    width = std::max(width, metrics.horizontalAdvance(QString::fromUtf8(caption).remove(QLatin1Char('&'))));
  return width + 4;
}

}  // namespace

void frmVk::BuildControls() {
  clientArea_ = new QWidget(this);
  clientArea_->setObjectName(QStringLiteral("ClientArea"));
  BuildMenu();

  Label1 = NewPlainLabel("Label1", clientArea_);
  Text1 = NewBox("Text1", nullptr, clientArea_);
  Label2 = NewPlainLabel("Label2", clientArea_);
  Text2 = NewBox("Text2", nullptr, clientArea_);
  Label3 = NewPlainLabel("Label3", clientArea_);
  Text3 = NewBox("Text3", nullptr, clientArea_);
  // The access key of a caption moves the focus to the box beside it.
  Label1->setBuddy(Text1);
  Label2->setBuddy(Text2);
  Label3->setBuddy(Text3);

  Frame1 = NewGroup("Frame1", "", clientArea_);
  Label6 = NewPlainLabel("Label6", Frame1);
  Label7 = NewValueLabel("Label7", Frame1);
  Label4 = NewPlainLabel("Label4", Frame1);
  Label5 = NewValueLabel("Label5", Frame1);

  Label8 = NewPlainLabel("Label8", clientArea_);
  Label9 = NewValueLabel("Label9", clientArea_);
  Label10 = NewPlainLabel("Label10", clientArea_);
  Label11 = NewValueLabel("Label11", clientArea_);
  Label12 = NewPlainLabel("Label12", clientArea_);
  Label13 = NewValueLabel("Label13", clientArea_);
  // A screen reader reads each value with the caption beside it.
  for (auto [caption, value] : {std::pair{Label6, Label7}, std::pair{Label4, Label5}, std::pair{Label8, Label9},
                                std::pair{Label10, Label11}, std::pair{Label12, Label13}})
    caption->setBuddy(value);

  Command1 = new QPushButton(QStringLiteral("&Rechnen"), clientArea_);
  Command1->setObjectName(QStringLiteral("Command1"));

  Label14 = NewPlainLabel("Label14", clientArea_);
  Label14->setFont(TahomaFont());
  Label14->hide();  // shown only on a printout of the window

  SetTabOrder({Text1, Text2, Text3, Command1});

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menuBar);
  layout->addWidget(clientArea_, 1);
  ApplyModeTexts(zb::VfModeTexts());
  PlaceControls();
}

void frmVk::BuildMenu() {
  menuBar = new QMenuBar(this);
  menuBar->setObjectName(QStringLiteral("menuBar"));
  mnuOpt = AddSubmenu(menuBar, "mnuOpt", QStringLiteral("&Optionen"));
  menuBar->addMenu(mnuOpt);
  mnuVkübernehmen = AddEntry(mnuOpt, "mnuVkübernehmen", QStringLiteral("&Vk übernehmen"));
  mnuVkübernehmen->setCheckable(true);
  mnuVkübernehmen->setChecked(true);
  mnuErdbodenKor = AddEntry(mnuOpt, "mnuErdbodenKor", QStringLiteral("&Erdbodenkorrektur"));
  mnuErdbodenKor->setCheckable(true);
}

// Captions and tooltips of a mode; the rows' visibility and the window's
// height are the opening commands' part.
void frmVk::ApplyModeTexts(const zb::VkModeTexts& texts) {
  auto set = [](QWidget* widget, const char* caption, const char* tip) {
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(QString::fromUtf8(caption));
    widget->setToolTip(QString::fromUtf8(tip));
  };
  setWindowTitle(QString::fromUtf8(texts.title));
  Frame1->setTitle(QString::fromUtf8(texts.frame1));
  set(Label1, texts.label1, "");
  set(Label2, texts.label2, "");
  set(Label3, texts.label3, "");
  set(Label6, texts.label6, texts.label6Tip);
  set(Label4, texts.label4, texts.label4Tip);
  set(Label8, texts.label8, texts.label8Tip);
  set(Label10, texts.label10, "");
  set(Label12, texts.label12, "");
  Text1->setToolTip(QString::fromUtf8(texts.text1Tip));
  Text2->setToolTip(QString::fromUtf8(texts.text2Tip));
  Text3->setToolTip(QString::fromUtf8(texts.text3Tip));
  Label5->setToolTip(QString::fromUtf8(texts.label5Tip));
  Label7->setToolTip(QString::fromUtf8(texts.label7Tip));
  Label9->setToolTip(QString::fromUtf8(texts.label9Tip));
  Label11->setToolTip(QString::fromUtf8(texts.label11Tip));
  Label13->setToolTip(QString::fromUtf8(texts.label13Tip));
  Command1->setToolTip(QString::fromUtf8(texts.command1Tip));
  menuBar->setVisible(texts.optionsMenuVisible);
  mnuOpt->menuAction()->setVisible(texts.optionsMenuVisible);
}

void frmVk::PlaceControls() {
  const zb::VkModeTexts& vf = zb::VfModeTexts();
  const zb::VkModeTexts& pruning = zb::PruningModeTexts();
  const QFontMetrics metrics(font());
  const int captionWidth = CaptionWidth(
      metrics, {vf.label1, vf.label2, vf.label3, vf.label8, vf.label10, vf.label12, pruning.label1, pruning.label2,
                pruning.label3, pruning.label8});
  const int frameCaptionWidth =
      CaptionWidth(metrics, {vf.label4, vf.label6, pruning.label4, pruning.label6}) + kFrameIndent;
  const int boxLeft = kMargin + std::max(captionWidth, frameCaptionWidth + kFrameIndent) + kGap;
  const int boxWidth = std::max(96, metrics.horizontalAdvance(QStringLiteral("- 00000,0")) + 16);
  const int rowHeight = std::max(Text1->sizeHint().height(), TwipsToPixels(kMinimumRowHeight, this));
  const int width = boxLeft + boxWidth + kMargin;
  auto y = [this](int twips) { return TwipsToPixels(twips, this); };

  auto row = [&](QWidget* caption, QWidget* value, int topTwips) {
    caption->setGeometry(kMargin, y(topTwips), boxLeft - kGap - kMargin, rowHeight);
    value->setGeometry(boxLeft, y(topTwips), boxWidth, rowHeight);
  };
  row(Label1, Text1, kRowTop[0]);
  row(Label2, Text2, kRowTop[1]);
  row(Label3, Text3, kRowTop[2]);
  Frame1->setGeometry(kMargin / 2, y(kFrame1Top), width - kMargin, y(kFrame1Height));
  auto frameRow = [&](QLabel* caption, QLabel* value, int topTwips) {
    const int valueLeft = boxLeft - Frame1->x();
    caption->setGeometry(kMargin + kFrameIndent, y(topTwips), valueLeft - kGap - kMargin - kFrameIndent, rowHeight);
    value->setGeometry(valueLeft, y(topTwips), boxWidth, rowHeight);
  };
  frameRow(Label6, Label7, kFrameRowTop[0]);
  frameRow(Label4, Label5, kFrameRowTop[1]);
  row(Label8, Label9, kRow5Top);
  row(Label10, Label11, kRow6Top);
  row(Label12, Label13, kRow7Top);
  Command1->setGeometry(boxLeft, Command1->y(), boxWidth, std::max(Command1->sizeHint().height(), rowHeight));
  Label14->setGeometry(kMargin, y(kLabel14Top), width - 2 * kMargin, rowHeight);
  clientArea_->setMinimumWidth(width);
}

// The window's height is the outer height of its frame, title bar included.
void frmVk::SetHeightTwips(int twips) {
  heightTwips_ = twips;
  QWidget* outer = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
  const int border = outer == this ? 0 : 2 * outer->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, outer);
  const int width = std::max(outer->width(), clientArea_->minimumWidth() + border);
  outer->resize(width, TwipsToPixels(twips, this));
}

void frmVk::PlaceOnFirstShowing() {
  auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
  if (placed_ || !sub || !sub->mdiArea()) return;
  placed_ = true;
  int shown = 0;
  for (const QMdiSubWindow* other : sub->mdiArea()->subWindowList())
    if (other != sub && other->isVisible()) ++shown;
  const int step = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
  sub->move(shown * step, shown * step);
}

void frmVk::SetCommand1Top(int twips) { Command1->move(Command1->x(), TwipsToPixels(twips, this)); }

}  // namespace zb::ui
