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

#include "core/side/VfFormRules.h"
#include "locale/LocaleText.h"
#include "ui/common/Controls.h"
#include "ui/common/MenuEntries.h"
#include "ui/common/Twips.h"
#include "ui/vk/frmVk.h"

namespace zb::ui {

namespace {

// Rows from the top of the client area, in twips. Rows 6 and 7 (the changes
// of reflector and director) show only in the pruning window; in the
// velocity-factor window the button takes their place.
constexpr int kRowTop[] = {120, 540,
                           960};  // frequencyOrLengthEdit_, heightOrResonanceEdit_, diameterOrWantedEdit_
constexpr int kFrame1Top = 1380;
constexpr int kFrame1Height = 1080;
constexpr int kFrameRowTop[] = {300,
                                660};  // slendernessOrLengthCaption_/slendernessOrLengthValue_,
                                       // heightShareOrVfCaption_/heightShareOrVfValue_ inside resultGroup_
constexpr int kRow5Top = 2520;         // estimateOrRadiatorCaption_/estimateOrRadiatorValue_
constexpr int kRow6Top = 2940;         // reflectorChangeCaption_/reflectorChangeValue_
constexpr int kRow7Top = 3360;         // directorChangeCaption_/directorChangeValue_
constexpr int kLabel14Top = 3780;      // the printout's title line, below the last row
constexpr int kMinimumRowHeight = 315;

constexpr int kMargin = 8;       // pixels around the rows
constexpr int kGap = 6;          // pixels between a caption and its box
constexpr int kFrameIndent = 8;  // pixels the frame's captions stand in from the others

// The widest of the captions in both modes, so no caption is cut in either.
int CaptionWidth(const QFontMetrics& metrics, std::initializer_list<const char*> captions) {
  int width = 0;
  for (const char* caption : captions)
    width = std::max(width, metrics.horizontalAdvance(Q(zb::VfWindowText(caption)).remove(QLatin1Char('&'))));
  return width + 4;
}

}  // namespace

void frmVk::BuildControls() {
  clientArea_ = new QWidget(this);
  clientArea_->setObjectName(QStringLiteral("ClientArea"));
  BuildMenu();

  frequencyOrLengthLabel_ = NewPlainLabel("Label1", clientArea_);
  frequencyOrLengthEdit_ = NewBox("Text1", QString(), clientArea_);
  heightOrResonanceLabel_ = NewPlainLabel("Label2", clientArea_);
  heightOrResonanceEdit_ = NewBox("Text2", QString(), clientArea_);
  diameterOrWantedLabel_ = NewPlainLabel("Label3", clientArea_);
  diameterOrWantedEdit_ = NewBox("Text3", QString(), clientArea_);
  // The access key of a caption moves the focus to the box beside it.
  frequencyOrLengthLabel_->setBuddy(frequencyOrLengthEdit_);
  heightOrResonanceLabel_->setBuddy(heightOrResonanceEdit_);
  diameterOrWantedLabel_->setBuddy(diameterOrWantedEdit_);

  BuildResultControls();

  calculateButton_ = new QPushButton(tr("&Rechnen"), clientArea_);
  calculateButton_->setObjectName(QStringLiteral("Command1"));

  printTitleLabel_ = NewPlainLabel("Label14", clientArea_);
  printTitleLabel_->setFont(TahomaFont());
  printTitleLabel_->hide();  // shown only on a printout of the window

  SetTabOrder({frequencyOrLengthEdit_, heightOrResonanceEdit_, diameterOrWantedEdit_, calculateButton_});

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menuBar_);
  layout->addWidget(clientArea_, 1);
  ApplyModeTexts(zb::VfModeTexts());
  PlaceControls();
}

// The results: captions and values, whose texts depend on the mode.
void frmVk::BuildResultControls() {
  resultGroup_ = NewGroup("Frame1", "", clientArea_);
  slendernessOrLengthCaption_ = NewPlainLabel("Label6", resultGroup_);
  slendernessOrLengthValue_ = NewValueLabel("Label7", resultGroup_);
  heightShareOrVfCaption_ = NewPlainLabel("Label4", resultGroup_);
  heightShareOrVfValue_ = NewValueLabel("Label5", resultGroup_);

  estimateOrRadiatorCaption_ = NewPlainLabel("Label8", clientArea_);
  estimateOrRadiatorValue_ = NewValueLabel("Label9", clientArea_);
  reflectorChangeCaption_ = NewPlainLabel("Label10", clientArea_);
  reflectorChangeValue_ = NewValueLabel("Label11", clientArea_);
  directorChangeCaption_ = NewPlainLabel("Label12", clientArea_);
  directorChangeValue_ = NewValueLabel("Label13", clientArea_);
  // A screen reader reads each value with the caption beside it.
  for (auto [caption, value] : {std::pair{slendernessOrLengthCaption_, slendernessOrLengthValue_},
                                std::pair{heightShareOrVfCaption_, heightShareOrVfValue_},
                                std::pair{estimateOrRadiatorCaption_, estimateOrRadiatorValue_},
                                std::pair{reflectorChangeCaption_, reflectorChangeValue_},
                                std::pair{directorChangeCaption_, directorChangeValue_}})
    caption->setBuddy(value);
}

void frmVk::BuildMenu() {
  menuBar_ = new QMenuBar(this);
  menuBar_->setObjectName(QStringLiteral("menuBar"));
  optionsMenu_ = AddSubmenu(menuBar_, "mnuOpt", tr("&Optionen"));
  menuBar_->addMenu(optionsMenu_);
  takeOverVfAction_ = AddEntry(optionsMenu_, "mnuVkübernehmen", tr("&Vk übernehmen"));
  takeOverVfAction_->setCheckable(true);
  takeOverVfAction_->setChecked(true);
  groundCorrectionAction_ = AddEntry(optionsMenu_, "mnuErdbodenKor", tr("&Erdbodenkorrektur"));
  groundCorrectionAction_->setCheckable(true);
}

// Captions and tooltips of a mode; the rows' visibility and the window's
// height are the opening commands' part.
void frmVk::ApplyModeTexts(const zb::VfWindowModeTexts& texts) {
  auto set = [](QWidget* widget, const char* caption, const char* tip) {
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(Q(zb::VfWindowText(caption)));
    widget->setToolTip(Q(zb::VfWindowText(tip)));
  };
  setWindowTitle(Q(zb::VfWindowText(texts.title)));
  resultGroup_->setTitle(Q(zb::VfWindowText(texts.resultGroup)));
  set(frequencyOrLengthLabel_, texts.frequencyOrLength, "");
  set(heightOrResonanceLabel_, texts.heightOrResonance, "");
  set(diameterOrWantedLabel_, texts.diameterOrWanted, "");
  set(slendernessOrLengthCaption_, texts.slendernessOrLength, texts.slendernessOrLengthTip);
  set(heightShareOrVfCaption_, texts.heightShareOrVf, texts.heightShareOrVfTip);
  set(estimateOrRadiatorCaption_, texts.estimateOrRadiator, texts.estimateOrRadiatorTip);
  set(reflectorChangeCaption_, texts.reflectorChange, "");
  set(directorChangeCaption_, texts.directorChange, "");
  frequencyOrLengthEdit_->setToolTip(Q(zb::VfWindowText(texts.frequencyOrLengthBoxTip)));
  heightOrResonanceEdit_->setToolTip(Q(zb::VfWindowText(texts.heightOrResonanceBoxTip)));
  diameterOrWantedEdit_->setToolTip(Q(zb::VfWindowText(texts.diameterOrWantedBoxTip)));
  heightShareOrVfValue_->setToolTip(Q(zb::VfWindowText(texts.heightShareOrVfValueTip)));
  slendernessOrLengthValue_->setToolTip(Q(zb::VfWindowText(texts.slendernessOrLengthValueTip)));
  estimateOrRadiatorValue_->setToolTip(Q(zb::VfWindowText(texts.estimateOrRadiatorValueTip)));
  reflectorChangeValue_->setToolTip(Q(zb::VfWindowText(texts.reflectorChangeValueTip)));
  directorChangeValue_->setToolTip(Q(zb::VfWindowText(texts.directorChangeValueTip)));
  calculateButton_->setToolTip(Q(zb::VfWindowText(texts.calculateTip)));
  menuBar_->setVisible(texts.optionsMenuVisible);
  optionsMenu_->menuAction()->setVisible(texts.optionsMenuVisible);
}

void frmVk::PlaceControls() {
  const zb::VfWindowModeTexts& vf = zb::VfModeTexts();
  const zb::VfWindowModeTexts& pruning = zb::PruningModeTexts();
  const QFontMetrics metrics(font());
  const int captionWidth = CaptionWidth(
      metrics, {vf.frequencyOrLength, vf.heightOrResonance, vf.diameterOrWanted, vf.estimateOrRadiator,
                vf.reflectorChange, vf.directorChange, pruning.frequencyOrLength, pruning.heightOrResonance,
                pruning.diameterOrWanted, pruning.estimateOrRadiator});
  const int frameCaptionWidth =
      CaptionWidth(metrics, {vf.heightShareOrVf, vf.slendernessOrLength, pruning.heightShareOrVf,
                             pruning.slendernessOrLength}) +
      kFrameIndent;
  const int boxLeft = kMargin + std::max(captionWidth, frameCaptionWidth + kFrameIndent) + kGap;
  const int boxWidth = std::max(96, metrics.horizontalAdvance(QStringLiteral("- 00000,0")) + 16);
  const int rowHeight =
      std::max(frequencyOrLengthEdit_->sizeHint().height(), TwipsToPixels(kMinimumRowHeight, this));
  const int width = boxLeft + boxWidth + kMargin;
  auto y = [this](int twips) { return TwipsToPixels(twips, this); };

  auto row = [&](QWidget* caption, QWidget* value, int topTwips) {
    caption->setGeometry(kMargin, y(topTwips), boxLeft - kGap - kMargin, rowHeight);
    value->setGeometry(boxLeft, y(topTwips), boxWidth, rowHeight);
  };
  row(frequencyOrLengthLabel_, frequencyOrLengthEdit_, kRowTop[0]);
  row(heightOrResonanceLabel_, heightOrResonanceEdit_, kRowTop[1]);
  row(diameterOrWantedLabel_, diameterOrWantedEdit_, kRowTop[2]);
  resultGroup_->setGeometry(kMargin / 2, y(kFrame1Top), width - kMargin, y(kFrame1Height));
  auto frameRow = [&](QLabel* caption, QLabel* value, int topTwips) {
    const int valueLeft = boxLeft - resultGroup_->x();
    caption->setGeometry(kMargin + kFrameIndent, y(topTwips), valueLeft - kGap - kMargin - kFrameIndent,
                         rowHeight);
    value->setGeometry(valueLeft, y(topTwips), boxWidth, rowHeight);
  };
  frameRow(slendernessOrLengthCaption_, slendernessOrLengthValue_, kFrameRowTop[0]);
  frameRow(heightShareOrVfCaption_, heightShareOrVfValue_, kFrameRowTop[1]);
  row(estimateOrRadiatorCaption_, estimateOrRadiatorValue_, kRow5Top);
  row(reflectorChangeCaption_, reflectorChangeValue_, kRow6Top);
  row(directorChangeCaption_, directorChangeValue_, kRow7Top);
  calculateButton_->setGeometry(boxLeft, calculateButton_->y(), boxWidth,
                                std::max(calculateButton_->sizeHint().height(), rowHeight));
  printTitleLabel_->setGeometry(kMargin, y(kLabel14Top), width - 2 * kMargin, rowHeight);
  clientArea_->setMinimumWidth(width);
}

// The window's height is the outer height of its frame, title bar included.
void frmVk::SetHeightTwips(int twips) {
  heightTwips_ = twips;
  QWidget* outer = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
  const int border =
      outer == this ? 0 : 2 * outer->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, outer);
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

void frmVk::SetCalculateButtonTop(int twips) {
  calculateButton_->move(calculateButton_->x(), TwipsToPixels(twips, this));
}

}  // namespace zb::ui
