#include "ui/zusatzdipol/ZusatzDipol.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/beam/BeamFormAccess.h"
#include "core/side/CoupledDipolRun.h"
#include "core/shared/ModuleState.h"
#include "core/shared/VfWindowState.h"
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

// Room for a frequency like "21,225" or a diameter like "1,5" and a little more.
QLineEdit* NewWideBox(const char* name, const char* toolTip, QWidget* parent) {
  QLineEdit* box = NewBox(name, toolTip, parent);
  box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000,0000")) + 12);
  return box;
}

// A blue caption beside a result.
QLabel* NewResultCaption(const char* name, const char* caption, QWidget* parent) {
  QLabel* label = NewLabel(name, caption, parent);
  SetTextColour(label, kBlue);
  return label;
}

// A result in the tooltip colours, as wide as the boxes above it.
QLabel* NewResultLabel(const char* name, const char* toolTip, QWidget* parent, int width) {
  QLabel* label = NewNotePanel(name, 2, parent);
  label->setToolTip(QString::fromUtf8(toolTip));
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
  setWindowTitle(QString::fromUtf8(zb::kZusatzDipolTitle));
  setAttribute(Qt::WA_DeleteOnClose);
  BuildControls();
  // Nothing typed ends the program: a failure ends only the handler.
  connect(Command1, &QPushButton::clicked, this, [this] { guarded_([this] { Command1_Click(); }); });
  connect(Command2, &QPushButton::clicked, this, [this] { guarded_([this] { Command2_Click(); }); });
  LetMenuShortcutsComeFirst({Text1, Text2, Text3, Text4, Text5, Text6});
}

// ------------------------------------------------------------------ layout

void ZusatzDipol::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildDipolFrame());
  layout->addWidget(BuildExciterFrame());
  layout->addWidget(BuildButtonRow());
  layout->addStretch(1);
  // "&Rechnen" first, then the additional dipole's boxes, the exciter's, "I&nfo".
  SetTabOrder({Command1, Text1, Text3, Text4, Text2, Text5, Text6, Command2});
}

QGroupBox* ZusatzDipol::BuildDipolFrame() {
  Frame1 = NewGroup("Frame1", "&Zusatzdipol", this);
  Frame1->setToolTip(QStringLiteral("strahlungsgekoppelt"));
  Label1 = NewLabel("Label1", zb::ZusatzDipolBoxCaption(1), Frame1);
  Text1 = NewWideBox("Text1", nullptr, Frame1);
  Label3 = NewLabel("Label3", zb::ZusatzDipolBoxCaption(3), Frame1);
  Text3 = NewWideBox("Text3", "für beide Dipole gleichen Wert verwenden!", Frame1);
  Label4 = NewLabel("Label4", zb::ZusatzDipolBoxCaption(4), Frame1);
  Text4 = NewWideBox("Text4", "Leiterdurchmesser", Frame1);
  Label7 = NewResultCaption("Label7", zb::kSpacingCaption, Frame1);
  Label8 = NewResultLabel("Label8", "Ergebnis A", Frame1, Text1->width());
  Label9 = NewResultCaption("Label9", zb::kLengthCaption, Frame1);
  Label10 = NewResultLabel("Label10", "Ergebnis Drahtlänge", Frame1, Text1->width());
  Label1->setBuddy(Text1);
  Label3->setBuddy(Text3);
  Label4->setBuddy(Text4);

  auto* grid = new QGridLayout(Frame1);
  AddRow(grid, Label1, Text1);
  AddRow(grid, Label3, Text3);
  AddRow(grid, Label4, Text4);
  AddRow(grid, Label7, Label8);
  AddRow(grid, Label9, Label10);
  grid->setColumnStretch(0, 1);
  return Frame1;
}

QGroupBox* ZusatzDipol::BuildExciterFrame() {
  Frame2 = NewGroup("Frame2", "&Erreger-Dipol (Stromsummenantenne o.ä.)", this);
  Frame2->setToolTip(QStringLiteral("mit Speisepunkt"));
  Label2 = NewLabel("Label2", zb::ZusatzDipolBoxCaption(2), Frame2);
  Text2 = NewWideBox("Text2", "tiefste Resonanzfrequenz", Frame2);
  Label5 = NewLabel("Label5", zb::ZusatzDipolBoxCaption(5), Frame2);
  Text5 = NewWideBox("Text5", "Leiterdurchmesser", Frame2);
  Label6 = NewLabel("Label6", zb::ZusatzDipolBoxCaption(6), Frame2);
  Text6 = NewWideBox("Text6", "Vk", Frame2);
  Label2->setBuddy(Text2);
  Label5->setBuddy(Text5);
  Label6->setBuddy(Text6);
  // The result captions have no box of their own: their access keys move on
  // to the next box in the tab order, the exciter's frequency.
  Label7->setBuddy(Text2);
  Label9->setBuddy(Text2);

  auto* grid = new QGridLayout(Frame2);
  AddRow(grid, Label2, Text2);
  AddRow(grid, Label5, Text5);
  AddRow(grid, Label6, Text6);
  grid->setColumnStretch(0, 1);
  return Frame2;
}

QWidget* ZusatzDipol::BuildButtonRow() {
  auto* row = new QWidget(this);
  Command2 = new QPushButton(QStringLiteral("I&nfo"), row);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command1 = new QPushButton(QStringLiteral("&Rechnen"), row);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setToolTip(QStringLiteral("Aktion"));
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Command2);
  layout->addStretch(1);
  layout->addWidget(Command1);
  return row;
}

// ------------------------------------------------------------------ events

void ZusatzDipol::Form_Load() {
  auto& beamForm = module_.WindowAs<zb::BeamFormAccess>(window_class::kBeamForm);
  const zb::ZusatzDipolLoadedTexts loaded = zb::LoadedZusatzDipolTexts(
      module_.VelocityFactorWindow(), beamForm.VelocityFactorText(), beamForm.ConductorDiameterText());
  Text1->setText(Q(loaded.text1));
  Text2->setText(Q(loaded.text2));
  Text3->setText(Q(loaded.text3));
  Text4->setText(Q(loaded.text4));
  Text5->setText(Q(loaded.text5));
  Text6->setText(Q(loaded.text6));
  SetSpacing("");
  SetLength("");
  Command1->setFocus(Qt::OtherFocusReason);  // it has the focus once the window shows
}

void ZusatzDipol::Command1_Click() {
  zb::RunCoupledDipol(*this, module_.VelocityFactorWindow(), state_, platform_);
}

void ZusatzDipol::Command2_Click() {
  platform_.MessageBox(zb::ZusatzDipolInfoText(state_.Zeilenumbruch), zb::MsgButtons::Ok,
                       zb::MsgIcon::Information, zb::kZusatzDipolInfoTitle);
}

// ------------------------------------------------ ZusatzDipolFormAccess

QLineEdit* ZusatzDipol::Box(int number) const {
  const std::array<QLineEdit*, 6> boxes = {Text1, Text2, Text3, Text4, Text5, Text6};
  return boxes.at(static_cast<std::size_t>(number - 1));
}

std::string ZusatzDipol::WantedFrequencyText() { return U8(Text1->text()); }
std::string ZusatzDipol::ExciterResonanceText() { return U8(Text2->text()); }
std::string ZusatzDipol::ImpedanceText() { return U8(Text3->text()); }
std::string ZusatzDipol::DipoleDiameterText() { return U8(Text4->text()); }
std::string ZusatzDipol::ExciterDiameterText() { return U8(Text5->text()); }
std::string ZusatzDipol::ExciterVfText() { return U8(Text6->text()); }
void ZusatzDipol::SetDipoleDiameterText(const std::string& text) { Text4->setText(Q(text)); }
void ZusatzDipol::SetExciterDiameterText(const std::string& text) { Text5->setText(Q(text)); }
void ZusatzDipol::SetExciterVfText(const std::string& text) { Text6->setText(Q(text)); }
void ZusatzDipol::SetSpacing(const std::string& caption) { Label8->setText(Q(caption)); }
void ZusatzDipol::SetLength(const std::string& caption) { Label10->setText(Q(caption)); }
void ZusatzDipol::Focus(zb::ZusatzDipolBox box) {
  Box(static_cast<int>(box))->setFocus(Qt::OtherFocusReason);
}

}  // namespace zb::ui
