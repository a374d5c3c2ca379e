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
#include "core/side/VkFormRules.h"
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
  connect(Command1, &QPushButton::clicked, this, [this] { guarded_([this] { Command1_Click(); }); });
  connect(mnuVkübernehmen, &QAction::triggered, this,
          [this] { guarded_([this] { mnuVkübernehmen_Click(); }); });
  connect(mnuErdbodenKor, &QAction::triggered, this,
          [this] { guarded_([this] { mnuErdbodenKor_Click(); }); });
  Label9->installEventFilter(this);
  LetMenuShortcutsComeFirst({Text1, Text2, Text3});
}

bool frmVk::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label9 && event->type() == QEvent::MouseButtonDblClick)
    guarded_([this] { Label9_DblClick(); });
  return QWidget::eventFilter(watched, event);
}

BeamFormBoxes& frmVk::BeamForm() { return module_.WindowAs<BeamFormBoxes>(window_class::kBeamForm); }

// ------------------------------------------------------------------ opening

void frmVk::OpenInVfMode() {
  for (QLabel* label : {Label10, Label11, Label12, Label13}) label->hide();
  Label14->setText(QString::fromUtf8(zb::VfModeTexts().label14));
  SetHeightTwips(zb::VfModeTexts().heightTwips);
  PlaceOnFirstShowing();
  module_.Frame().ShowChildWindow(this);
}

void frmVk::OpenInPruningMode() {
  const zb::VkModeTexts& pruning = zb::PruningModeTexts();
  SetHeightTwips(pruning.heightTwips);
  ApplyModeTexts(pruning);  // title, captions, tooltips; the options menu goes
  Label14->setText(QString::fromUtf8(pruning.label14));
  SetTag(zb::kVkTagClosed);
  for (QLabel* label : {Label7, Label5, Label9, Label13}) label->clear();
  Text2->clear();
  Text3->clear();
  for (QLabel* label : {Label10, Label11, Label12, Label13}) label->show();
  Text1->clear();  // all three boxes start empty
  SetCommand1Top(zb::Command1TopAboveBottom(heightTwips_));
  PlaceOnFirstShowing();
  module_.Frame().ShowChildWindow(this);
}

// ------------------------------------------------------------------- events

void frmVk::Form_Load() {
  const zb::VkLoadedTexts loaded =
      zb::LoadedVkTexts(BeamForm().FrequencyText(), BeamForm().ConductorDiameterText());
  SetTag(loaded.tag);
  Text1->setText(Q(loaded.text1));
  Text2->setText(Q(loaded.text2));
  Text3->setText(Q(loaded.text3));
  for (QLabel* label : {Label5, Label7, Label9, Label11, Label13}) label->clear();
  mnuErdbodenKor->setChecked(false);
  SetCommand1Top(zb::Command1TopAboveBottom(heightTwips_));

  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->setAttribute(Qt::WA_DeleteOnClose);
  OnActivatedInFrame(this, [this] { guarded_([this] { Form_Activate(); }); });
}

void frmVk::Form_Activate() { SetCommand1Top(zb::Command1Top(Title(), heightTwips_)); }

void frmVk::Form_Unload() {
  if (Title() == zb::kPruningTitle) module_.State().PruningFensterAnzahl = 0;
  SetTag(zb::kVkTagClosed);
}

void frmVk::closeEvent(QCloseEvent* event) {
  guarded_([this] { Form_Unload(); });
  event->accept();
}

void frmVk::Command1_Click() {
  if (zb::IsVfMode(Title()))
    zb::RunVfEstimation(*this, module_.State(), module_.Platform());
  else
    zb::RunPruning(*this, module_.State(), module_.Platform());
}

// The handover belongs to the velocity-factor window: in the pruning window
// Label9 holds a length change, which is no velocity factor for the beam form.
void frmVk::Label9_DblClick() {
  if (zb::IsVfMode(Title())) zb::HandOverVf(*this);
}

// Qt has toggled the check mark already.
void frmVk::mnuVkübernehmen_Click() {
  if (mnuVkübernehmen->isChecked()) zb::HandOverVf(*this);
}

// The next estimate reads the check mark, and so does the beam run while the
// window is "Aktiv".
void frmVk::mnuErdbodenKor_Click() {}

}  // namespace zb::ui
