// The beam form's controls and their layout.

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/beam/BeamFormRules.h"
#include "core/beam/CalculateBeam.h"
#include "core/shared/Translate.h"
#include "locale/LocaleText.h"
#include "ui/app/FrameWindow.h"
#include "ui/app/Module1.h"
#include "ui/beamform/frmHauptform.h"
#include "ui/common/BoxText.h"
#include "ui/common/Controls.h"
#include "ui/common/FrameActivation.h"
#include "ui/common/MenuShortcutsFirst.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

namespace {

// A box of the form: the user types at most maxLength characters into it.
QLineEdit* NewLimitedBox(const char* name, std::size_t maxLength, const QString& toolTip, QWidget* parent) {
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

  noteLabel_ = NewNotePanel("Info", 4, this);
  noteLabel_->setText(Q(zb::Tr("BeamForm", zb::kBeamFormEntries.info)));
  noteLabel_->setWordWrap(true);
  noteLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  noteLabel_->setFont(TahomaFont());
  // Room for the summary's seven lines without wrapping its longest one, the
  // first at 144,0 MHz with three spreaders, in the language shown.
  const std::string summary = zb::BeamSummary(144.0f, zb::BeamDimensions{}, true, "\n");
  const QString longestLine = Q(summary.substr(0, summary.find('\n')));
  noteLabel_->setMinimumWidth(noteLabel_->fontMetrics().horizontalAdvance(longestLine) +
                              2 * noteLabel_->margin() + 8);
  noteLabel_->setMinimumHeight(noteLabel_->fontMetrics().lineSpacing() * 7 + 2 * noteLabel_->margin() + 8);
  noteLabel_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::MinimumExpanding);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(BuildVelocityFactorRow());
  layout->addWidget(BuildInsulationGroup());
  layout->addLayout(BuildButtonRow());
  layout->addWidget(noteLabel_, 1);

  // Tab order: frequency, bands, segments, velocity factor, insulation, buttons.
  SetTabOrder({frequencyEdit_, bandButtons_[0], segmentButtons_[0], velocityFactorEdit_,
               velocityFactorSpinner_, insulationCombo_, outerDiameterEdit_, conductorDiameterEdit_,
               calculateButton_, showButton_});
}

QGroupBox* frmHauptform::BuildFrequencyGroup() {
  frequencyGroup_ = NewGroup("Frame3", tr("Resonanzfrequenz [MHz]:"), this);
  frequencyLabel_ = NewLabel("Label1", tr("Gesamt Beam :"), frequencyGroup_);
  frequencyEdit_ = NewLimitedBox("Text1", zb::kFrequencyLength, QString(), frequencyGroup_);
  frequencyLabel_->setBuddy(frequencyEdit_);
  SetBoxText(frequencyEdit_, Q(zb::kBeamFormEntries.frequency));
  auto* row = new QHBoxLayout(frequencyGroup_);
  row->addWidget(frequencyLabel_);
  row->addWidget(frequencyEdit_, 1);
  return frequencyGroup_;
}

QGroupBox* frmHauptform::BuildBandGroup() {
  bandGroup_ = NewGroup("Frame2", tr("Antenne berechnen für &Band [MHz]:"), this);
  auto* grid = new QGridLayout(bandGroup_);
  for (std::size_t i = 0; i < bandButtons_.size(); ++i) {
    bandButtons_[i] = new QRadioButton(Q(zb::Tr("BeamForm", kBandCaptions[i])), bandGroup_);
    bandButtons_[i]->setObjectName(QStringLiteral("Option2(%1)").arg(i));
    grid->addWidget(bandButtons_[i], static_cast<int>(i % 6), static_cast<int>(i / 6));
  }
  bandButtons_[zb::kBeamFormEntries.band]->setChecked(true);
  return bandGroup_;
}

QGroupBox* frmHauptform::BuildSegmentGroup() {
  segmentGroup_ = NewGroup("Frame1", tr("&Resonanz im Band für:"), this);
  auto* column = new QVBoxLayout(segmentGroup_);
  for (std::size_t i = 0; i < segmentButtons_.size(); ++i) {
    segmentButtons_[i] = new QRadioButton(Q(zb::Tr("BeamForm", kSegmentCaptions[i])), segmentGroup_);
    segmentButtons_[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
    column->addWidget(segmentButtons_[i]);
  }
  segmentButtons_[zb::kBeamFormEntries.segment]->setChecked(true);
  return segmentGroup_;
}

// The row's controls are the form's own, as a screen reader lists them.
QHBoxLayout* frmHauptform::BuildVelocityFactorRow() {
  velocityFactorLabel_ = NewLabel("Label7", tr("&Verkürzungsfaktor:"), this);
  velocityFactorEdit_ =
      NewLimitedBox("Text4", zb::kVelocityFactorLength, tr(" aus Schlankheitsgrad u. Antennenhöhe "), this);
  SetBoxText(velocityFactorEdit_, Q(zb::kBeamFormEntries.velocityFactor));
  QFont bold = velocityFactorEdit_->font();
  bold.setBold(true);
  velocityFactorEdit_->setFont(bold);
  velocityFactorLabel_->setBuddy(velocityFactorEdit_);
  velocityFactorSpinner_ = new QScrollBar(Qt::Vertical, this);
  velocityFactorSpinner_->setObjectName(QStringLiteral("VkSteller"));
  velocityFactorSpinner_->setRange(0, kSpinnerMax);
  velocityFactorSpinner_->setSingleStep(1);
  velocityFactorSpinner_->setPageStep(1);
  velocityFactorSpinner_->setFocusPolicy(Qt::StrongFocus);
  velocityFactorSpinner_->setFixedHeight(velocityFactorEdit_->sizeHint().height());
  NameAfterCaption(velocityFactorSpinner_, velocityFactorLabel_);
  auto* layout = new QHBoxLayout;
  layout->addWidget(velocityFactorLabel_);
  layout->addWidget(velocityFactorEdit_);
  layout->setSpacing(0);
  layout->addWidget(velocityFactorSpinner_);
  layout->addStretch(1);
  velocityFactorLabel_->setContentsMargins(0, 0, 6, 0);
  return layout;
}

QGroupBox* frmHauptform::BuildInsulationGroup() {
  insulationGroup_ = NewGroup("Frame5", tr("Draht&isolierung:"), this);
  insulationGroup_->setToolTip(tr("für zusätzlichen Verkürzungsfaktor bei isoliertem Draht"));
  permittivityLabel_ = NewLabel("Label8", tr("relative &Dielektrizitätszahl :"), insulationGroup_);
  insulationCombo_ = new QComboBox(insulationGroup_);
  insulationCombo_->setObjectName(QStringLiteral("Combo1"));
  insulationCombo_->setEditable(true);
  insulationCombo_->setInsertPolicy(QComboBox::NoInsert);
  insulationCombo_->setCompleter(nullptr);  // what is typed stays as typed
  insulationCombo_->setToolTip(tr(" Isolier-Material "));
  insulationCombo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  permittivityLabel_->setBuddy(insulationCombo_);
  NameAfterCaption(insulationCombo_->lineEdit(), permittivityLabel_);
  diameterLabel_ = NewLabel("Label9", tr("Durchmesser [mm]"), insulationGroup_);
  outerDiameterLabel_ = NewLabel("Label10", tr("Aussen:"), insulationGroup_);
  outerDiameterEdit_ =
      NewLimitedBox("Text6", zb::kDiameterLength, tr(" Gesamtdurchmesser "), insulationGroup_);
  conductorDiameterLabel_ = NewLabel("Label11", tr("Leiter:"), insulationGroup_);
  conductorDiameterEdit_ =
      NewLimitedBox("Text7", zb::kDiameterLength, tr(" Drahtdurchmesser "), insulationGroup_);
  outerDiameterLabel_->setBuddy(outerDiameterEdit_);
  conductorDiameterLabel_->setBuddy(conductorDiameterEdit_);

  auto* grid = new QGridLayout(insulationGroup_);
  grid->addWidget(permittivityLabel_, 0, 0);
  grid->addWidget(insulationCombo_, 0, 1, 1, 4);
  grid->addWidget(NewLine("Line3", insulationGroup_), 1, 0, 1, 5);
  grid->addWidget(diameterLabel_, 2, 0);
  grid->addWidget(outerDiameterLabel_, 2, 1, Qt::AlignRight);
  grid->addWidget(outerDiameterEdit_, 2, 2);
  grid->addWidget(conductorDiameterLabel_, 2, 3, Qt::AlignRight);
  grid->addWidget(conductorDiameterEdit_, 2, 4);
  grid->addWidget(NewLine("Line4", insulationGroup_), 3, 0, 1, 5);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(4, 1);
  SetDiametersEnabled(false);
  return insulationGroup_;
}

QHBoxLayout* frmHauptform::BuildButtonRow() {
  calculateButton_ = new QPushButton(tr("&Rechnen"), this);
  calculateButton_->setObjectName(QStringLiteral("Command1"));
  calculateButton_->setToolTip(tr(" Berechnung durchführen  "));
  calculateButton_->setDefault(true);
  showButton_ = new QPushButton(tr("&Anzeigen"), this);
  showButton_->setObjectName(QStringLiteral("Command2"));
  showButton_->setToolTip(tr(" Ergebnisse anzeigen "));
  showButton_->setEnabled(false);
  auto* layout = new QHBoxLayout;
  layout->addStretch(1);
  layout->addWidget(calculateButton_);
  layout->addWidget(showButton_);
  return layout;
}

}  // namespace zb::ui
