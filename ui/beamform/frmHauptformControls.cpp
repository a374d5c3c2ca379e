// The beam form's controls and their layout.

#include "ui/beamform/frmHauptform.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/beam/BeamFormRules.h"
#include "core/beam/CalculateBeam.h"
#include "core/numbers/Cp1252.h"
#include "core/beam/Insulation.h"
#include "core/numbers/NumberText.h"
#include "core/shared/VfWindowState.h"
#include "locale/LocaleText.h"
#include "report/ResultReport.h"
#include "ui/app/FrameWindow.h"
#include "ui/app/Module1.h"
#include "ui/common/BoxText.h"
#include "ui/common/Controls.h"
#include "ui/common/FrameActivation.h"
#include "ui/common/HandlerGuard.h"
#include "ui/common/MenuShortcutsFirst.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

namespace {

// A box of the form: the user types at most maxLength characters into it.
QLineEdit* NewLimitedBox(const char* name, std::size_t maxLength, const char* toolTip, QWidget* parent) {
  QLineEdit* box = NewBox(name, toolTip, parent);
  LimitTypedLength(box, static_cast<int>(maxLength));
  return box;
}

QFrame* NewLine(const char* name, QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setObjectName(QString::fromUtf8(name));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

// ------------------------------------------------------------------ layout

void frmHauptform::BuildControls() {
  auto* top = new QGridLayout;
  top->addWidget(BuildFrequencyGroup(), 0, 0);
  top->addWidget(BuildSegmentGroup(), 1, 0);
  top->addWidget(BuildBandGroup(), 0, 1, 2, 1);
  top->setColumnStretch(0, 1);
  top->setColumnStretch(1, 1);

  Info = NewNotePanel("Info", 4, this);
  Info->setText(QString::fromUtf8(zb::kBeamFormEntries.info));
  Info->setWordWrap(true);
  Info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Info->setFont(TahomaFont());
  // Room for the summary's seven lines without wrapping its longest one.
  const QString longestLine = QStringLiteral(
      "Berechnet für die Resonanzfrequenz = 144,0 MHz / Bauvariante: drei Querträger ohne Spannseil");
  Info->setMinimumWidth(Info->fontMetrics().horizontalAdvance(longestLine) + 2 * Info->margin() + 8);
  Info->setMinimumHeight(Info->fontMetrics().lineSpacing() * 7 + 2 * Info->margin() + 8);
  Info->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::MinimumExpanding);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(BuildVelocityFactorRow());
  layout->addWidget(BuildInsulationGroup());
  layout->addLayout(BuildButtonRow());
  layout->addWidget(Info, 1);

  // Tab order: frequency, bands, segments, velocity factor, insulation, buttons.
  SetTabOrder({Text1, Option2[0], Option1[0], Text4, VkSteller, Combo1, Text6, Text7, Command1, Command2});
}

QGroupBox* frmHauptform::BuildFrequencyGroup() {
  Frame3 = NewGroup("Frame3", "Resonanzfrequenz [MHz]:", this);
  Label1 = NewLabel("Label1", "Gesamt Beam :", Frame3);
  Text1 = NewLimitedBox("Text1", zb::kFrequencyLength, nullptr, Frame3);
  Label1->setBuddy(Text1);
  SetBoxText(Text1, Q(zb::kBeamFormEntries.frequency));
  auto* row = new QHBoxLayout(Frame3);
  row->addWidget(Label1);
  row->addWidget(Text1, 1);
  return Frame3;
}

QGroupBox* frmHauptform::BuildBandGroup() {
  Frame2 = NewGroup("Frame2", "Antenne berechnen für &Band [MHz]:", this);
  auto* grid = new QGridLayout(Frame2);
  for (std::size_t i = 0; i < Option2.size(); ++i) {
    Option2[i] = new QRadioButton(QString::fromUtf8(kBandCaptions[i]), Frame2);
    Option2[i]->setObjectName(QStringLiteral("Option2(%1)").arg(i));
    grid->addWidget(Option2[i], static_cast<int>(i % 6), static_cast<int>(i / 6));
  }
  Option2[zb::kBeamFormEntries.option2]->setChecked(true);
  return Frame2;
}

QGroupBox* frmHauptform::BuildSegmentGroup() {
  Frame1 = NewGroup("Frame1", "&Resonanz im Band für:", this);
  auto* column = new QVBoxLayout(Frame1);
  for (std::size_t i = 0; i < Option1.size(); ++i) {
    Option1[i] = new QRadioButton(QString::fromUtf8(kSegmentCaptions[i]), Frame1);
    Option1[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
    column->addWidget(Option1[i]);
  }
  Option1[zb::kBeamFormEntries.option1]->setChecked(true);
  return Frame1;
}

// The row's controls are the form's own, as a screen reader lists them.
QHBoxLayout* frmHauptform::BuildVelocityFactorRow() {
  Label7 = NewLabel("Label7", "&Verkürzungsfaktor:", this);
  Text4 = NewLimitedBox("Text4", zb::kVelocityFactorLength, " aus Schlankheitsgrad u. Antennenhöhe ", this);
  SetBoxText(Text4, Q(zb::kBeamFormEntries.velocityFactor));
  QFont bold = Text4->font();
  bold.setBold(true);
  Text4->setFont(bold);
  Label7->setBuddy(Text4);
  VkSteller = new QScrollBar(Qt::Vertical, this);
  VkSteller->setObjectName(QStringLiteral("VkSteller"));
  VkSteller->setRange(0, kSpinnerMax);
  VkSteller->setSingleStep(1);
  VkSteller->setPageStep(1);
  VkSteller->setFocusPolicy(Qt::StrongFocus);
  VkSteller->setFixedHeight(Text4->sizeHint().height());
  NameAfterCaption(VkSteller, Label7);
  auto* layout = new QHBoxLayout;
  layout->addWidget(Label7);
  layout->addWidget(Text4);
  layout->setSpacing(0);
  layout->addWidget(VkSteller);
  layout->addStretch(1);
  Label7->setContentsMargins(0, 0, 6, 0);
  return layout;
}

QGroupBox* frmHauptform::BuildInsulationGroup() {
  Frame5 = NewGroup("Frame5", "Draht&isolierung:", this);
  Frame5->setToolTip(QStringLiteral("für zusätzlichen Verkürzungsfaktor bei isoliertem Draht"));
  Label8 = NewLabel("Label8", "relative &Dielektrizitätszahl :", Frame5);
  Combo1 = new QComboBox(Frame5);
  Combo1->setObjectName(QStringLiteral("Combo1"));
  Combo1->setEditable(true);
  Combo1->setInsertPolicy(QComboBox::NoInsert);
  Combo1->setCompleter(nullptr);  // what is typed stays as typed
  Combo1->setToolTip(QStringLiteral(" Isolier-Material "));
  Combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  Label8->setBuddy(Combo1);
  NameAfterCaption(Combo1->lineEdit(), Label8);
  Label9 = NewLabel("Label9", "Durchmesser [mm]", Frame5);
  Label10 = NewLabel("Label10", "Aussen:", Frame5);
  Text6 = NewLimitedBox("Text6", zb::kDiameterLength, " Gesamtdurchmesser ", Frame5);
  Label11 = NewLabel("Label11", "Leiter:", Frame5);
  Text7 = NewLimitedBox("Text7", zb::kDiameterLength, " Drahtdurchmesser ", Frame5);
  Label10->setBuddy(Text6);
  Label11->setBuddy(Text7);

  auto* grid = new QGridLayout(Frame5);
  grid->addWidget(Label8, 0, 0);
  grid->addWidget(Combo1, 0, 1, 1, 4);
  grid->addWidget(NewLine("Line3", Frame5), 1, 0, 1, 5);
  grid->addWidget(Label9, 2, 0);
  grid->addWidget(Label10, 2, 1, Qt::AlignRight);
  grid->addWidget(Text6, 2, 2);
  grid->addWidget(Label11, 2, 3, Qt::AlignRight);
  grid->addWidget(Text7, 2, 4);
  grid->addWidget(NewLine("Line4", Frame5), 3, 0, 1, 5);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(4, 1);
  SetDiametersEnabled(false);
  return Frame5;
}

QHBoxLayout* frmHauptform::BuildButtonRow() {
  Command1 = new QPushButton(QStringLiteral("&Rechnen"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setToolTip(QStringLiteral(" Berechnung durchführen  "));
  Command1->setDefault(true);
  Command2 = new QPushButton(QStringLiteral("&Anzeigen"), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command2->setToolTip(QStringLiteral(" Ergebnisse anzeigen "));
  Command2->setEnabled(false);
  auto* layout = new QHBoxLayout;
  layout->addStretch(1);
  layout->addWidget(Command1);
  layout->addWidget(Command2);
  return layout;
}

}  // namespace zb::ui
