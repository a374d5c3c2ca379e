#include "ui/zusatzdipol/ZusatzDipol.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/beam/BeamFormAccess.h"
#include "core/shared/ModuleState.h"
#include "core/shared/VfWindowState.h"
#include "core/side/CoupledDipolRun.h"
#include "core/side/ZusatzDipolRules.h"
#include "locale/LocaleText.h"
#include "ui/app/Module1.h"
#include "ui/common/Controls.h"
#include "ui/common/HandlerGuard.h"
#include "ui/common/MenuShortcutsFirst.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

namespace {

const QColor kBlue(0, 0, 255);

// A text of the rules shared with the command line, in the program's language.
QString RulesText(const char* text) { return Q(zb::ZusatzDipolText(text)); }

// Room for a frequency like "21,225" or a diameter like "1,5" and a little more.
QLineEdit* NewWideBox(const char* name, const QString& toolTip, QWidget* parent) {
  QLineEdit* box = NewBox(name, toolTip, parent);
  box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000,0000")) + 12);
  return box;
}

// A blue caption beside a result.
QLabel* NewResultCaption(const char* name, const QString& caption, QWidget* parent) {
  QLabel* label = NewLabel(name, caption, parent);
  SetTextColour(label, kBlue);
  return label;
}

// A result in the tooltip colours, as wide as the boxes above it.
QLabel* NewResultLabel(const char* name, const QString& toolTip, QWidget* parent, int width) {
  QLabel* label = NewNotePanel(name, 2, parent);
  label->setToolTip(toolTip);
  label->setFixedWidth(width);
  return label;
}

void AddRow(QGridLayout* grid, QLabel* caption, QWidget* value) {
  const int row = grid->rowCount();
  grid->addWidget(caption, row, 0);
  grid->addWidget(value, row, 1);
}

}  // namespace

ZusatzDipol::ZusatzDipol(Module1& module, QWidget* parent)
    : QWidget(parent),
      module_(module),
      platform_(module.Platform()),
      state_(module.State()),
      guarded_(platform_, state_.Zeilenumbruch) {
  setObjectName(QStringLiteral("ZusatzDipol"));
  setWindowTitle(RulesText(zb::kZusatzDipolTitle));
  setAttribute(Qt::WA_DeleteOnClose);
  BuildControls();
  // Nothing typed ends the program: a failure ends only the handler.
  connect(calculateButton_, &QPushButton::clicked, this,
          [this] { guarded_([this] { OnCalculateClicked(); }); });
  connect(infoButton_, &QPushButton::clicked, this, [this] { guarded_([this] { OnInfoClicked(); }); });
  LetMenuShortcutsComeFirst({wantedFrequencyEdit_, exciterResonanceEdit_, impedanceEdit_, dipoleDiameterEdit_,
                             exciterDiameterEdit_, exciterVfEdit_});
}

// ------------------------------------------------------------------ layout

void ZusatzDipol::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildDipolFrame());
  layout->addWidget(BuildExciterFrame());
  layout->addWidget(BuildButtonRow());
  layout->addStretch(1);
  // "&Rechnen" first, then the additional dipole's boxes, the exciter's, "I&nfo".
  SetTabOrder({calculateButton_, wantedFrequencyEdit_, impedanceEdit_, dipoleDiameterEdit_,
               exciterResonanceEdit_, exciterDiameterEdit_, exciterVfEdit_, infoButton_});
}

QGroupBox* ZusatzDipol::BuildDipolFrame() {
  dipoleGroup_ = NewGroup("Frame1", tr("&Zusatzdipol"), this);
  dipoleGroup_->setToolTip(tr("strahlungsgekoppelt"));
  wantedFrequencyLabel_ = NewLabel("Label1", RulesText(zb::ZusatzDipolBoxCaption(1)), dipoleGroup_);
  wantedFrequencyEdit_ = NewWideBox("Text1", QString(), dipoleGroup_);
  impedanceLabel_ = NewLabel("Label3", RulesText(zb::ZusatzDipolBoxCaption(3)), dipoleGroup_);
  impedanceEdit_ = NewWideBox("Text3", tr("für beide Dipole gleichen Wert verwenden!"), dipoleGroup_);
  dipoleDiameterLabel_ = NewLabel("Label4", RulesText(zb::ZusatzDipolBoxCaption(4)), dipoleGroup_);
  dipoleDiameterEdit_ = NewWideBox("Text4", tr("Leiterdurchmesser"), dipoleGroup_);
  spacingCaption_ = NewResultCaption("Label7", RulesText(zb::kSpacingCaption), dipoleGroup_);
  spacingValue_ = NewResultLabel("Label8", tr("Ergebnis A"), dipoleGroup_, wantedFrequencyEdit_->width());
  lengthCaption_ = NewResultCaption("Label9", RulesText(zb::kLengthCaption), dipoleGroup_);
  lengthValue_ =
      NewResultLabel("Label10", tr("Ergebnis Drahtlänge"), dipoleGroup_, wantedFrequencyEdit_->width());
  wantedFrequencyLabel_->setBuddy(wantedFrequencyEdit_);
  impedanceLabel_->setBuddy(impedanceEdit_);
  dipoleDiameterLabel_->setBuddy(dipoleDiameterEdit_);

  auto* grid = new QGridLayout(dipoleGroup_);
  AddRow(grid, wantedFrequencyLabel_, wantedFrequencyEdit_);
  AddRow(grid, impedanceLabel_, impedanceEdit_);
  AddRow(grid, dipoleDiameterLabel_, dipoleDiameterEdit_);
  AddRow(grid, spacingCaption_, spacingValue_);
  AddRow(grid, lengthCaption_, lengthValue_);
  grid->setColumnStretch(0, 1);
  return dipoleGroup_;
}

QGroupBox* ZusatzDipol::BuildExciterFrame() {
  exciterGroup_ = NewGroup("Frame2", tr("&Erreger-Dipol (Stromsummenantenne o.ä.)"), this);
  exciterGroup_->setToolTip(tr("mit Speisepunkt"));
  exciterResonanceLabel_ = NewLabel("Label2", RulesText(zb::ZusatzDipolBoxCaption(2)), exciterGroup_);
  exciterResonanceEdit_ = NewWideBox("Text2", tr("tiefste Resonanzfrequenz"), exciterGroup_);
  exciterDiameterLabel_ = NewLabel("Label5", RulesText(zb::ZusatzDipolBoxCaption(5)), exciterGroup_);
  exciterDiameterEdit_ = NewWideBox("Text5", tr("Leiterdurchmesser"), exciterGroup_);
  exciterVfLabel_ = NewLabel("Label6", RulesText(zb::ZusatzDipolBoxCaption(6)), exciterGroup_);
  exciterVfEdit_ = NewWideBox("Text6", tr("Vk"), exciterGroup_);
  exciterResonanceLabel_->setBuddy(exciterResonanceEdit_);
  exciterDiameterLabel_->setBuddy(exciterDiameterEdit_);
  exciterVfLabel_->setBuddy(exciterVfEdit_);
  // The result captions have no box of their own: their access keys move on
  // to the next box in the tab order, the exciter's frequency.
  spacingCaption_->setBuddy(exciterResonanceEdit_);
  lengthCaption_->setBuddy(exciterResonanceEdit_);

  auto* grid = new QGridLayout(exciterGroup_);
  AddRow(grid, exciterResonanceLabel_, exciterResonanceEdit_);
  AddRow(grid, exciterDiameterLabel_, exciterDiameterEdit_);
  AddRow(grid, exciterVfLabel_, exciterVfEdit_);
  grid->setColumnStretch(0, 1);
  return exciterGroup_;
}

QWidget* ZusatzDipol::BuildButtonRow() {
  auto* row = new QWidget(this);
  infoButton_ = new QPushButton(tr("I&nfo"), row);
  infoButton_->setObjectName(QStringLiteral("Command2"));
  calculateButton_ = new QPushButton(tr("&Rechnen"), row);
  calculateButton_->setObjectName(QStringLiteral("Command1"));
  calculateButton_->setToolTip(tr("Aktion"));
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(infoButton_);
  layout->addStretch(1);
  layout->addWidget(calculateButton_);
  return row;
}

// ------------------------------------------------------------------ events

void ZusatzDipol::Form_Load() {
  auto& beamForm = module_.WindowAs<zb::BeamFormAccess>(window_class::kBeamForm);
  const zb::ZusatzDipolLoadedTexts loaded = zb::LoadedZusatzDipolTexts(
      module_.VelocityFactorWindow(), beamForm.VelocityFactorText(), beamForm.ConductorDiameterText());
  wantedFrequencyEdit_->setText(Q(loaded.wantedFrequency));
  exciterResonanceEdit_->setText(Q(loaded.exciterResonance));
  impedanceEdit_->setText(Q(loaded.impedance));
  dipoleDiameterEdit_->setText(Q(loaded.dipoleDiameter));
  exciterDiameterEdit_->setText(Q(loaded.exciterDiameter));
  exciterVfEdit_->setText(Q(loaded.exciterVf));
  SetSpacing("");
  SetLength("");
  calculateButton_->setFocus(Qt::OtherFocusReason);  // it has the focus once the window shows
}

void ZusatzDipol::OnCalculateClicked() {
  zb::RunCoupledDipol(*this, module_.VelocityFactorWindow(), state_, platform_);
}

void ZusatzDipol::OnInfoClicked() {
  platform_.MessageBox(zb::ZusatzDipolInfoText(state_.Zeilenumbruch), zb::MsgButtons::Ok,
                       zb::MsgIcon::Information, zb::ZusatzDipolText(zb::kZusatzDipolInfoTitle));
}

// ------------------------------------------------ ZusatzDipolFormAccess

QLineEdit* ZusatzDipol::Box(int number) const {
  const std::array<QLineEdit*, 6> boxes = {wantedFrequencyEdit_, exciterResonanceEdit_, impedanceEdit_,
                                           dipoleDiameterEdit_,  exciterDiameterEdit_,  exciterVfEdit_};
  return boxes.at(static_cast<std::size_t>(number - 1));
}

std::string ZusatzDipol::WantedFrequencyText() { return U8(wantedFrequencyEdit_->text()); }
std::string ZusatzDipol::ExciterResonanceText() { return U8(exciterResonanceEdit_->text()); }
std::string ZusatzDipol::ImpedanceText() { return U8(impedanceEdit_->text()); }
std::string ZusatzDipol::DipoleDiameterText() { return U8(dipoleDiameterEdit_->text()); }
std::string ZusatzDipol::ExciterDiameterText() { return U8(exciterDiameterEdit_->text()); }
std::string ZusatzDipol::ExciterVfText() { return U8(exciterVfEdit_->text()); }
void ZusatzDipol::SetDipoleDiameterText(const std::string& text) { dipoleDiameterEdit_->setText(Q(text)); }
void ZusatzDipol::SetExciterDiameterText(const std::string& text) { exciterDiameterEdit_->setText(Q(text)); }
void ZusatzDipol::SetExciterVfText(const std::string& text) { exciterVfEdit_->setText(Q(text)); }
void ZusatzDipol::SetSpacing(const std::string& caption) { spacingValue_->setText(Q(caption)); }
void ZusatzDipol::SetLength(const std::string& caption) { lengthValue_->setText(Q(caption)); }
void ZusatzDipol::Focus(zb::ZusatzDipolBox box) {
  Box(static_cast<int>(box))->setFocus(Qt::OtherFocusReason);
}

}  // namespace zb::ui
