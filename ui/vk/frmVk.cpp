#include "ui/vk/frmVk.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "core/shared/ModuleState.h"
#include "core/shared/Platform.h"
#include "core/side/PruningRun.h"
#include "core/side/VfEstimationRun.h"
#include "core/side/VfFormRules.h"
#include "locale/LocaleText.h"
#include "ui/app/BeamFormBoxes.h"
#include "ui/app/FrameWindow.h"
#include "ui/app/Module1.h"
#include "ui/common/FrameActivation.h"
#include "ui/common/HandlerGuard.h"
#include "ui/common/MenuShortcutsFirst.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

frmVk::frmVk(Module1& module)
    : module_(module),
      guarded_(module.Platform(), module.State().Zeilenumbruch),
      heightTwips_(zb::VfModeTexts().heightTwips) {
  setObjectName(QStringLiteral("frmVk"));
  setAttribute(Qt::WA_DeleteOnClose);  // closing unloads the window
  BuildControls();
  ConnectEvents();
}

void frmVk::ConnectEvents() {
  connect(calculateButton_, &QPushButton::clicked, this,
          [this] { guarded_([this] { OnCalculateClicked(); }); });
  connect(takeOverVfAction_, &QAction::triggered, this,
          [this] { guarded_([this] { OnTakeOverVfClicked(); }); });
  // "&Erdbodenkorrektur" needs no handler: the next estimate reads its check
  // mark, and so does the beam run while the window holds an estimate.
  estimateOrRadiatorValue_->installEventFilter(this);
  LetMenuShortcutsComeFirst({frequencyOrLengthEdit_, heightOrResonanceEdit_, diameterOrWantedEdit_});
}

bool frmVk::eventFilter(QObject* watched, QEvent* event) {
  if (watched == estimateOrRadiatorValue_ && event->type() == QEvent::MouseButtonDblClick)
    guarded_([this] { OnEstimateDoubleClicked(); });
  return QWidget::eventFilter(watched, event);
}

BeamFormBoxes& frmVk::BeamForm() { return module_.WindowAs<BeamFormBoxes>(window_class::kBeamForm); }

// ------------------------------------------------------------------ opening

void frmVk::OpenInVfMode() {
  for (QLabel* label :
       {reflectorChangeCaption_, reflectorChangeValue_, directorChangeCaption_, directorChangeValue_})
    label->hide();
  printTitleLabel_->setText(Q(zb::VfWindowText(zb::VfModeTexts().printTitle)));
  SetHeightTwips(zb::VfModeTexts().heightTwips);
  PlaceOnFirstShowing();
  module_.Frame().ShowChildWindow(this);
}

void frmVk::OpenInPruningMode() {
  mode_ = zb::VfWindowMode::Pruning;
  const zb::VfWindowModeTexts& pruning = zb::PruningModeTexts();
  SetHeightTwips(pruning.heightTwips);
  ApplyModeTexts(pruning);  // title, captions, tooltips; the options menu goes
  printTitleLabel_->setText(Q(zb::VfWindowText(pruning.printTitle)));
  SetStatus(zb::VfWindowStatus::Empty);
  for (QLabel* label :
       {slendernessOrLengthValue_, heightShareOrVfValue_, estimateOrRadiatorValue_, directorChangeValue_})
    label->clear();
  heightOrResonanceEdit_->clear();
  diameterOrWantedEdit_->clear();
  for (QLabel* label :
       {reflectorChangeCaption_, reflectorChangeValue_, directorChangeCaption_, directorChangeValue_})
    label->show();
  frequencyOrLengthEdit_->clear();  // all three boxes start empty
  SetCalculateButtonTop(zb::CalculateButtonTopAboveBottom(heightTwips_));
  PlaceOnFirstShowing();
  module_.Frame().ShowChildWindow(this);
}

// ------------------------------------------------------------------- events

void frmVk::Form_Load() {
  const zb::VfWindowLoadedTexts loaded =
      zb::LoadedVfWindowTexts(BeamForm().FrequencyText(), BeamForm().ConductorDiameterText());
  SetStatus(loaded.status);
  frequencyOrLengthEdit_->setText(Q(loaded.frequencyOrLength));
  heightOrResonanceEdit_->setText(Q(loaded.heightOrResonance));
  diameterOrWantedEdit_->setText(Q(loaded.diameterOrWanted));
  for (QLabel* label : {heightShareOrVfValue_, slendernessOrLengthValue_, estimateOrRadiatorValue_,
                        reflectorChangeValue_, directorChangeValue_})
    label->clear();
  groundCorrectionAction_->setChecked(false);
  SetCalculateButtonTop(zb::CalculateButtonTopAboveBottom(heightTwips_));

  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->setAttribute(Qt::WA_DeleteOnClose);
  OnActivatedInFrame(this, [this] { guarded_([this] { Form_Activate(); }); });
}

void frmVk::Form_Activate() { SetCalculateButtonTop(zb::CalculateButtonTop(mode_, heightTwips_)); }

void frmVk::Form_Unload() {
  if (mode_ == zb::VfWindowMode::Pruning) module_.State().PruningFensterAnzahl = 0;
  SetStatus(zb::VfWindowStatus::Empty);
}

void frmVk::closeEvent(QCloseEvent* event) {
  guarded_([this] { Form_Unload(); });
  event->accept();
}

void frmVk::OnCalculateClicked() {
  if (mode_ == zb::VfWindowMode::Estimate)
    zb::RunVfEstimation(*this, module_.State(), module_.Platform());
  else
    zb::RunPruning(*this, module_.State(), module_.Platform());
}

// The handover belongs to the velocity-factor window: in the pruning window
// estimateOrRadiatorValue_ holds a length change, which is no velocity factor for the beam form.
void frmVk::OnEstimateDoubleClicked() {
  if (mode_ == zb::VfWindowMode::Estimate) zb::HandOverVf(*this);
}

// Qt has toggled the check mark already.
void frmVk::OnTakeOverVfClicked() {
  if (takeOverVfAction_->isChecked()) zb::HandOverVf(*this);
}

}  // namespace zb::ui
